#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Reset rules of a design style list. The values are numbers, not bits.
enum class LMDesignStyleListResetEnum : qint32 { EndOfList = 1, Page = 2, DoublePage = 3 };
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDesignStyleListResetEnum)

// When a design style list starts over. A list built in memory starts with EndOfList, as does a
// file that names no reset.
class LMTEMPLATES_EXPORT LMDesignStyleListReset : public LMEnumWrapper<LMDesignStyleListResetEnum>
{
public:
    LMDesignStyleListReset() : LMEnumWrapper(LMDesignStyleListResetEnum::EndOfList) { }
    LMDesignStyleListReset(LMDesignStyleListResetEnum theValue) : LMEnumWrapper(theValue) { }
    LMDesignStyleListReset(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDesignStyleListReset(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
