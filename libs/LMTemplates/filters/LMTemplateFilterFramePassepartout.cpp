#include "LMTemplateFilterFramePassepartout.h"

#include "LMPriceClassSet.h"
#include "LMTemplate.h"
#include "LMUnconfiguredTemplate.h"

LMTemplateFilterFramePassepartout::LMTemplateFilterFramePassepartout(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::Passepartout)
{
}

LMTemplateFilterFramePassepartout::~LMTemplateFilterFramePassepartout() = default;

bool LMTemplateFilterFramePassepartout::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return checkBasics(theTemplate) && checkTemplateVisibility(theTemplate)
        && checkConstraints(theTemplate, true, false) && checkSubcategory(theTemplate)
        && checkPassepartoutAddOnAvailable(theTemplate);
}

bool LMTemplateFilterFramePassepartout::checkPassepartoutAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const
{
    if (theTemplate->isRemoveItem())
        return true;
    const LMArticleList anArticles = articles();
    const QList<LMPriceClass>& aClasses = parameter().frameConstructionPriceClasses();
    if (anArticles.isEmpty()
        || !anArticles.first().hasPassepartoutAddOn(
            LMPriceClassSet(QSet<LMPriceClass>(aClasses.cbegin(), aClasses.cend()))))
        return false;
    const LMPriceClass& aPriceClass = theTemplate->priceClass();
    return aPriceClass.isFree() || !findAddOnArticle(aPriceClass, aClasses).isNull();
}
