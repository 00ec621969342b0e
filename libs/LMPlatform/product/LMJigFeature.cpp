#include "LMJigFeature.h"

#include <QCoreApplication>
#include <QStringList>

LM_DEFINE_ENUM_TABLE(LMJigFeature)

QString LMJigFeature::describe() const
{
    QStringList aWords;
    if (myValue & Int(LMJigFeatureEnum::Layout))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Layout"));
    if (myValue & Int(LMJigFeatureEnum::Design))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Design"));
    if (myValue & Int(LMJigFeatureEnum::Background))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Hintergrund"));
    if (myValue & Int(LMJigFeatureEnum::Clipart))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Clipart"));
    if (myValue & Int(LMJigFeatureEnum::Mask))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Maske"));
    if (myValue & Int(LMJigFeatureEnum::Frame))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Rahmen"));
    if (myValue & Int(LMJigFeatureEnum::Passepartout))
        aWords.append(QCoreApplication::translate("LMJigFeature", "Passepartout"));
    return aWords.join(QLatin1String(", "));
}

void LMJigFeature::fillTable(Table* theTable) const
{
    using E = LMJigFeatureEnum;
    theTable->insert(QStringLiteral("layout"), E::Layout);
    theTable->insert(QStringLiteral("design"), E::Design);
    theTable->insert(QStringLiteral("background"), E::Background);
    theTable->insert(QStringLiteral("clipart"), E::Clipart);
    theTable->insert(QStringLiteral("mask"), E::Mask);
    theTable->insert(QStringLiteral("frame"), E::Frame);
    theTable->insert(QStringLiteral("passepartout"), E::Passepartout);
}
