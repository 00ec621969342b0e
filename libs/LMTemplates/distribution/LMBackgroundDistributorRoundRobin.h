#pragma once

#include "LMBackgroundDistributorAbstract.h"

// Hands out every allowed background in turn, whatever the photos are.
class LMTEMPLATES_EXPORT LMBackgroundDistributorRoundRobin : public LMBackgroundDistributorAbstract
{
public:
    LMBackgroundDistributorRoundRobin(const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy);
    ~LMBackgroundDistributorRoundRobin() override;

    LMConfiguredTemplate selectTemplate(const LMFotoList& theFotos) override;

private:
    int myCounter = 0;
    bool myCacheFilled = false;
    LMTemplateList myCachedTemplates;
};
