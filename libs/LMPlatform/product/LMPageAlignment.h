#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMPageAlignmentEnum : qint32 {
    None = 0,
    Left = 1,
    Right = 2,
    LeftAndRight = 3,
    Single = 4,
    Double = 8,
    Any = 127
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMPageAlignmentEnum)

// Where a page sits in the open product: left or right of a spread, a single page, or a whole
// double page. Templates name the alignments they are intended for.
class LMPLATFORM_EXPORT LMPageAlignment : public LMEnumWrapper<LMPageAlignmentEnum>
{
public:
    LMPageAlignment() = default;
    LMPageAlignment(LMPageAlignmentEnum theValue) : LMEnumWrapper(theValue) { }
    LMPageAlignment(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMPageAlignment(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
