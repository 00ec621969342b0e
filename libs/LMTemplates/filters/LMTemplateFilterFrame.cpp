#include "LMTemplateFilterFrame.h"

#include "LMTemplate.h"
#include "LMUnconfiguredTemplate.h"

LMTemplateFilterFrame::LMTemplateFilterFrame(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::Frame)
{
}

LMTemplateFilterFrame::~LMTemplateFilterFrame() = default;

bool LMTemplateFilterFrame::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return checkBasics(theTemplate) && checkTemplateVisibility(theTemplate)
        && checkConstraints(theTemplate, true, false) && checkFrameSubcategory(theTemplate)
        && checkFrameAddOnAvailable(theTemplate) && checkEditorOrientation(theTemplate)
        && checkFrameMaterial(theTemplate);
}

bool LMTemplateFilterFrame::checkFrameSubcategory(const LMUnconfiguredTemplate& theTemplate) const
{
    return theTemplate->frameMaterial().isRemoveItem() || checkSubcategory(theTemplate);
}

bool LMTemplateFilterFrame::checkFrameAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const
{
    if (!theTemplate.isJigType(LMJigTypeEnum::Frame))
        return false;
    if (theTemplate->isRemoveItem())
        return true;
    const LMPriceClass& aPriceClass = theTemplate->priceClass();
    return checkAddOnAvailable(findAddOnArticle(aPriceClass), aPriceClass, theTemplate->articleVariants());
}

bool LMTemplateFilterFrame::checkEditorOrientation(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMOrientation& aSupported = theTemplate->supportedOrientation();
    return aSupported == LMOrientationEnum::All || aSupported.intersects(parameter().orientation());
}

bool LMTemplateFilterFrame::checkFrameMaterial(const LMUnconfiguredTemplate& theTemplate) const
{
    return theTemplate->frameMaterial().intersects(parameter().frameMaterial());
}
