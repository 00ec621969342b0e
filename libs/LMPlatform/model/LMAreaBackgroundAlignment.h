#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

class LMMirrorRule;

enum class LMAreaBackgroundAlignmentEnum : qint32 { None = 0, Left = 1, Center = 2, Right = 3, FullOnEachPage = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAreaBackgroundAlignmentEnum)

// How a background sits on a spread: over the left page, centred, over the right page, or in
// full on each page. Not a bit set: right (3) is its own value.
class LMPLATFORM_EXPORT LMAreaBackgroundAlignment : public LMEnumWrapper<LMAreaBackgroundAlignmentEnum>
{
public:
    LMAreaBackgroundAlignment() = default;
    LMAreaBackgroundAlignment(LMAreaBackgroundAlignmentEnum theValue) : LMEnumWrapper(theValue) { }
    LMAreaBackgroundAlignment(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAreaBackgroundAlignment(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // Left and right change places when the rule swaps left and right.
    LMAreaBackgroundAlignment mirrored(const LMMirrorRule& theRule) const;

    void fillTable(Table* theTable) const override;
};
