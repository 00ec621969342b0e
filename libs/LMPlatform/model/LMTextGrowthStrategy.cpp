#include "LMTextGrowthStrategy.h"

LM_DEFINE_ENUM_TABLE(LMTextGrowthStrategy)

void LMTextGrowthStrategy::fillTable(Table* theTable) const
{
    using E = LMTextGrowthStrategyEnum;
    theTable->insert(QStringLiteral("fixed"), E::Fixed);
    theTable->insert(QStringLiteral("right"), E::Right);
    theTable->insert(QStringLiteral("left"), E::Left);
    theTable->insert(QStringLiteral("horizontal"), E::Horizontal);
    theTable->insert(QStringLiteral("down"), E::Down);
    theTable->insert(QStringLiteral("up"), E::Up);
    theTable->insert(QStringLiteral("vertical"), E::Vertical);
    theTable->insert(QStringLiteral("centered"), E::Centered);
}
