#include "LMTemplateFilterBackground.h"

#include "LMTemplate.h"
#include "LMThematicCategory.h"
#include "LMUnconfiguredTemplate.h"

LMTemplateFilterBackground::LMTemplateFilterBackground(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::Background)
{
}

LMTemplateFilterBackground::~LMTemplateFilterBackground() = default;

bool LMTemplateFilterBackground::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return checkBasics(theTemplate) && checkTemplateVisibility(theTemplate)
        && checkConstraints(theTemplate, false, true) && (checkColor(theTemplate) || checkCategorization(theTemplate))
        && checkMultiColor(theTemplate) && acceptContentCategory(theTemplate)
        && checkSingleSidedBackgrounds(theTemplate) && spotColorIsOkay(theTemplate)
        && checkRequiredVariant(theTemplate);
}

bool LMTemplateFilterBackground::checkColor(const LMUnconfiguredTemplate& theTemplate) const
{
    return myColor.isValid() && categorization().contains(LMThematicCategory::matchingToFlyleaf())
        && theTemplate->metaData().rgbColor() == myColor;
}

bool LMTemplateFilterBackground::checkMultiColor(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMMultiColorConfig& aWanted = parameter().multiColorConfig();
    if (aWanted.isAnyMultiColorConfig())
        return true;
    if (parameter().hasToBeMultiColor())
        return theTemplate->multiColorConfig().isCompatibleWith(aWanted);
    return !theTemplate->isMultiColor();
}

bool LMTemplateFilterBackground::checkSingleSidedBackgrounds(const LMUnconfiguredTemplate& theTemplate) const
{
    if (!theTemplate->isLandscapeSingleSided() || !weAreOnAFullCover())
        return true;
    for (const LMArticle& anArticle : articles()) {
        for (const LMOrientation& anOrientation : anArticle.orientation().singleOrientations()) {
            if (!theTemplate->putFullBackgroundOnEachPage(anOrientation))
                return false;
        }
    }
    return true;
}
