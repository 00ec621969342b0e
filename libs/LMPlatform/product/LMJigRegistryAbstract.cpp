#include "LMJigRegistryAbstract.h"

#include "LMJigRegistry.h"

LMJigRegistryAbstract::~LMJigRegistryAbstract()
{
    // A registry that goes away must not stay reachable through the global one.
    if (LMJigRegistry* aGlobal = LMJigRegistry::existingInstance())
        aGlobal->removeRegistry(this);
}
