#include "LMDecorationRotationRule.h"

LM_DEFINE_ENUM_TABLE(LMDecorationRotationRule)

void LMDecorationRotationRule::fillTable(Table* theTable) const
{
    using E = LMDecorationRotationRuleEnum;
    theTable->insert(QStringLiteral("never"), E::Never);
    theTable->insert(QStringLiteral("0"), E::Never);
    theTable->insert(QStringLiteral("every_area"), E::EveryArea);
    theTable->insert(QStringLiteral("1"), E::EveryArea);
    theTable->insert(QStringLiteral("every_page"), E::EveryPage);
    theTable->insert(QStringLiteral("2"), E::EveryPage);
    theTable->insert(QStringLiteral("every_other_page"), E::EveryOtherPage);
    theTable->insert(QStringLiteral("3"), E::EveryOtherPage);
    theTable->insert(QStringLiteral("every_cluster"), E::EveryCluster);
    theTable->insert(QStringLiteral("4"), E::EveryCluster);
}
