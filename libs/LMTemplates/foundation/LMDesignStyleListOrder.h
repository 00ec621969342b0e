#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Orders of a design style list. Both words together give 3, which has no name.
enum class LMDesignStyleListOrderEnum : qint32 { List = 1, Random = 2 };
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDesignStyleListOrderEnum)

// In which order a design style list hands out its items. A list built in memory starts with
// List, as does a file that names no order.
class LMTEMPLATES_EXPORT LMDesignStyleListOrder : public LMEnumWrapper<LMDesignStyleListOrderEnum>
{
public:
    LMDesignStyleListOrder() : LMEnumWrapper(LMDesignStyleListOrderEnum::List) { }
    LMDesignStyleListOrder(LMDesignStyleListOrderEnum theValue) : LMEnumWrapper(theValue) { }
    LMDesignStyleListOrder(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDesignStyleListOrder(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
