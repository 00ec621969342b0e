#include "LMArticleList.h"

#include <algorithm>

LMArticleList LMArticleList::buildFromCSVOrderTxtNames(const QString& theText)
{
    LMArticleList aList;
    for (const QString& aPiece : theText.split(QLatin1Char(','))) {
        const QString aName = aPiece.trimmed();
        if (!aName.isEmpty())
            aList.append(LMArticle::fromOrderTxtName(aName));
    }
    return aList;
}

bool LMArticleList::containsArticleClass(const LMArticleClass& theClasses) const
{
    return std::any_of(cbegin(), cend(),
                       [&](const LMArticle& theArticle) { return theArticle.hasArticleClass(theClasses); });
}

bool LMArticleList::containsMatching(const LMArticle& theArticle) const
{
    return std::any_of(cbegin(), cend(), [&](const LMArticle& theOwn) { return theOwn.matches(theArticle); });
}

QStringList LMArticleList::orderTxtNames() const
{
    QStringList aNames;
    for (const LMArticle& anArticle : *this)
        aNames.append(anArticle.orderTxtName());
    return aNames;
}
