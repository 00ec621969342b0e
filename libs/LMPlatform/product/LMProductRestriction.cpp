#include "LMProductRestriction.h"

namespace {
template <typename W> bool restrictionAllows(const W& theRestriction, const W& theValue)
{
    return !theRestriction.isValid() || theRestriction.intersects(theValue);
}

template <typename W> bool restrictionsOverlap(const W& theA, const W& theB)
{
    return !theA.isValid() || !theB.isValid() || theA.intersects(theB);
}
} // namespace

bool LMProductRestriction::isEmpty() const
{
    return !myOrientations.isValid() && !myArticleClasses.isValid() && !myCoverTypes.isValid()
        && !myPageBindings.isValid() && !myMinimumSize.isValid();
}

bool LMProductRestriction::accepts(const LMArticle& theArticle) const
{
    if (theArticle.isNull())
        return false;
    return restrictionAllows(myOrientations, theArticle.orientation())
        && restrictionAllows(myArticleClasses, theArticle.articleClass())
        && restrictionAllows(myCoverTypes, theArticle.coverType())
        && restrictionAllows(myPageBindings, theArticle.pageBinding())
        && (!theArticle.sizeClass().isValid() || theArticle.sizeClass().satisfies(myMinimumSize));
}

bool LMProductRestriction::overlaps(const LMProductRestriction& theOther) const
{
    return restrictionsOverlap(myOrientations, theOther.myOrientations)
        && restrictionsOverlap(myArticleClasses, theOther.myArticleClasses)
        && restrictionsOverlap(myCoverTypes, theOther.myCoverTypes)
        && restrictionsOverlap(myPageBindings, theOther.myPageBindings);
}
