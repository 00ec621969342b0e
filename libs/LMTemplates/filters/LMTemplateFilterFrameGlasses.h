#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the frame glasses that fit the product and that the product offers as an add-on.
class LMTEMPLATES_EXPORT LMTemplateFilterFrameGlasses : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterFrameGlasses(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterFrameGlasses() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;
    // The remove item passes; otherwise the filter's first article must offer glasses for the
    // frame construction price classes and, for a priced template, name the add-on article.
    bool checkGlassAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const;
};
