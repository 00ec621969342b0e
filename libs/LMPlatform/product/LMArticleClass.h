#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMArticleClassEnum : qint32 {
    None = 0,
    PhotoBook = 1,
    // Single-page products: canvas, acrylic and other prints for the wall.
    WallDecor = 2,
    Poster = 4,
    Card = 8,
    FramedPrint = 16,
    FramedPoster = 32,
    Calendar = 64,
    PhotoPrint = 128,
    Canvas = 256,
    // The products that take plain colour backgrounds.
    ColorBackgrounds = 512
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMArticleClassEnum)

// The family a product belongs to (photo book, calendar, wall decor ...), as bits.
class LMPLATFORM_EXPORT LMArticleClass : public LMEnumWrapper<LMArticleClassEnum>
{
public:
    LMArticleClass() = default;
    LMArticleClass(LMArticleClassEnum theValue) : LMEnumWrapper(theValue) { }
    LMArticleClass(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMArticleClass(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The fixed class of plain colour backgrounds: such backgrounds are offered for the products
    // of this class whatever class their file names.
    static LMArticleClass colorBackgrounds() { return LMArticleClass(LMArticleClassEnum::ColorBackgrounds); }

    void fillTable(Table* theTable) const override;
};
