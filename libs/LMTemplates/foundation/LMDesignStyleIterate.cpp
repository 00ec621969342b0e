#include "LMDesignStyleIterate.h"

LM_DEFINE_ENUM_TABLE(LMDesignStyleIterate)

void LMDesignStyleIterate::fillTable(Table* theTable) const
{
    using E = LMDesignStyleIterateEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("perPage"), E::PerPage);
    theTable->insert(QStringLiteral("perDoublePage"), E::PerDoublePage);
    theTable->insert(QStringLiteral("perCluster"), E::PerCluster);
    theTable->insert(QStringLiteral("perArea"), E::PerArea);
}
