#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Iteration rules of a design style list.
enum class LMDesignStyleIterateEnum : qint32 { None = 0, PerPage = 1, PerDoublePage = 2, PerCluster = 3, PerArea = 4 };
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDesignStyleIterateEnum)

// What moves a design style list on to its next item. The values are numbers, not bits.
class LMTEMPLATES_EXPORT LMDesignStyleIterate : public LMEnumWrapper<LMDesignStyleIterateEnum>
{
public:
    LMDesignStyleIterate() = default;
    LMDesignStyleIterate(LMDesignStyleIterateEnum theValue) : LMEnumWrapper(theValue) { }
    LMDesignStyleIterate(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDesignStyleIterate(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
