#include "LMDecorationFrequency.h"

LM_DEFINE_ENUM_TABLE(LMDecorationFrequency)

void LMDecorationFrequency::fillTable(Table* theTable) const
{
    using E = LMDecorationFrequencyEnum;
    theTable->insert(QStringLiteral("never"), E::Never);
    theTable->insert(QStringLiteral("0"), E::Never);
    theTable->insert(QStringLiteral("all_pages"), E::AllPages);
    theTable->insert(QStringLiteral("1"), E::AllPages);
    theTable->insert(QStringLiteral("all_left_pages"), E::AllLeftPages);
    theTable->insert(QStringLiteral("2"), E::AllLeftPages);
    theTable->insert(QStringLiteral("all_right_pages"), E::AllRightPages);
    theTable->insert(QStringLiteral("4"), E::AllRightPages);
}
