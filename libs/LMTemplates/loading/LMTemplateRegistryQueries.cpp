// The registry's queries by filter and by product: templates of an article, its backgrounds,
// frames, passepartouts, glasses and wallholders, the templates of a template group.

#include "LMTemplateRegistry.h"

#include "LMArticleList.h"
#include "LMTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateFilterContent.h"
#include "LMTemplateFilterFrame.h"
#include "LMTemplateFilterFrameGlasses.h"
#include "LMTemplateFilterFramePassepartout.h"
#include "LMTemplateFilterLayout.h"
#include "LMTemplateFilterVariantTemplate.h"
#include "LMTemplateFilterWallholder.h"

#include <QMap>

#include <algorithm>

namespace {
constexpr qint32 ARTICLE_CLASS_FRAMED = 48;
constexpr qint32 ARTICLE_CLASS_FRAMED_OR_CANVAS = 6;
constexpr qint32 ARTICLE_CLASS_WALL_DECOR = 310;
constexpr qint32 JIG_STATUS_LAYOUTS = 3;

LMContentFilterParameter parameterFor(const LMArticle& theArticle, const LMCategorization& theCategorization = {})
{
    return LMContentFilterParameter(LMTemplateContextGroup::fromArticle(theArticle, LMPageType()), theCategorization);
}

// A product's layouts are asked for on any page that takes content (the layout filter offers
// layouts for such pages only), with the product's page binding allowed.
LMTemplateContextGroup layoutConstraintsFor(const LMArticle& theArticle)
{
    LMTemplateContextGroup aConstraints = LMTemplateContextGroup::fromArticle(
        theArticle, LMPageType::fromInt(LMTemplateContextGroup::USABLE_PAGE_TYPES));
    aConstraints.setAllowedPageBinding(theArticle.pageBinding());
    return aConstraints;
}

LMCategorization categorizationOf(const LMCategoryType& theType, const LMThematicCategory& theCategory)
{
    LMCategorization aCategorization;
    aCategorization.insert(theType, theCategory);
    return aCategorization;
}
} // namespace

// ---- Filters and products -------------------------------------------------------------------

LMUnconfiguredTemplateList LMTemplateRegistry::getTemplates(const LMTemplateFilterAbstract& theFilter) const
{
    LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(theFilter.acceptableJigType());
    if (aTemplates.isEmpty())
        aTemplates = allTemplates();
    LMUnconfiguredTemplateList aResult = aTemplates.filter(&theFilter);
    if (dynamic_cast<const LMTemplateFilterVariantTemplate*>(&theFilter))
        aResult = aResult.sortedByName();
    return aResult;
}

bool LMTemplateRegistry::filterHasMatches(const LMTemplateFilterAbstract& theFilter) const
{
    return allTemplates().filterHasMatches(&theFilter);
}

LMUnconfiguredTemplateList LMTemplateRegistry::getAllLayouts(const LMTemplateContext& theContext) const
{
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setIgnoreVisibility(true);
    return getTemplates(LMTemplateFilterLayout(aParameter));
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplate(const LMPriceClass& thePriceClass, const LMArticle& theArticle,
                                                        const LMArticleVariants& theVariants,
                                                        bool theExplicitOnly) const
{
    // The catalogue knows one set of variants per article: those are its defaults for every class.
    const LMArticleVariants aDefaults = theArticle.possibleVariants();
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    LMUnconfiguredTemplate aLast;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (!aTemplate->containsArticle(theArticle, theExplicitOnly) || aTemplate->priceClass() != thePriceClass)
            continue;
        if (!theVariants.isEmpty() && !aTemplate->articleVariants().contains(theVariants))
            continue;
        // Frame materials have no upright kind here: every frame candidate counts as not upright.
        if (aTemplate->articleVariants() == aDefaults || aTemplate->isJigType(LMJigTypeEnum::Frame))
            return aTemplate;
        aLast = aTemplate;
    }
    return aLast;
}

