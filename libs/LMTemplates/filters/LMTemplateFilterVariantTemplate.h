#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the variant templates of the product; they are offered for the first page only.
class LMTEMPLATES_EXPORT LMTemplateFilterVariantTemplate : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterVariantTemplate(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterVariantTemplate() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;
};
