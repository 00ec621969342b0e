#pragma once

#include "LMArticle.h"
#include "LMConfiguredTemplate.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

class LMTemplateContext;

// The templates a new page of a product starts with: its background, then either a design or a
// layout, as the product names them for the page.
class LMTEMPLATES_EXPORT LMDefaultTemplateDetector
{
public:
    explicit LMDefaultTemplateDetector(const LMArticle& theArticle) : myArticle(theArticle) { }

    const LMArticle& article() const { return myArticle; }

    // Each the template the article names for the page, with a default configuration; null when
    // it names none or the registry does not know it. The two numbers (the page and the page
    // count) go to the article unchanged.
    LMConfiguredTemplate defaultLayoutTemplateForPage(const LMTemplateContext& thePage, int thePageIndex,
                                                      int thePageCount) const;
    LMConfiguredTemplate defaultDesignTemplateForPage(const LMTemplateContext& thePage, int thePageIndex,
                                                      int thePageCount) const;
    // Covers and spines of linen and leather books take the background of the product variant.
    LMConfiguredTemplate defaultBackgroundTemplateForPage(const LMTemplateContext& thePage, int thePageIndex,
                                                          int thePageCount) const;
    // The background (when there is one), then the design, or else the layout; without either
    // the warning "there is no default layout for page" is logged.
    LMTemplateList defaultTemplatesForPage(const LMTemplateContext& thePage, int thePageIndex, int thePageCount) const;

    static LMConfiguredTemplate findTemplateByName(const QString& theName);
    static LMConfiguredTemplate findDefaultBackgroundByProductVariant(const LMArticle& theArticle);

private:
    LMArticle myArticle;
};
