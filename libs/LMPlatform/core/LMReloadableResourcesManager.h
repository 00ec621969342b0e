#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QString>

// Resources of the content tree that may change while the editor runs (a content update can
// bring a new design logo). Every call looks at the content tree as it is now.
class LMPLATFORM_EXPORT LMReloadableResourcesManager : public LMSingleton<LMReloadableResourcesManager>
{
    friend class LMSingleton<LMReloadableResourcesManager>;

public:
    // The content file "logos/design-logo.svg" as an absolute path when it exists, else empty.
    QString designLogo() const;

private:
    LMReloadableResourcesManager() = default;
};
