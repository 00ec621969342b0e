#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Day layouts of calendar templates, a bit set.
enum class LMCalendariumFlowEnum : qint32 {
    None = 0,
    Block = 1,
    List = 2,
    Line = 4,
    FamilyPlanner = 8,
    ThreeMonths = 16
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMCalendariumFlowEnum)

// How the days of a calendar template run: as a block, a list, a line, three months on a page
// or a family planner.
class LMTEMPLATES_EXPORT LMCalendariumFlow : public LMEnumWrapper<LMCalendariumFlowEnum>
{
public:
    LMCalendariumFlow() = default;
    LMCalendariumFlow(LMCalendariumFlowEnum theValue) : LMEnumWrapper(theValue) { }
    LMCalendariumFlow(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMCalendariumFlow(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
