#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the passepartouts that fit the product and that the product offers as an add-on.
class LMTEMPLATES_EXPORT LMTemplateFilterFramePassepartout : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterFramePassepartout(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterFramePassepartout() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;
    // The remove item passes; otherwise the filter's first article must offer passepartouts for the
    // frame construction price classes and, for a priced template, name the add-on article.
    bool checkPassepartoutAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const;
};
