#include "LMLayoutDistributorRegistry.h"

#include "LMLayoutDistributor.h"
#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMLayoutDistributorRegistry)

LMLayoutDistributorRegistry::LMLayoutDistributorRegistry() = default;

LMLayoutDistributorRegistry::~LMLayoutDistributorRegistry() = default;

size_t LMLayoutDistributorRegistry::KeyHash::operator()(const Key& theKey) const noexcept
{
    return qHashMulti(0, qHash(theKey.first), theKey.second.hashValue());
}

LMLayoutDistributor* LMLayoutDistributorRegistry::findManager(const LMArticle& theArticle,
                                                              const LMDesignStyleLayouts& theLayouts)
{
    std::lock_guard aLock(myMutex);
    Key aKey(theArticle, theLayouts);
    auto aFound = myDistributors.find(aKey);
    if (aFound == myDistributors.end()) {
        const QList<LMDesignElementID>& anIds = theLayouts.layoutCollectionIDs();
        auto aDistributor = std::make_unique<LMLayoutDistributor>(
            theArticle, LMDesignElementIDSet(QSet<LMDesignElementID>(anIds.cbegin(), anIds.cend())));
        aFound = myDistributors.emplace(std::move(aKey), std::move(aDistributor)).first;
    }
    return aFound->second.get();
}

int LMLayoutDistributorRegistry::count() const
{
    std::lock_guard aLock(myMutex);
    return int(myDistributors.size());
}
