#include "LMArticleFilter.h"

#include <cmath>

LMArticleList LMArticleFilter::filterByArticleSize(const LMArticleList& theArticles, const QSizeF& theSize,
                                                   const LMPageType& thePageType)
{
    LMArticleList aResult;
    if (theSize.isEmpty())
        return aResult;
    // Sizes come from JSON numbers and file attributes: compare with a small tolerance.
    constexpr double aTolerance = 0.1;
    for (const LMArticle& anArticle : theArticles) {
        const QSizeF aSize = anArticle.usableSize(thePageType);
        if (std::abs(aSize.width() - theSize.width()) <= aTolerance
            && std::abs(aSize.height() - theSize.height()) <= aTolerance)
            aResult.append(anArticle);
    }
    return aResult;
}