LMUnconfiguredTemplate
LMTemplateRegistry::findTemplateByPriceClassAndVariant(const LMPriceClass& thePriceClass,
                                                       const LMArticleVariants& theVariants) const
{
    return allTemplates().findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->priceClass() == thePriceClass && theT->articleVariants().contains(theVariants);
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplateByProductionCode(const QString& theCode) const
{
    return allTemplates().findFirst(
        [&theCode](const LMUnconfiguredTemplate& theT) { return theT->fileInfo().filePath().contains(theCode); });
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplateWithLayout(const LMUnconfiguredTemplate& theTemplate,
                                                                  const LMPageType& thePageType,
                                                                  const LMOrientation& theOrientation) const
{
    if (theTemplate.isNull())
        return LMUnconfiguredTemplate();
    return allTemplates().findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->hasSameLayout(*theTemplate) && theT->contextGroup().sharesPageType(thePageType)
            && theT->supportedOrientation().intersects(theOrientation);
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findFrameGlassTemplate(const LMArticleList& theArticles,
                                                                  const LMArticle& theArticle,
                                                                  const LMFrameGlassMaterial& theMaterial) const
{
    Q_UNUSED(theArticles)
    return allTemplatesForJigType(LMJigTypeEnum::FrameGlass).findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->priceClass() == theArticle.priceClass() && theT->containsArticle(theArticle, false)
            && theT->hasGlassMaterial(theMaterial);
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findVariantTemplate(const LMArticle& theArticle,
                                                               const LMArticleVariants& theVariants) const
{
    return allTemplates().findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->templateLayerType() == LMTemplateLayerTypeEnum::Variant && theT->containsArticle(theArticle, true)
            && (theVariants.isEmpty() || theT->articleVariants().contains(theVariants));
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findFramePassepartoutTemplate(const LMArticle& theArticle,
                                                                         const LMArticleVariants& theVariants) const
{
    return allTemplatesForJigType(LMJigTypeEnum::Passepartout).findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->containsArticle(theArticle, false)
            && (theVariants.isEmpty() || theT->articleVariants().contains(theVariants));
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findNoFrameTemplate(const LMTemplateContext& theContext) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED))
        && !theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED_OR_CANVAS)))
        return LMUnconfiguredTemplate();
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    return getTemplates(LMTemplateFilterFrame(aParameter)).findFirst([](const LMUnconfiguredTemplate& theFrame) {
        return theFrame.isJigType(LMJigTypeEnum::Frame) && theFrame->frameMaterial() == LMFrameMaterialEnum::Remove;
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findNoPassepartoutTemplate(const LMTemplateContext& theContext) const
{
    if (theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED))) {
        const LMUnconfiguredTemplate aFound
            = allTemplatesForJigType(LMJigTypeEnum::Passepartout)
                  .findFirst([&theContext](const LMUnconfiguredTemplate& theT) {
                      return theT->isRemoveItem() && theT->containsArticle(theContext.article(), false);
                  });
        if (!aFound.isNull())
            return aFound;
    }
    return findNoFrameTemplate(theContext);
}

LMUnconfiguredTemplate LMTemplateRegistry::findPosterStrip(const LMTemplateContext& theContext,
                                                           const LMOrientation& theOrientation,
                                                           const LMArticleVariants& theVariants) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED)))
        return LMUnconfiguredTemplate();
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setOrientation(theOrientation);
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    return getTemplates(LMTemplateFilterFrame(aParameter)).findFirst([&](const LMUnconfiguredTemplate& theFrame) {
        // A poster strip is a frame made for the poster page.
        const bool aStrip = theFrame.isJigType(LMJigTypeEnum::Frame)
            && theFrame->contextGroup().sharesPageType(LMPageTypeEnum::Poster);
        return aStrip && (theVariants.isEmpty() || theFrame->articleVariants().contains(theVariants));
    });
}

bool LMTemplateRegistry::hasFrameCategories(const LMTemplateContext& theContext,
                                            const LMOrientation& theOrientation) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_WALL_DECOR)))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setOrientation(theOrientation);
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    return filterHasMatches(LMTemplateFilterFrame(aParameter));
}

bool LMTemplateRegistry::showFrameIcon(const LMTemplateContext& theContext) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_WALL_DECOR)))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    return filterHasMatches(LMTemplateFilterFrame(aParameter));
}

bool LMTemplateRegistry::hasFrameGlassesCategories(const LMTemplateContext& theContext,
                                                   const LMPriceClassSet& thePriceClasses) const
{
    if (!theContext.hasGlassesAddOn(thePriceClasses))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameConstructionPriceClasses(thePriceClasses.values());
    return !getTemplates(LMTemplateFilterFrameGlasses(aParameter)).isEmpty();
}

bool LMTemplateRegistry::hasFramePassepartoutCategories(const LMTemplateContext& theContext,
                                                        const LMPriceClassSet& thePriceClasses) const
{
    if (!theContext.hasPassepartoutAddOn(thePriceClasses))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameConstructionPriceClasses(thePriceClasses.values());
    return !getTemplates(LMTemplateFilterFramePassepartout(aParameter)).isEmpty();
}

bool LMTemplateRegistry::hasWallholderCategories(const LMTemplateContext& theContext) const
{
    return !getTemplates(LMTemplateFilterWallholder(LMContentFilterParameter(theContext, LMCategorization())))
                .isEmpty();
}

bool LMTemplateRegistry::hasWallholder(const LMTemplateContext& theContext, const LMPriceClass& thePriceClass) const
{
    const LMUnconfiguredTemplateList aWallholders
        = getTemplates(LMTemplateFilterWallholder(LMContentFilterParameter(theContext, LMCategorization())));
    return std::any_of(
        aWallholders.cbegin(), aWallholders.cend(),
        [&thePriceClass](const LMUnconfiguredTemplate& theT) { return theT->priceClass() == thePriceClass; });
}

