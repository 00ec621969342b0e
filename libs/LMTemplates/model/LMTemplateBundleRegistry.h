#pragma once

#include "LMSingleton.h"
#include "LMTemplateBundle.h"
#include "LMTemplatesExport.h"

#include <memory>

class LMTemplateBundleRegistryImpl;

// Knows, for every template that belongs to a multi-page design, the bundle of that design, so
// that a page can step to its neighbours. Safe to use from several threads.
class LMTEMPLATES_EXPORT LMTemplateBundleRegistry : public LMSingleton<LMTemplateBundleRegistry>
{
    friend class LMSingleton<LMTemplateBundleRegistry>;

public:
    // Every template of the bundle is known to belong to it from now on.
    void add(const LMTemplateBundle& theBundle);
    // The bundle of the template; one holding only the template when it belongs to none.
    LMTemplateBundle find(const LMUnconfiguredTemplate& theTemplate) const;
    // The templates, given the categorisation they share, as one bundle, added and returned.
    LMTemplateBundle createBundle(const LMUnconfiguredTemplateList& theTemplates);
    // Takes the template out of its bundle; the others keep the bundle without it.
    void remove(const LMUnconfiguredTemplate& theTemplate);

private:
    LMTemplateBundleRegistry();
    ~LMTemplateBundleRegistry() override;

    std::unique_ptr<LMTemplateBundleRegistryImpl> const myImpl;
};
