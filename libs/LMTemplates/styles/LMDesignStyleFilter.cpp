#include "LMDesignStyleFilter.h"

#include "LMDesignStyle.h"
#include "LMTemplateContextGroup.h"

LMDesignStyleFilter::~LMDesignStyleFilter() = default;

bool LMDesignStyleFilter::accept(const LMDesignStyle& theStyle) const
{
    return theStyle.isJigType(LMJigTypeEnum::DesignStyle) && checkCategorization(theStyle) && checkArticle(theStyle)
        && checkBinding(theStyle) && checkOrientation(theStyle) && checkLinnenCapable(theStyle);
}

bool LMDesignStyleFilter::checkArticle(const LMDesignStyle& theStyle) const
{
    return !constraints().defaultArticle().requiresExactArticle(theStyle.jigType()) || theStyle.isBasicDesign()
        || theStyle.fulfillsConstraints(constraints(), true, false);
}

bool LMDesignStyleFilter::checkBinding(const LMDesignStyle& theStyle) const
{
    const LMPageBinding aBinding = theStyle.pageBinding();
    return !aBinding.isValid() || (constraints().allowedPageBinding().value() & aBinding.value()) == aBinding.value();
}

bool LMDesignStyleFilter::checkOrientation(const LMDesignStyle& theStyle) const
{
    return theStyle.allowedOrientations().intersects(constraints().defaultArticle().orientation());
}

bool LMDesignStyleFilter::checkLinnenCapable(const LMDesignStyle& theStyle) const
{
    return !constraints().isPageType(LMPageType::fromInt(LINEN_PAGE_TYPES)) || theStyle.isLinnenCapable();
}
