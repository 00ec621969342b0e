#pragma once

#include "LMInitializerAbstract.h"
#include "LMTemplatesExport.h"

// Announces the library to the application's start-up sequence. One instance is created while
// the library is loaded and registers itself with LMInitializer; the library needs no set-up of
// its own, its singletons come up on first use.
class LMTEMPLATES_EXPORT LMTemplatesInitializer : public LMInitializerAbstract
{
public:
    LMTemplatesInitializer();
    ~LMTemplatesInitializer() override;

    void setup(LMInitializerOption theOption) override;
    void teardown() override;
};
