#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

#include <Qt>

// The values are those of Qt::Alignment, so that a text format takes them over unchanged.
enum class LMAlignmentEnum : qint32 {
    None = 0,
    Left = 0x1,
    Right = 0x2,
    HCenter = 0x4,
    Justify = 0x8,
    Top = 0x20,
    Bottom = 0x40,
    VCenter = 0x80
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAlignmentEnum)

// How a text lines up in its area, horizontally ("left", "center", "right", "justify") and
// vertically ("top", "middle", "bottom"). Only the words of design files are known; Qt's
// absolute and baseline alignments have none.
class LMPLATFORM_EXPORT LMAlignment : public LMEnumWrapper<LMAlignmentEnum>
{
public:
    LMAlignment() = default;
    LMAlignment(LMAlignmentEnum theValue) : LMEnumWrapper(theValue) { }
    LMAlignment(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAlignment(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }
    static LMAlignment fromQt(Qt::Alignment theAlignment);

    Qt::Alignment toQt() const { return Qt::Alignment(myValue); }
    // Only the horizontal bits, or only the vertical ones.
    LMAlignment horizontal() const { return fromInt(myValue & Qt::AlignHorizontal_Mask); }
    LMAlignment vertical() const { return fromInt(myValue & Qt::AlignVertical_Mask); }

    void fillTable(Table* theTable) const override;
};
