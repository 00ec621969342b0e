#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMJigTypeEnum : qint32 {
    Unknown = 0,
    Background = 1,
    Clipart = 2,
    SvgTemplate = 4,
    Layout = 8,
    Mask = 16,
    Frame = 128,
    Passepartout = 256,
    FrameGlass = 512,
    Wallholder = 1024,
    DesignStyle = 2048,
    StoryBookDesignStyle = 4096,
    VariantTemplate = 8192
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMJigTypeEnum)

// The kind of a design element offered in the editor (background, clipart, layout, frame ...), as
// bits. Texts are the words of the content files ("hintergrund", "clipart", "layout" ...).
class LMPLATFORM_EXPORT LMJigType : public LMEnumWrapper<LMJigTypeEnum>
{
public:
    LMJigType() = default;
    LMJigType(LMJigTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMJigType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMJigType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText.toLower()))) { }

    void fillTable(Table* theTable) const override;
};

inline size_t qHash(const LMJigType& theType, size_t theSeed = 0) noexcept
{
    return qHash(theType.value(), theSeed);
}
