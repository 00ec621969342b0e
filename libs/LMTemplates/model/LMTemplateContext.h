#pragma once

#include "LMArticle.h"
#include "LMArticleVariants.h"
#include "LMOrientation.h"
#include "LMPageSizeSpec.h"
#include "LMPageType.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplatesExport.h"

#include <QDebug>
#include <QHashFunctions>

class LMArticleClass;
class LMPageAlignment;
class LMPriceClassSet;

// The product situation a template is asked for: an article, a kind of page and the article
// variants chosen. Its queries answer from the article's catalogue data for that page.
class LMTEMPLATES_EXPORT LMTemplateContext
{
public:
    LMTemplateContext() = default;
    LMTemplateContext(const LMArticle& theArticle, const LMPageType& thePageType,
                      const LMArticleVariants& theVariants = LMArticleVariants());

    const LMArticle& article() const { return myArticle; }
    const LMPageType& pageType() const { return myPageType; }
    const LMArticleVariants& productVariant() const { return myVariants; }

    // Valid when article and page type are.
    bool isValid() const { return myArticle.isValid() && myPageType.isValid(); }

    bool hasArticleClass(const LMArticleClass& theClasses) const { return myArticle.hasArticleClass(theClasses); }
    bool hasGlassesAddOn(const LMPriceClassSet& thePriceClasses) const;
    bool hasPassepartoutAddOn(const LMPriceClassSet& thePriceClasses) const;
    double widthByHeight() const { return myArticle.widthByHeight(); }
    bool fullBackgroundOnEachPage() const { return myArticle.fullBackgroundOnEachPage(); }
    bool hasHorizontalPages() const { return myArticle.hasHorizontalPages(); }
    LMOrientation orientation() const { return myArticle.orientation(); }

    // The article's page sizes for this page type and the alignment.
    LMPageSizeSpec pageSizeSpecs(const LMPageAlignment& theAlignment) const;
    // The article's usable print size for this page type.
    QSizeF usableSize() const;
    // The top-left bleed of the page sizes of a left page (alignment 1).
    QPointF topLeftBleedOffset() const;
    // The article offers a spot colour, the page is none of the kinds that never carry one (the
    // page types of 0xF03E1: spine, covers, flyleaves, slipcase and calendar pages) and the
    // article is of class 8.
    bool canUseSpotColor() const;

    // The constraints of this situation, to match design elements against.
    LMTemplateContextGroup contextGroup() const;

    // Equal when the articles match (LMArticle::matches) and the page types are equal.
    friend LMTEMPLATES_EXPORT bool operator==(const LMTemplateContext& theA, const LMTemplateContext& theB);
    friend bool operator!=(const LMTemplateContext& theA, const LMTemplateContext& theB) { return !(theA == theB); }
    // By article when the articles do not match, else by page type value.
    friend LMTEMPLATES_EXPORT bool operator<(const LMTemplateContext& theA, const LMTemplateContext& theB);

private:
    LMArticle myArticle;
    LMPageType myPageType;
    LMArticleVariants myVariants;
};

// Consistent with ==: articles that match share their order name up to case.
LMTEMPLATES_EXPORT size_t qHash(const LMTemplateContext& theContext, size_t theSeed = 0) noexcept;
LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateContext& theContext);
