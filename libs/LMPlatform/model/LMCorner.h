#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

class LMMirrorRule;

enum class LMCornerEnum : qint32 { None = 0, TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8, All = 15 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMCornerEnum)

// One corner of an area, as bits so that a set of corners can be named.
class LMPLATFORM_EXPORT LMCorner : public LMEnumWrapper<LMCornerEnum>
{
public:
    LMCorner() = default;
    LMCorner(LMCornerEnum theValue) : LMEnumWrapper(theValue) { }
    LMCorner(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMCorner(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The corner that takes this one's place when the area is mirrored by the rule.
    LMCorner mirrored(const LMMirrorRule& theRule) const;

    void fillTable(Table* theTable) const override;
};
