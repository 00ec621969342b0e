#pragma once

#include "LMArticle.h"
#include "LMArticleClass.h"
#include "LMArticleList.h"
#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCoverType.h"
#include "LMPageBinding.h"
#include "LMPageConstraint.h"
#include "LMPageType.h"
#include "LMSpaceMagnitude.h"
#include "LMSpotColor.h"
#include "LMTemplatesExport.h"

#include <QSharedDataPointer>

class LMTemplateContextGroupImpl;

// The product constraints of a design element (which articles, pages, variants, covers and
// bindings it is made for) and, built from an article, the situation of a product to match them
// against.
//
// fulfillsConstraints(theOther, theExplicitOnly, theIgnoreVariants) asks whether this group (the
// element's constraints) admits the situation theOther describes. All three checks must hold:
//   1. Page: the page constraints match: either side names no page type, or they share one.
//   2. Variants (skipped with theIgnoreVariants): either side names no variant, or this group's
//      variants contain at least one of the other's.
//   3. Articles: with theExplicitOnly, this group must name one of the other's explicit articles
//      explicitly (an element without explicit articles fails). Otherwise an empty articles group
//      on either side passes; else an explicit article of one group must lie in the other (named
//      there or accepted by one of its product restrictions), or two restrictions must overlap.
// Allowed cover types, page bindings, product classes and spot colours are not part of it: the
// filters check them on their own.
class LMTEMPLATES_EXPORT LMTemplateContextGroup
{
public:
    LMTemplateContextGroup();
    LMTemplateContextGroup(const LMTemplateContextGroup& theOther);
    LMTemplateContextGroup(LMTemplateContextGroup&& theOther) noexcept;
    LMTemplateContextGroup& operator=(const LMTemplateContextGroup& theOther);
    LMTemplateContextGroup& operator=(LMTemplateContextGroup&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMTemplateContextGroup();
    void swap(LMTemplateContextGroup& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // The situation of one product on one kind of page: the article as the only explicit article,
    // the page type, the chosen variants, and the article's cover type, binding and class.
    static LMTemplateContextGroup fromArticle(const LMArticle& theArticle, const LMPageType& thePageType,
                                              const LMArticleVariants& theVariants = LMArticleVariants());

    bool isEmpty() const;

    LMArticlesGroup articleGroup() const;
    void setArticleGroup(const LMArticlesGroup& theGroup);
    LMArticleList explicitArticles() const;
    // The first explicit article; the null article when there is none.
    LMArticle defaultArticle() const;
    LMPageConstraint pageConstraint() const;
    void setPageConstraint(const LMPageConstraint& theConstraint);
    LMArticleVariants articleVariants() const;
    void setArticleVariants(const LMArticleVariants& theVariants);
    LMCoverType allowedCoverTypes() const;
    void setAllowedCoverTypes(const LMCoverType& theCoverTypes);
    LMPageBinding allowedPageBinding() const;
    void setAllowedPageBinding(const LMPageBinding& theBindings);
    LMArticleClass productClasses() const;
    void setProductClasses(const LMArticleClass& theClasses);
    // The spot colours the product or element can carry.
    LMSpotColor spotColorCapability() const;
    void setSpotColorCapability(const LMSpotColor& theSpotColors);
    // The smallest product class on which the element's photos are still large enough.
    LMSpaceMagnitude minimumProductSize() const;
    // Without theReplace, a size already set (named by the content) is kept.
    void setMinimumProductSize(const LMSpaceMagnitude& theSize, bool theReplace);

    // True when the article is one of the explicit articles (equality).
    bool supportsArticle(const LMArticle& theArticle) const;
    // True when the page constraint includes a page type on which the user places content.
    bool isUsablePageType() const;
    bool isPageType(const LMPageType& thePageType) const;
    bool sharesPageType(const LMPageType& thePageType) const;

    // The three checks of the class comment, one by one.
    bool pageConstraintFulfilled(const LMTemplateContextGroup& theOther) const;
    bool variantsFulfilled(const LMTemplateContextGroup& theOther) const;
    bool articlesFulfilled(const LMTemplateContextGroup& theOther, bool theExplicitOnly) const;
    bool fulfillsConstraints(const LMTemplateContextGroup& theOther, bool theExplicitOnly,
                             bool theIgnoreVariants) const;
    // "Article Okay: {%1}, Page Okay: {%2} Variant Okay: {%3}" with the three results (articles
    // not explicit only), for diagnostics.
    QString describeDifference(const LMTemplateContextGroup& theOther) const;

    // The page types on which the user places content.
    static constexpr qint32 USABLE_PAGE_TYPES = 7144302;

    friend LMTEMPLATES_EXPORT bool operator==(const LMTemplateContextGroup& theA, const LMTemplateContextGroup& theB);
    friend bool operator!=(const LMTemplateContextGroup& theA, const LMTemplateContextGroup& theB)
    {
        return !(theA == theB);
    }

private:
    QSharedDataPointer<LMTemplateContextGroupImpl> myImpl;
};

Q_DECLARE_SHARED(LMTemplateContextGroup)
