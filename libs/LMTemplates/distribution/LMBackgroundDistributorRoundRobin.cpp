#include "LMBackgroundDistributorRoundRobin.h"

LMBackgroundDistributorRoundRobin::LMBackgroundDistributorRoundRobin(const LMArticle& theArticle,
                                                                     const LMBackgroundStrategy& theStrategy)
    : LMBackgroundDistributorAbstract(theArticle, theStrategy)
{
}

LMBackgroundDistributorRoundRobin::~LMBackgroundDistributorRoundRobin() = default;

LMConfiguredTemplate LMBackgroundDistributorRoundRobin::selectTemplate(const LMFotoList&)
{
    if (!myCacheFilled) {
        myCachedTemplates = allTemplates();
        myCacheFilled = true;
    }
    if (myCachedTemplates.isEmpty())
        return LMConfiguredTemplate();
    const LMConfiguredTemplate aTemplate = myCachedTemplates.at(myCounter % myCachedTemplates.size());
    ++myCounter;
    return aTemplate;
}
