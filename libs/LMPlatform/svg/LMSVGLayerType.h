#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMSVGLayerTypeEnum : qint32 { None = 0, Transfer = 1, Render = 2, Reference = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMSVGLayerTypeEnum)

// The kind of a top-level group of an SVG template ("lumo:layertype"): photo slots (transfer),
// artwork and texts (render), or a referenced background or design (reference).
class LMPLATFORM_EXPORT LMSVGLayerType : public LMEnumWrapper<LMSVGLayerTypeEnum>
{
public:
    LMSVGLayerType() = default;
    LMSVGLayerType(LMSVGLayerTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMSVGLayerType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMSVGLayerType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The kind named by the attribute's number; None for a number that is not exactly one kind.
    static LMSVGLayerType fromAttributeValue(const QString& theValue);

    void fillTable(Table* theTable) const override;
};
