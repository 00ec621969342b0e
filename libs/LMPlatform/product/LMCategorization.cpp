#include "LMCategorization.h"

LMCategorization::LMCategorization(const LMCategoryType& theType, const LMThematicCategorySet& theCategories)
{
    insert(theType, theCategories);
}

bool LMCategorization::isEmpty() const
{
    return myCategories.isEmpty();
}

void LMCategorization::insert(const LMCategoryType& theType, const LMThematicCategory& theCategory)
{
    if (theCategory.isEmpty())
        return;
    for (const LMCategoryType& aType : theType.singleTypes())
        myCategories[aType.value()].insert(theCategory);
}

void LMCategorization::insert(const LMCategoryType& theType, const LMThematicCategorySet& theCategories)
{
    // Every template of a file usually carries the file's set: a type that has no categories yet
    // shares the set given (a set of few categories still takes a kilobyte of its own).
    const bool aHasEmpty = theCategories.contains(LMThematicCategory());
    for (const LMCategoryType& aType : theType.singleTypes()) {
        LMThematicCategorySet& aTarget = myCategories[aType.value()];
        if (aTarget.isEmpty() && !aHasEmpty) {
            aTarget = theCategories;
        } else {
            for (const LMThematicCategory& aCategory : theCategories)
                if (!aCategory.isEmpty())
                    aTarget.insert(aCategory);
        }
        if (aTarget.isEmpty())
            myCategories.remove(aType.value());
    }
}

void LMCategorization::setCategories(const LMCategoryType& theType, const LMThematicCategorySet& theCategories)
{
    for (const LMCategoryType& aType : theType.singleTypes())
        myCategories.remove(aType.value());
    insert(theType, theCategories);
}

LMThematicCategorySet LMCategorization::categories(const LMCategoryType& theType) const
{
    LMThematicCategorySet aSet;
    for (const LMCategoryType& aType : theType.singleTypes())
        aSet.unite(myCategories.value(aType.value()));
    return aSet;
}

LMThematicCategorySet LMCategorization::allCategories() const
{
    LMThematicCategorySet aSet;
    for (const LMThematicCategorySet& aCategories : myCategories)
        aSet.unite(aCategories);
    return aSet;
}

QList<LMCategoryType> LMCategorization::types() const
{
    QList<LMCategoryType> aTypes;
    for (auto anIt = myCategories.cbegin(); anIt != myCategories.cend(); ++anIt)
        aTypes.append(LMCategoryType(LMCategoryType::fromInt(anIt.key())));
    return aTypes;
}

bool LMCategorization::contains(const LMThematicCategory& theCategory) const
{
    for (const LMThematicCategorySet& aCategories : myCategories) {
        if (aCategories.contains(theCategory))
            return true;
    }
    return false;
}

bool LMCategorization::contains(const LMCategoryType& theType, const LMThematicCategory& theCategory) const
{
    return categories(theType).contains(theCategory);
}

bool LMCategorization::containsAtLeastOneForEachType(const LMCategorization& theWanted) const
{
    for (auto anIt = theWanted.myCategories.cbegin(); anIt != theWanted.myCategories.cend(); ++anIt) {
        if (!myCategories.value(anIt.key()).intersects(anIt.value()))
            return false;
    }
    return true;
}

void LMCategorization::unite(const LMCategorization& theOther)
{
    for (auto anIt = theOther.myCategories.cbegin(); anIt != theOther.myCategories.cend(); ++anIt)
        myCategories[anIt.key()].unite(anIt.value());
}

QList<LMSpotColor> LMCategorization::availableSpotColors() const
{
    return myCategories.value(qint32(LMCategoryTypeEnum::SpotColor)).spotColors();
}

size_t qHash(const LMCategorization& theCategorization, size_t theSeed) noexcept
{
    size_t aHash = theSeed;
    for (const LMCategoryType& aType : theCategorization.types())
        aHash = qHashMulti(aHash, aType.value(), qHash(theCategorization.categories(aType)));
    return aHash;
}
