#include "LMTemplateFilterFrameGlasses.h"

#include "LMPriceClassSet.h"
#include "LMTemplate.h"
#include "LMUnconfiguredTemplate.h"

LMTemplateFilterFrameGlasses::LMTemplateFilterFrameGlasses(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::FrameGlass)
{
}

LMTemplateFilterFrameGlasses::~LMTemplateFilterFrameGlasses() = default;

bool LMTemplateFilterFrameGlasses::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return checkBasics(theTemplate) && checkTemplateVisibility(theTemplate)
        && checkConstraints(theTemplate, true, false) && checkSubcategory(theTemplate)
        && checkGlassAddOnAvailable(theTemplate);
}

bool LMTemplateFilterFrameGlasses::checkGlassAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const
{
    if (theTemplate->isRemoveItem())
        return true;
    const LMArticleList anArticles = articles();
    const QList<LMPriceClass>& aClasses = parameter().frameConstructionPriceClasses();
    if (anArticles.isEmpty()
        || !anArticles.first().hasGlassesAddOn(LMPriceClassSet(QSet<LMPriceClass>(aClasses.cbegin(), aClasses.cend()))))
        return false;
    const LMPriceClass& aPriceClass = theTemplate->priceClass();
    return aPriceClass.isFree() || !findAddOnArticle(aPriceClass, aClasses).isNull();
}
