#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the content templates (whole designs, possibly spanning a bundle of pages) for a page,
// offered by their first page.
class LMTEMPLATES_EXPORT LMTemplateFilterContent : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterContent(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterContent() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;

    // The template starts its bundle (or has none).
    bool checkFirstInBundle(const LMUnconfiguredTemplate& theTemplate) const;
    // Every priced template of the bundle needs an add-on article of one of the filter's articles;
    // a missing one is warned about ("no add on article for").
    bool checkPriceClasses(const LMUnconfiguredTemplate& theTemplate) const;
};
