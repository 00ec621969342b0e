#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMAreaTextTypeEnum : qint32 {
    None = 0,
    Headline = 1,
    Subheadline = 2,
    Caption = 4,
    PageNumber = 8,
    Date = 16,
    Spine = 32,
    Text = 64,
    CalendarText = 128,
    Editor = 256,
    MapCaption = 512
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAreaTextTypeEnum)

// The role of a text area (headline, caption, free text ...), as bits; a design style formats
// texts by this role. Free text (64) is the role of a text area that names none.
class LMPLATFORM_EXPORT LMAreaTextType : public LMEnumWrapper<LMAreaTextTypeEnum>
{
public:
    LMAreaTextType() = default;
    LMAreaTextType(LMAreaTextTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMAreaTextType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAreaTextType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // A decimal number, or the role words of the table; 0 for an unknown word.
    static LMAreaTextType fromText(const QString& theText);

    void fillTable(Table* theTable) const override;
};