LMUnconfiguredTemplate LMTemplateRegistry::findBackgroundByProductVariant(const LMArticle& theArticle,
                                                                          const LMArticleVariants& theVariants) const
{
    return allTemplates().findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->hasBackground() && theT->articleVariants().contains(theVariants)
            && theT->containsArticle(theArticle, false);
    });
}

LMUnconfiguredTemplate LMTemplateRegistry::findDefaultBackgroundByProductVariant(const LMArticle& theArticle) const
{
    return findBackgroundByProductVariant(theArticle, theArticle.possibleVariants());
}

LMUnconfiguredTemplate LMTemplateRegistry::findBackgroundByDesignElementId(
    const LMDesignElementID& theId, const LMMultiColorConfig& theMultiColorConfig, const LMArticle& theArticle) const
{
    return allTemplatesByDesignElementId(theId).findFirst([&](const LMUnconfiguredTemplate& theT) {
        return theT->multiColorConfig() == theMultiColorConfig && theT->containsArticle(theArticle, false);
    });
}

LMUnconfiguredTemplateList LMTemplateRegistry::allBackgrounds(const LMArticle& theArticle) const
{
    LMContentFilterParameter aParameter = parameterFor(theArticle);
    aParameter.setMultiColorConfig(false, LMMultiColorConfig::anyMultiColorConfig());
    return getTemplates(LMTemplateFilterBackground(aParameter));
}

LMUnconfiguredTemplateList LMTemplateRegistry::allMultiColorBackgrounds(const LMArticle& theArticle) const
{
    LMContentFilterParameter aParameter
        = parameterFor(theArticle, categorizationOf(LMCategoryTypeEnum::Subcategory, LMThematicCategory::multiColor()));
    aParameter.setMultiColorConfig(false, LMMultiColorConfig::anyMultiColorConfig());
    return getTemplates(LMTemplateFilterBackground(aParameter));
}

LMUnconfiguredTemplateList LMTemplateRegistry::allFlatColorBackgrounds(const LMArticle& theArticle) const
{
    LMContentFilterParameter aParameter = parameterFor(
        theArticle, categorizationOf(LMCategoryTypeEnum::Subcategory, LMThematicCategory::colorsCategory()));
    aParameter.setMultiColorConfig(false, LMMultiColorConfig::anyMultiColorConfig());
    return getTemplates(LMTemplateFilterBackground(aParameter));
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findAllTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                     const LMThematicCategory& theCategory) const
{
    // A template group is a theme.
    const LMCategorization aCategorization = categorizationOf(LMCategoryTypeEnum::Theme, theCategory);
    LMUnconfiguredTemplateList aResult
        = getTemplates(LMTemplateFilterContent(parameterFor(theArticle, aCategorization)));

    LMTemplateFilterLayout aLayouts(LMContentFilterParameter(layoutConstraintsFor(theArticle), aCategorization));
    aLayouts.setJigStatus(LMJigStatus::fromInt(JIG_STATUS_LAYOUTS));
    aLayouts.setAllowCliparts(true);
    aResult.append(getTemplates(aLayouts));
    return aResult;
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findAllContentTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                            const LMCategorization& theCategorization) const
{
    const LMTemplateContextGroup aConstraints = LMTemplateContextGroup::fromArticle(theArticle, LMPageType());
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    LMUnconfiguredTemplateList aResult;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->categorization().containsAtLeastOneForEachType(theCategorization)
            && aTemplate->contextGroup().fulfillsConstraints(aConstraints, false, false))
            aResult.append(aTemplate);
    }
    return aResult;
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findExampleTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                         const LMThematicCategory& theCategory) const
{
    // Examples are offered under the standard theme besides the group's own.
    LMUnconfiguredTemplateList aFound = findAllTemplatesForTemplateGroup(theArticle, theCategory);
    aFound.append(findAllTemplatesForTemplateGroup(theArticle, LMThematicCategory::standardTheme()));
    QMap<LMThematicCategory, LMUnconfiguredTemplate> aByTheme;
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aFound)) {
        const LMThematicCategorySet aThemes = aTemplate->thematicCategories(LMCategoryTypeEnum::Theme);
        for (const LMThematicCategory& aTheme : aThemes) {
            if (!aByTheme.contains(aTheme))
                aByTheme.insert(aTheme, aTemplate);
        }
    }
    LMUnconfiguredTemplateList aResult;
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aByTheme))
        aResult.append(aTemplate);
    return aResult;
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findAllLayoutsForSubCategory(const LMArticle& theArticle,
                                                 const LMThematicCategory& theSubCategory) const
{
    return getTemplates(LMTemplateFilterLayout(LMContentFilterParameter(
        layoutConstraintsFor(theArticle), categorizationOf(LMCategoryTypeEnum::Subcategory, theSubCategory))));
}

bool LMTemplateRegistry::productHasJigType(const LMArticle& theArticle, const LMJigType& theJigType) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(theJigType);
    return std::any_of(aTemplates.cbegin(), aTemplates.cend(), [&theArticle](const LMUnconfiguredTemplate& theT) {
        return theT->containsArticle(theArticle, false);
    });
}
