#include "LMContentFilterAbstract.h"

#include "LMJig.h"
#include "LMTemplate.h"
#include "LMTemplateBundle.h"
#include "LMTemplateBundleRegistry.h"
#include "LMThematicCategory.h"
#include "LMUnconfiguredTemplate.h"

LMContentFilterAbstract::LMContentFilterAbstract(const LMContentFilterParameter& theParameter)
    : myParameter(theParameter)
{
}

LMContentFilterAbstract::~LMContentFilterAbstract() = default;

bool LMContentFilterAbstract::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return theTemplate.isValid();
}

bool LMContentFilterAbstract::accept(const LMDesignStyle& theStyle) const
{
    Q_UNUSED(theStyle);
    return true;
}

bool LMContentFilterAbstract::acceptDesignStyle(const LMDesignStyle& theStyle) const
{
    Q_UNUSED(theStyle);
    return true;
}

bool LMContentFilterAbstract::acceptTemplate(const LMUnconfiguredTemplate& theTemplate) const
{
    return accept(theTemplate);
}

LMPageType LMContentFilterAbstract::uniquePageType() const
{
    const LMPageType aTypes = constraints().pageConstraint().pageTypes();
    return aTypes.singlePageTypes().size() == 1 ? aTypes : LMPageType();
}

bool LMContentFilterAbstract::weAreOnAFullCover() const
{
    return constraints().isPageType(LMPageTypeEnum::FullCover);
}

bool LMContentFilterAbstract::weAreOnAUsablePage() const
{
    return constraints().isUsablePageType();
}

bool LMContentFilterAbstract::checkConstraints(const LMTemplateContextGroup& theGroup, bool theExplicitOnly,
                                               bool theIgnoreVariants) const
{
    return theGroup.fulfillsConstraints(constraints(), theExplicitOnly, theIgnoreVariants);
}

bool LMContentFilterAbstract::checkNumberOfFotoAreas(const LMUnconfiguredTemplate& theTemplate) const
{
    const int aWanted = myParameter.numberOfFotoAreas();
    if (aWanted == -1)
        return true;
    // A template outside any bundle is a bundle of its own.
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(theTemplate);
    const LMUnconfiguredTemplateList aTemplates
        = aBundle.empty() ? LMUnconfiguredTemplateList { theTemplate } : aBundle.templates();
    int aCount = 0;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates)
        aCount += aTemplate->areaDefinitions().countWithSmartLayoutChildren(LMAreaTypeEnum::Foto);
    return aCount == aWanted;
}

bool LMContentFilterAbstract::acceptTheCategoryAll() const
{
    return categorization().contains(LMThematicCategory::categoryAll());
}

bool LMContentFilterAbstract::checkIsSearchedOne(const LMJig& theJig) const
{
    const QString& aKeyword = myParameter.searchKeyword();
    return aKeyword.isEmpty() || theJig.matchSearchKeyword(aKeyword);
}

bool LMContentFilterAbstract::checkCategorization(const LMJig& theJig) const
{
    const LMDesignElementIDSet& anAllowed = allowedDesignElementIDs();
    if (!anAllowed.isEmpty() && !anAllowed.contains(theJig.designElementID()))
        return false;
    const LMCategorization aHeld = theJig.categorization();
    const LMCategorization& aWanted = categorization();
    const LMThematicCategory anInverted = LMThematicCategory::invertedCategory();
    const LMThematicCategory aStyleV2Only = LMThematicCategory::styleV2Only();
    if (aHeld.contains(aStyleV2Only) && !aWanted.contains(aStyleV2Only))
        return false;
    for (const LMCategoryType& aType : aWanted.types()) {
        LMThematicCategorySet aWantedOfType = aWanted.categories(aType);
        const bool anIsInverted = aWantedOfType.remove(anInverted);
        const bool aHoldsOne = aHeld.categories(aType).intersects(aWantedOfType);
        if (anIsInverted ? aHoldsOne : !aHoldsOne)
            return false;
    }
    return checkIsSearchedOne(theJig);
}

bool LMContentFilterAbstract::checkCategorization(const LMUnconfiguredTemplate& theTemplate) const
{
    return !theTemplate.isNull() && checkCategorization(static_cast<const LMJig&>(*theTemplate));
}
