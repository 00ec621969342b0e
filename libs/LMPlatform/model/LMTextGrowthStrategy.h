#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMTextGrowthStrategyEnum : qint32 {
    Fixed = 0,
    Right = 1,
    Left = 2,
    Horizontal = 3,
    Down = 4,
    Up = 8,
    Vertical = 12,
    Centered = 15
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMTextGrowthStrategyEnum)

// In which directions a text area grows when its text does not fit, as bits.
class LMPLATFORM_EXPORT LMTextGrowthStrategy : public LMEnumWrapper<LMTextGrowthStrategyEnum>
{
public:
    LMTextGrowthStrategy() = default;
    LMTextGrowthStrategy(LMTextGrowthStrategyEnum theValue) : LMEnumWrapper(theValue) { }
    LMTextGrowthStrategy(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTextGrowthStrategy(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
