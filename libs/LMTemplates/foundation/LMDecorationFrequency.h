#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Page rules of a decoration, a bit set.
enum class LMDecorationFrequencyEnum : qint32 { Never = 0, AllPages = 1, AllLeftPages = 2, AllRightPages = 4 };
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDecorationFrequencyEnum)

// On which pages a decoration is placed. The digits are the rules' ordinal numbers, which older
// files write instead of the words.
class LMTEMPLATES_EXPORT LMDecorationFrequency : public LMEnumWrapper<LMDecorationFrequencyEnum>
{
public:
    LMDecorationFrequency() = default;
    LMDecorationFrequency(LMDecorationFrequencyEnum theValue) : LMEnumWrapper(theValue) { }
    LMDecorationFrequency(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDecorationFrequency(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
