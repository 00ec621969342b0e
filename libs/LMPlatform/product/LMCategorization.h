#pragma once

#include "LMCategoryType.h"
#include "LMPlatformExport.h"
#include "LMSpotColor.h"
#include "LMThematicCategorySet.h"

#include <QList>
#include <QMap>

// The categories of a design element, grouped by category type: under which subcategories,
// themes, spot colours ... it is offered.
class LMPLATFORM_EXPORT LMCategorization
{
public:
    LMCategorization() = default;
    LMCategorization(const LMCategoryType& theType, const LMThematicCategorySet& theCategories);

    bool isEmpty() const;
    // Adds the category under every single type of theType; empty categories are ignored.
    void insert(const LMCategoryType& theType, const LMThematicCategory& theCategory);
    void insert(const LMCategoryType& theType, const LMThematicCategorySet& theCategories);
    // Replaces the categories of every single type of theType.
    void setCategories(const LMCategoryType& theType, const LMThematicCategorySet& theCategories);
    // The union of the categories of every single type of theType.
    LMThematicCategorySet categories(const LMCategoryType& theType) const;
    // Every category of every type.
    LMThematicCategorySet allCategories() const;
    // The types that hold at least one category.
    QList<LMCategoryType> types() const;

    bool contains(const LMThematicCategory& theCategory) const;
    bool contains(const LMCategoryType& theType, const LMThematicCategory& theCategory) const;
    // True when, for every type the wanted categorisation names, this one holds at least one of
    // that type's categories. An empty wanted categorisation is met by everything.
    bool containsAtLeastOneForEachType(const LMCategorization& theWanted) const;

    void unite(const LMCategorization& theOther);
    // The spot colours of the spot-colour categories (type spot colour).
    QList<LMSpotColor> availableSpotColors() const;

    friend bool operator==(const LMCategorization& theA, const LMCategorization& theB)
    {
        return theA.myCategories == theB.myCategories;
    }
    friend bool operator!=(const LMCategorization& theA, const LMCategorization& theB) { return !(theA == theB); }

private:
    // Keyed by single type bits; no empty sets are kept.
    QMap<qint32, LMThematicCategorySet> myCategories;
};

LMPLATFORM_EXPORT size_t qHash(const LMCategorization& theCategorization, size_t theSeed = 0) noexcept;
