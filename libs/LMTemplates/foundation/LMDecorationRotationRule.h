#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Rotation rules of a decoration, a bit set.
enum class LMDecorationRotationRuleEnum : qint32 {
    Never = 0,
    EveryArea = 1,
    EveryPage = 2,
    EveryOtherPage = 4,
    EveryCluster = 8
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDecorationRotationRuleEnum)

// When a decoration moves on to its next item. The digits are the rules' ordinal numbers, so "3"
// means every other page (4) and "4" every cluster (8).
class LMTEMPLATES_EXPORT LMDecorationRotationRule : public LMEnumWrapper<LMDecorationRotationRuleEnum>
{
public:
    LMDecorationRotationRule() = default;
    LMDecorationRotationRule(LMDecorationRotationRuleEnum theValue) : LMEnumWrapper(theValue) { }
    LMDecorationRotationRule(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDecorationRotationRule(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
