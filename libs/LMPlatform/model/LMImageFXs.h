#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMImageFXsEnum : qint32 {
    None = 0,
    Grayscale = 1,
    Sepia = 2,
    BlackWhite = 4,
    Invert = 8,
    Blur = 16,
    Vignette = 32
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMImageFXsEnum)

// The image effects applied to the content of an area, as bits.
class LMPLATFORM_EXPORT LMImageFXs : public LMEnumWrapper<LMImageFXsEnum>
{
public:
    LMImageFXs() = default;
    LMImageFXs(LMImageFXsEnum theValue) : LMEnumWrapper(theValue) { }
    LMImageFXs(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMImageFXs(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
