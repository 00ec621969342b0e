#pragma once

#include "LMArticle.h"
#include "LMBackgroundStrategy.h"
#include "LMSingleton.h"
#include "LMTemplatesExport.h"

#include <QHash>

#include <memory>
#include <mutex>
#include <utility>

class LMBackgroundDistributorAbstract;
class LMFotoList;

// Owns one background distributor per (article, strategy) pair, built on first request.
class LMTEMPLATES_EXPORT LMBackgroundDistributorRegistry : public LMSingleton<LMBackgroundDistributorRegistry>
{
public:
    ~LMBackgroundDistributorRegistry() override;

    // The distributor of the pair; it lives as long as the registry.
    LMBackgroundDistributorAbstract* findManager(const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy);
    // A new distributor: round robin when the strategy's implicit distribution says so, else
    // nearest neighbour.
    static std::unique_ptr<LMBackgroundDistributorAbstract> createManager(const LMArticle& theArticle,
                                                                          const LMBackgroundStrategy& theStrategy);
    // The background for a page showing theFotos, chosen by the pair's distributor; null when the
    // strategy allows none.
    LMConfiguredTemplate backgroundForPage(const LMFotoList& theFotos, const LMArticle& theArticle,
                                           const LMBackgroundStrategy& theStrategy);
    // Forgets every distributor (after the templates changed).
    void clear();

private:
    friend class LMSingleton<LMBackgroundDistributorRegistry>;
    LMBackgroundDistributorRegistry();

    std::mutex myMutex;
    QHash<std::pair<LMArticle, LMBackgroundStrategy>, std::shared_ptr<LMBackgroundDistributorAbstract>> myManagers;
};
