#include "LMBackgroundDistributorRegistry.h"

#include "LMBackgroundDistributorNearestNeighbour.h"
#include "LMBackgroundDistributorRoundRobin.h"
#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMBackgroundDistributorRegistry)

LMBackgroundDistributorRegistry::LMBackgroundDistributorRegistry() = default;

LMBackgroundDistributorRegistry::~LMBackgroundDistributorRegistry() = default;

LMBackgroundDistributorAbstract* LMBackgroundDistributorRegistry::findManager(const LMArticle& theArticle,
                                                                              const LMBackgroundStrategy& theStrategy)
{
    std::lock_guard aLock(myMutex);
    const auto aKey = std::make_pair(theArticle, theStrategy);
    auto aFound = myManagers.find(aKey);
    if (aFound == myManagers.end())
        aFound = myManagers.insert(
            aKey, std::shared_ptr<LMBackgroundDistributorAbstract>(createManager(theArticle, theStrategy)));
    return aFound->get();
}

std::unique_ptr<LMBackgroundDistributorAbstract>
LMBackgroundDistributorRegistry::createManager(const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy)
{
    if (theStrategy.distributionStrategyImplicit() == LMBackgroundStrategy::RoundRobin)
        return std::make_unique<LMBackgroundDistributorRoundRobin>(theArticle, theStrategy);
    return std::make_unique<LMBackgroundDistributorNearestNeighbour>(theArticle, theStrategy);
}

LMConfiguredTemplate LMBackgroundDistributorRegistry::backgroundForPage(const LMFotoList& theFotos,
                                                                        const LMArticle& theArticle,
                                                                        const LMBackgroundStrategy& theStrategy)
{
    return findManager(theArticle, theStrategy)->selectTemplate(theFotos);
}

void LMBackgroundDistributorRegistry::clear()
{
    std::lock_guard aLock(myMutex);
    myManagers.clear();
}
