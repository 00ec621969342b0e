#include "LMDesignStyleDisplayingFilter.h"

#include "LMDesignStyle.h"

LMDesignStyleDisplayingFilter::~LMDesignStyleDisplayingFilter() = default;

bool LMDesignStyleDisplayingFilter::accept(const LMDesignStyle& theStyle) const
{
    return checkAssistant(theStyle) && checkTemplateConstraints(theStyle) && LMDesignStyleFilter::accept(theStyle)
        && checkBasicDesign(theStyle);
}

bool LMDesignStyleDisplayingFilter::checkAssistant(const LMDesignStyle& theStyle) const
{
    return !myCheckAssistant || theStyle.isUsableByAssistant();
}

bool LMDesignStyleDisplayingFilter::checkTemplateConstraints(const LMDesignStyle& theStyle) const
{
    return theStyle.fulfillsConstraints(constraints(), false, false);
}

bool LMDesignStyleDisplayingFilter::checkBasicDesign(const LMDesignStyle& theStyle) const
{
    return !theStyle.isStoryBook() || theStyle.isBasicDesign() == parameter().checkBasicDesign();
}
