#include "LMArticlesGroup.h"

#include <algorithm>

LMArticlesGroup::LMArticlesGroup(const LMArticleList& theArticles)
{
    addArticles(theArticles);
}

void LMArticlesGroup::addArticle(const LMArticle& theArticle)
{
    if (theArticle.isNull())
        return;
    const auto aPosition = std::lower_bound(myArticles.begin(), myArticles.end(), theArticle);
    if (aPosition == myArticles.end() || *aPosition != theArticle)
        myArticles.insert(aPosition, theArticle);
}

void LMArticlesGroup::addArticles(const LMArticleList& theArticles)
{
    for (const LMArticle& anArticle : theArticles)
        addArticle(anArticle);
}

void LMArticlesGroup::addRestriction(const LMProductRestriction& theRestriction)
{
    if (!theRestriction.isEmpty() && !myRestrictions.contains(theRestriction))
        myRestrictions.append(theRestriction);
}

void LMArticlesGroup::unite(const LMArticlesGroup& theOther)
{
    addArticles(theOther.myArticles);
    for (const LMProductRestriction& aRestriction : theOther.myRestrictions)
        addRestriction(aRestriction);
}

void LMArticlesGroup::expandProductsToCompatibles()
{
    // Collected first: adding while walking would also follow the products just added.
    LMArticleList aCompatibles;
    for (const LMArticle& anArticle : std::as_const(myArticles)) {
        for (const qint32 anId : anArticle.compatibleProductIds())
            aCompatibles.append(LMArticle::fromId(anId));
    }
    addArticles(aCompatibles);
}

bool LMArticlesGroup::containsExplicitly(const LMArticle& theArticle) const
{
    return myArticles.containsMatching(theArticle);
}

bool LMArticlesGroup::contains(const LMArticle& theArticle) const
{
    if (containsExplicitly(theArticle))
        return true;
    return std::any_of(myRestrictions.cbegin(), myRestrictions.cend(),
                       [&](const LMProductRestriction& theRestriction) { return theRestriction.accepts(theArticle); });
}

bool LMArticlesGroup::intersects(const LMArticlesGroup& theOther, bool theExplicitOnly) const
{
    if (theExplicitOnly) {
        return std::any_of(theOther.myArticles.cbegin(), theOther.myArticles.cend(),
                           [this](const LMArticle& theArticle) { return containsExplicitly(theArticle); });
    }
    if (isEmpty() || theOther.isEmpty())
        return true;
    for (const LMArticle& anArticle : theOther.myArticles) {
        if (contains(anArticle))
            return true;
    }
    for (const LMArticle& anArticle : myArticles) {
        if (theOther.contains(anArticle))
            return true;
    }
    for (const LMProductRestriction& aRestriction : myRestrictions) {
        for (const LMProductRestriction& anOther : theOther.myRestrictions) {
            if (aRestriction.overlaps(anOther))
                return true;
        }
    }
    return false;
}

size_t qHash(const LMArticlesGroup& theGroup, size_t theSeed) noexcept
{
    const size_t anArticles = qHashRange(theGroup.explicitArticles().cbegin(), theGroup.explicitArticles().cend());
    const size_t aRestrictions
        = qHashRangeCommutative(theGroup.restrictions().cbegin(), theGroup.restrictions().cend());
    return qHashMulti(theSeed, anArticles, aRestrictions);
}
