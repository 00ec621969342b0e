#include "LMDesignStyleListOrder.h"

LM_DEFINE_ENUM_TABLE(LMDesignStyleListOrder)

void LMDesignStyleListOrder::fillTable(Table* theTable) const
{
    using E = LMDesignStyleListOrderEnum;
    theTable->insert(QStringLiteral("list"), E::List);
    theTable->insert(QStringLiteral("random"), E::Random);
    theTable->setDefaultValue(E::List);
}
