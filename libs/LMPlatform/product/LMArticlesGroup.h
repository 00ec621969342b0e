#pragma once

#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMPlatformExport.h"
#include "LMProductRestriction.h"

#include <QList>

class QDomElement;

// The products a design element is made for: articles named explicitly and product restrictions
// that describe further articles by their properties. An empty group restricts nothing.
class LMPLATFORM_EXPORT LMArticlesGroup
{
public:
    LMArticlesGroup() = default;
    explicit LMArticlesGroup(const LMArticleList& theArticles);

    // True when the group names no article and no restriction: it stands for every product.
    bool isEmpty() const { return myArticles.isEmpty() && myRestrictions.isEmpty(); }
    // True when the group restricts anything (a filter was read into it).
    bool isValid() const { return !isEmpty(); }

    // The explicit articles, ordered by id and order name, each once.
    const LMArticleList& explicitArticles() const { return myArticles; }
    const QList<LMProductRestriction>& restrictions() const { return myRestrictions; }

    // Null articles are ignored; an article already in the group is not added again.
    void addArticle(const LMArticle& theArticle);
    void addArticles(const LMArticleList& theArticles);
    // Empty restrictions are ignored.
    void addRestriction(const LMProductRestriction& theRestriction);
    void unite(const LMArticlesGroup& theOther);
    // Adds, for every explicit article, the catalogue articles its "compatibleProducts" names: one
    // step along the directed relation (what a compatible product lists in turn is not followed).
    void expandProductsToCompatibles();

    // True when the article is named explicitly (LMArticle::matches) or accepted by a restriction.
    bool contains(const LMArticle& theArticle) const;
    bool containsExplicitly(const LMArticle& theArticle) const;
    // Whether the groups have a product in common. With theExplicitOnly, only the explicit articles
    // count: true when both name a matching article. Otherwise an empty group intersects every
    // group; else an explicit article of one must be contained in the other, or two restrictions
    // must overlap.
    bool intersects(const LMArticlesGroup& theOther, bool theExplicitOnly) const;

    // Appends the group as the rule elements of a version-2 template "filter" element, so that the
    // filter reader gives back an equal group: one "product" per explicit article (by order name;
    // "art_id" only for an article whose name a comma-separated list cannot carry), and the
    // restriction as "orientation", "type", "binding", "minimum_size" and "pageBinding". A filter
    // carries one restriction: further ones, and values without words, are left out with a warning.
    void toTemplates2Format(QDomElement& theFilterElement) const;

    friend bool operator==(const LMArticlesGroup& theA, const LMArticlesGroup& theB)
    {
        return theA.myArticles == theB.myArticles && theA.myRestrictions == theB.myRestrictions;
    }
    friend bool operator!=(const LMArticlesGroup& theA, const LMArticlesGroup& theB) { return !(theA == theB); }

private:
    LMArticleList myArticles;
    QList<LMProductRestriction> myRestrictions;
};

LMPLATFORM_EXPORT size_t qHash(const LMArticlesGroup& theGroup, size_t theSeed = 0) noexcept;
