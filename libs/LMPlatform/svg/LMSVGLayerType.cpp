#include "LMSVGLayerType.h"

LM_DEFINE_ENUM_TABLE(LMSVGLayerType)

void LMSVGLayerType::fillTable(Table* theTable) const
{
    using E = LMSVGLayerTypeEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("transfer"), E::Transfer);
    theTable->insert(QStringLiteral("render"), E::Render);
    theTable->insert(QStringLiteral("reference"), E::Reference);
}

LMSVGLayerType LMSVGLayerType::fromAttributeValue(const QString& theValue)
{
    bool anOk = false;
    const int aNumber = theValue.trimmed().toInt(&anOk);
    if (!anOk)
        return LMSVGLayerType();
    switch (aNumber) {
    case int(LMSVGLayerTypeEnum::Transfer):
    case int(LMSVGLayerTypeEnum::Render):
    case int(LMSVGLayerTypeEnum::Reference):
        return fromInt(aNumber);
    default:
        return LMSVGLayerType();
    }
}
