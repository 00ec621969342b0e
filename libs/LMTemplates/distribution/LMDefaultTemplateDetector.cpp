#include "LMDefaultTemplateDetector.h"

#include "LMCoverType.h"
#include "LMPageType.h"
#include "LMTemplateContext.h"
#include "LMTemplateRegistry.h"
#include "LMTemplatesLogging.h"

namespace {
// Linen and leather covers.
constexpr qint32 FABRIC_COVERS = 12;
// Spine, front and back cover.
constexpr qint32 COVER_PAGES = 0x301;
} // namespace

LMConfiguredTemplate LMDefaultTemplateDetector::findTemplateByName(const QString& theName)
{
    if (theName.isEmpty())
        return LMConfiguredTemplate();
    return LMConfiguredTemplate(LMTemplateRegistry::instance()->findTemplateByName(theName));
}

LMConfiguredTemplate LMDefaultTemplateDetector::findDefaultBackgroundByProductVariant(const LMArticle& theArticle)
{
    return LMConfiguredTemplate(LMTemplateRegistry::instance()->findDefaultBackgroundByProductVariant(theArticle));
}

LMConfiguredTemplate LMDefaultTemplateDetector::defaultLayoutTemplateForPage(const LMTemplateContext& thePage,
                                                                             int thePageIndex, int thePageCount) const
{
    return findTemplateByName(
        myArticle.defaultTemplateForPage(LMArticle::DefaultLayout, thePage.pageType(), thePageIndex, thePageCount));
}

LMConfiguredTemplate LMDefaultTemplateDetector::defaultDesignTemplateForPage(const LMTemplateContext& thePage,
                                                                             int thePageIndex, int thePageCount) const
{
    return findTemplateByName(
        myArticle.defaultTemplateForPage(LMArticle::DefaultDesign, thePage.pageType(), thePageIndex, thePageCount));
}

LMConfiguredTemplate LMDefaultTemplateDetector::defaultBackgroundTemplateForPage(const LMTemplateContext& thePage,
                                                                                 int thePageIndex,
                                                                                 int thePageCount) const
{
    if ((myArticle.coverType().value() & FABRIC_COVERS) != 0 && (thePage.pageType().value() & COVER_PAGES) != 0) {
        const LMConfiguredTemplate aVariant = findDefaultBackgroundByProductVariant(myArticle);
        if (aVariant.isValid())
            return aVariant;
    }
    return findTemplateByName(
        myArticle.defaultTemplateForPage(LMArticle::DefaultBackground, thePage.pageType(), thePageIndex, thePageCount));
}

LMTemplateList LMDefaultTemplateDetector::defaultTemplatesForPage(const LMTemplateContext& thePage, int thePageIndex,
                                                                  int thePageCount) const
{
    LMTemplateList aTemplates;
    const LMConfiguredTemplate aBackground = defaultBackgroundTemplateForPage(thePage, thePageIndex, thePageCount);
    if (aBackground.isValid())
        aTemplates.append(aBackground);
    const LMConfiguredTemplate aDesign = defaultDesignTemplateForPage(thePage, thePageIndex, thePageCount);
    if (aDesign.isValid()) {
        aTemplates.append(aDesign);
        return aTemplates;
    }
    const LMConfiguredTemplate aLayout = defaultLayoutTemplateForPage(thePage, thePageIndex, thePageCount);
    if (aLayout.isValid())
        aTemplates.append(aLayout);
    else
        qCWarning(lcDistribution).noquote() << "there is no default layout for page" << thePage.pageType().encodeCSV();
    return aTemplates;
}
