#include "LMAreaAssociationIdList.h"

void LMAreaAssociationIdList::unite(const LMAreaAssociationIdList& theOther)
{
    for (auto anIt = theOther.cbegin(); anIt != theOther.cend(); ++anIt)
        insert(anIt.key(), anIt.value());
}
