#include "LMCalendariumFlow.h"

LM_DEFINE_ENUM_TABLE(LMCalendariumFlow)

void LMCalendariumFlow::fillTable(Table* theTable) const
{
    using E = LMCalendariumFlowEnum;
    theTable->insert(QStringLiteral("block"), E::Block);
    theTable->insert(QStringLiteral("list"), E::List);
    theTable->insert(QStringLiteral("line"), E::Line);
    theTable->insert(QStringLiteral("3month"), E::ThreeMonths);
    theTable->insert(QStringLiteral("famcal"), E::FamilyPlanner);
}
