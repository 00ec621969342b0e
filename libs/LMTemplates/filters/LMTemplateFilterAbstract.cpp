#include "LMTemplateFilterAbstract.h"

#include "LMPriceClassSet.h"
#include "LMTemplate.h"
#include "LMTemplateBundle.h"
#include "LMTemplateBundleRegistry.h"
#include "LMThematicCategorySet.h"
#include "LMUnconfiguredTemplate.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString STR_ALLOWED_CATEGORIES = QStringLiteral("allowedCategories");
const QString STR_JIG_TYPE = QStringLiteral("jigType");
const QString STR_PAGE_TYPE = QStringLiteral("pageType");
const QString STR_CATEGORIES = QStringLiteral("categories");

// The categories the article allows for elements of the jig type on pages of the page type: the
// union of its "allowedCategories" entries that share a bit with both. False when no entry applies,
// and the article then restricts nothing.
bool allowedJigCategories(const LMArticle& theArticle, const LMPageType& thePageType, const LMJigType& theJigType,
                          LMThematicCategorySet* theAllowed)
{
    bool aRestricts = false;
    const QJsonArray anEntries = theArticle.catalogueEntry().value(STR_ALLOWED_CATEGORIES).toArray();
    for (const QJsonValue& aValue : anEntries) {
        const QJsonObject anEntry = aValue.toObject();
        if (!LMJigType(anEntry.value(STR_JIG_TYPE).toString()).intersects(theJigType)
            || !LMPageType(anEntry.value(STR_PAGE_TYPE).toString()).intersects(thePageType))
            continue;
        aRestricts = true;
        for (const QJsonValue& aCategory : anEntry.value(STR_CATEGORIES).toArray())
            theAllowed->insert(LMThematicCategory(aCategory.toString()));
    }
    return aRestricts;
}

} // namespace

LMTemplateFilterAbstract::LMTemplateFilterAbstract(const LMContentFilterParameter& theParameter,
                                                   const LMJigType& theJigType)
    : LMContentFilterAbstract(theParameter), myJigType(theJigType)
{
}

LMTemplateFilterAbstract::~LMTemplateFilterAbstract() = default;

LMJigType LMTemplateFilterAbstract::acceptableJigType() const
{
    return myJigType;
}

bool LMTemplateFilterAbstract::checkBasics(const LMUnconfiguredTemplate& theTemplate) const
{
    return LMContentFilterAbstract::accept(theTemplate) && checkJigType(theTemplate);
}

LMUnconfiguredTemplateList LMTemplateFilterAbstract::bundleTemplates(const LMUnconfiguredTemplate& theTemplate)
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(theTemplate);
    return aBundle.empty() ? LMUnconfiguredTemplateList { theTemplate } : aBundle.templates();
}

bool LMTemplateFilterAbstract::checkJigType(const LMUnconfiguredTemplate& theTemplate) const
{
    return theTemplate.isJigType(acceptableJigType());
}

bool LMTemplateFilterAbstract::checkConstraints(const LMUnconfiguredTemplate& theTemplate, bool theExplicitOnly,
                                                bool theIgnoreVariants) const
{
    return checkConstraints(theTemplate->contextGroup(), theExplicitOnly, theIgnoreVariants);
}

bool LMTemplateFilterAbstract::checkTemplateVisibility(const LMUnconfiguredTemplate& theTemplate) const
{
    return parameter().ignoreVisibility() || theTemplate->isVisibleInList();
}

bool LMTemplateFilterAbstract::checkSubcategory(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMThematicCategorySet aWanted = categorization().categories(LMCategoryTypeEnum::Subcategory);
    if (aWanted.isEmpty())
        return true;
    return theTemplate->thematicCategories(LMCategoryTypeEnum::Subcategory).intersects(aWanted);
}

bool LMTemplateFilterAbstract::checkLinnenCapable(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMPageType aCovers(LMPageTypeEnum(int(LMPageTypeEnum::FrontCover) | int(LMPageTypeEnum::BackCover)));
    return !constraints().sharesPageType(aCovers) || theTemplate->metaData().isLinnenCapable();
}

LMArticle LMTemplateFilterAbstract::findAddOnArticle(const LMPriceClass& thePriceClass) const
{
    const LMArticleList anArticles = articles();
    if (thePriceClass.isFree() || anArticles.isEmpty())
        return LMArticle();
    return anArticles.first().findDependentArticle(thePriceClass);
}

LMArticle LMTemplateFilterAbstract::findAddOnArticle(const LMPriceClass& thePriceClass,
                                                     const QList<LMPriceClass>& theFrameConstructionPriceClasses) const
{
    LMArticle anAddOn = findAddOnArticle(thePriceClass);
    if (!anAddOn.isNull() || thePriceClass.isFree())
        return anAddOn;
    for (const LMPriceClass& aClass : theFrameConstructionPriceClasses) {
        anAddOn = findAddOnArticle(aClass);
        if (!anAddOn.isNull())
            return anAddOn;
    }
    return LMArticle();
}

bool LMTemplateFilterAbstract::checkAddOnAvailable(const LMArticle& theAddOn, const LMPriceClass& thePriceClass,
                                                   const LMArticleVariants& theVariants) const
{
    Q_UNUSED(thePriceClass);
    return !theAddOn.isNull() && theAddOn.possibleVariants().contains(theVariants);
}

bool LMTemplateFilterAbstract::excludeTemplateNonMatchingTargetPageType(const LMUnconfiguredTemplate& theTemplate,
                                                                        const LMArticleClass& theArticleClass) const
{
    const LMPageTypeList aTargets = parameter().targetPageTypesForArticleClass().value(theArticleClass);
    for (const LMPageType& aPageType : aTargets) {
        if (constraints().isPageType(aPageType) && !theTemplate->contextGroup().isPageType(aPageType))
            return true;
    }
    return false;
}

bool LMTemplateFilterAbstract::acceptContentCategory(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMArticleList anArticles = articles();
    for (const LMArticle& anArticle : anArticles) {
        if (excludeTemplateNonMatchingTargetPageType(theTemplate, anArticle.articleClass()))
            return false;
        LMThematicCategorySet anAllowed;
        if (allowedJigCategories(anArticle, uniquePageType(), acceptableJigType(), &anAllowed)
            && !theTemplate->thematicCategories(LMCategoryTypeEnum::Subcategory).containsOnlyFavouritesAnd(anAllowed))
            return false;
    }
    return true;
}

bool LMTemplateFilterAbstract::spotColorIsOkay(const LMUnconfiguredTemplate& theTemplate) const
{
    if (theTemplate->templateLayerType().intersects(LMTemplateLayerTypeEnum::Background))
        return true;
    LMSpotColor aSpotColor;
    for (const LMUnconfiguredTemplate& aTemplate : bundleTemplates(theTemplate))
        aSpotColor |= aTemplate->spotColor();
    if (!aSpotColor.isValid())
        return true;
    return constraints().spotColorCapability().isValid() && aSpotColor.intersects(parameter().allowedSpotColors());
}

bool LMTemplateFilterAbstract::checkRequiredVariant(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMArticleVariants aNeeded = theTemplate->articleVariants();
    if (aNeeded.hasNotAccountableVariant())
        return true;
    LMArticleVariants aPossible;
    for (const LMArticle& anArticle : constraints().explicitArticles())
        aPossible.unite(anArticle.possibleVariants());
    return aPossible.contains(aNeeded);
}
