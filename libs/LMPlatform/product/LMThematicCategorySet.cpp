#include "LMThematicCategorySet.h"

#include <QMutex>

#include <algorithm>

LMThematicCategorySet LMThematicCategorySet::fromCSV(const QString& theText)
{
    LMThematicCategorySet aSet;
    for (const QString& aPiece : theText.split(QLatin1Char(','))) {
        const QString aName = aPiece.trimmed();
        if (!aName.isEmpty())
            aSet.insert(LMThematicCategory(aName));
    }
    return aSet;
}

LMThematicCategorySet LMThematicCategorySet::createCategories01()
{
    return LMThematicCategorySet { LMThematicCategory::standardTheme() };
}

LMThematicCategorySet LMThematicCategorySet::fromSpotColors(const QList<LMSpotColor>& theSpotColors)
{
    LMThematicCategorySet aSet;
    for (const LMSpotColor& aSpotColor : theSpotColors) {
        const LMThematicCategory aCategory = LMThematicCategory::fromSpotColor(aSpotColor);
        if (!aCategory.isEmpty())
            aSet.insert(aCategory);
    }
    return aSet;
}

QList<LMThematicCategory> LMThematicCategorySet::sorted() const
{
    QList<LMThematicCategory> aList(cbegin(), cend());
    std::sort(aList.begin(), aList.end());
    return aList;
}

QStringList LMThematicCategorySet::internalNames() const
{
    QStringList aNames;
    for (const LMThematicCategory& aCategory : sorted())
        aNames.append(aCategory.internalName());
    return aNames;
}

QList<LMSpotColor> LMThematicCategorySet::spotColors() const
{
    QList<LMSpotColor> aList;
    for (const LMThematicCategory& aCategory : sorted()) {
        if (aCategory.isSpotColorCategory() && aCategory.spotColor().isValid())
            aList.append(aCategory.spotColor());
    }
    return aList;
}

bool LMThematicCategorySet::containsOnlyFavouritesAnd(const LMThematicCategorySet& theAllowed) const
{
    const LMThematicCategory aFavourites = LMThematicCategory::favourites();
    return std::all_of(cbegin(), cend(), [&](const LMThematicCategory& theCategory) {
        return theCategory == aFavourites || theAllowed.contains(theCategory);
    });
}

LMThematicCategorySet LMThematicCategorySet::shared(const LMThematicCategorySet& theSet)
{
    // An empty set holds no storage.
    if (theSet.isEmpty())
        return theSet;
    static QMutex ourMutex;
    static QSet<LMThematicCategorySet> ourSets;
    const QMutexLocker aLocker(&ourMutex);
    const auto aKnown = ourSets.constFind(theSet);
    if (aKnown != ourSets.cend())
        return *aKnown;
    ourSets.insert(theSet);
    return theSet;
}
