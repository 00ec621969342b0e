#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the wallholders that fit the product and its add-ons.
class LMTEMPLATES_EXPORT LMTemplateFilterWallholder : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterWallholder(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterWallholder() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;
    // A free wallholder passes; a priced one needs its add-on article.
    bool checkWallholderAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const;
    // A product whose catalogue entry says "requiresWallholder" cannot go without one: the remove
    // item is rejected for it.
    bool checkRequiredAddOns(const LMUnconfiguredTemplate& theTemplate) const;
};
