#include "LMFrameMaterial.h"

#include "LMPlatformLogging.h"
#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QCoreApplication>

namespace {
const QString STR_MATERIAL = QStringLiteral("material");
const QString STR_NONE = QStringLiteral("none");
} // namespace

LM_DEFINE_ENUM_TABLE(LMFrameMaterial)

void LMFrameMaterial::fillTable(Table* theTable) const
{
    using E = LMFrameMaterialEnum;
    theTable->insert(STR_NONE, E::Remove);
    theTable->insert(QStringLiteral("remove"), E::Remove);
    theTable->insert(QStringLiteral("wood"), E::Wood);
    theTable->insert(QStringLiteral("aluminium"), E::Aluminium);
    theTable->insert(QStringLiteral("alu"), E::Aluminium);
    theTable->insert(QStringLiteral("plastic"), E::Plastic);
    theTable->insert(QStringLiteral("all"), E::All);
}

LMFrameMaterial LMFrameMaterial::fromXml(const LMXMLElement& theElement)
{
    const QString aText = LMXMLParser::attribute(theElement, STR_MATERIAL, STR_NONE).trimmed();
    // Only exact words count: a list would make one frame of several materials.
    if (!enumToStringTable().containsString(aText)) {
        qCWarning(lcPlatformProduct) << "unknown frame material" << aText;
        return LMFrameMaterial();
    }
    return LMFrameMaterial(aText);
}

QString LMFrameMaterial::visibleName() const
{
    switch (toEnum()) {
    case LMFrameMaterialEnum::Wood:
        return QCoreApplication::translate("LMFrameMaterial", "Holz");
    case LMFrameMaterialEnum::Aluminium:
        return QCoreApplication::translate("LMFrameMaterial", "Aluminium");
    case LMFrameMaterialEnum::Plastic:
        return QCoreApplication::translate("LMFrameMaterial", "Kunststoff");
    default:
        return QString();
    }
}

QString LMFrameMaterial::basicDragAndDropHint() const
{
    if (isRemoveItem())
        return QCoreApplication::translate("LMFrameMaterial",
                                           "Ziehen Sie dieses Element auf das Produkt, um den Rahmen zu entfernen.");
    const QString aName = visibleName();
    if (aName.isEmpty())
        return QCoreApplication::translate("LMFrameMaterial", "Ziehen Sie diesen Rahmen auf das Produkt.");
    return QCoreApplication::translate("LMFrameMaterial", "Ziehen Sie diesen Rahmen aus %1 auf das Produkt.")
        .arg(aName);
}
