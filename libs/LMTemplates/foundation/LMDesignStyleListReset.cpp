#include "LMDesignStyleListReset.h"

LM_DEFINE_ENUM_TABLE(LMDesignStyleListReset)

void LMDesignStyleListReset::fillTable(Table* theTable) const
{
    using E = LMDesignStyleListResetEnum;
    theTable->insert(QStringLiteral("endOfList"), E::EndOfList);
    theTable->insert(QStringLiteral("page"), E::Page);
    theTable->insert(QStringLiteral("doublePage"), E::DoublePage);
    theTable->setDefaultValue(E::EndOfList);
}
