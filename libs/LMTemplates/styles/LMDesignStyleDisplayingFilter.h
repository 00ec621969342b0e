#pragma once

#include "LMDesignStyleFilter.h"
#include "LMTemplatesExport.h"

// The filter of the editor's list of styles: besides what the style filter asks, the style must
// be usable by the assistant when that is asked, its constraints must admit the product, and a
// story book must be a basic design exactly when the parameter asks for basic designs.
class LMTEMPLATES_EXPORT LMDesignStyleDisplayingFilter : public LMDesignStyleFilter
{
public:
    LMDesignStyleDisplayingFilter(const LMContentFilterParameter& theParameter, bool theCheckAssistant)
        : LMDesignStyleFilter(theParameter), myCheckAssistant(theCheckAssistant)
    {
    }
    ~LMDesignStyleDisplayingFilter() override;

    bool accept(const LMDesignStyle& theStyle) const override;
    using LMDesignStyleFilter::accept;

    bool checkAssistant(const LMDesignStyle& theStyle) const;
    bool checkTemplateConstraints(const LMDesignStyle& theStyle) const;
    bool checkBasicDesign(const LMDesignStyle& theStyle) const;

private:
    bool myCheckAssistant = false;
};
