#include "LMTemplateFilterContent.h"

#include "LMTemplate.h"
#include "LMTemplateBundle.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplatesLogging.h"
#include "LMUnconfiguredTemplate.h"

#include <algorithm>

LMTemplateFilterContent::LMTemplateFilterContent(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::SvgTemplate)
{
}

LMTemplateFilterContent::~LMTemplateFilterContent() = default;

bool LMTemplateFilterContent::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    if (!checkBasics(theTemplate) || !checkTemplateVisibility(theTemplate))
        return false;
    // A design with a cut-out is made for that shape: its variants are checked by the cut-out rule.
    const bool aHasCutOut = !theTemplate->articleVariants().values(LMArticleVariants::cutOutKey()).isEmpty();
    return checkConstraints(theTemplate, false, aHasCutOut) && checkNumberOfFotoAreas(theTemplate)
        && checkFirstInBundle(theTemplate) && checkCategorization(theTemplate) && acceptContentCategory(theTemplate)
        && checkPriceClasses(theTemplate) && spotColorIsOkay(theTemplate);
}

bool LMTemplateFilterContent::checkFirstInBundle(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(theTemplate);
    return aBundle.empty() || !aBundle.hasPreviousTemplate(theTemplate);
}

bool LMTemplateFilterContent::checkPriceClasses(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMArticleList anArticles = articles();
    for (const LMUnconfiguredTemplate& aTemplate : bundleTemplates(theTemplate)) {
        const LMPriceClass& aPriceClass = aTemplate->priceClass();
        if (aPriceClass.isFree())
            continue;
        const bool aFound = std::any_of(anArticles.cbegin(), anArticles.cend(), [&](const LMArticle& anArticle) {
            return !anArticle.findDependentArticle(aPriceClass).isNull();
        });
        if (!aFound) {
            qCWarning(lcFilters).noquote() << "no add on article for" << aPriceClass.toString();
            return false;
        }
    }
    return true;
}
