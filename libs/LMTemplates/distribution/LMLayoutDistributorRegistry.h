#pragma once

#include "LMArticle.h"
#include "LMDesignStyleLayouts.h"
#include "LMSingleton.h"
#include "LMTemplatesExport.h"

#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

class LMLayoutDistributor;

// Owns one layout distributor per (article, design style layouts) pair, built on first request
// from the layouts' collections; distributors live as long as the registry.
class LMTEMPLATES_EXPORT LMLayoutDistributorRegistry : public LMSingleton<LMLayoutDistributorRegistry>
{
public:
    ~LMLayoutDistributorRegistry() override;

    LMLayoutDistributor* findManager(const LMArticle& theArticle, const LMDesignStyleLayouts& theLayouts);
    int count() const;

private:
    friend class LMSingleton<LMLayoutDistributorRegistry>;
    LMLayoutDistributorRegistry();

    using Key = std::pair<LMArticle, LMDesignStyleLayouts>;
    struct KeyHash
    {
        size_t operator()(const Key& theKey) const noexcept;
    };

    mutable std::mutex myMutex;
    std::unordered_map<Key, std::unique_ptr<LMLayoutDistributor>, KeyHash> myDistributors;
};
