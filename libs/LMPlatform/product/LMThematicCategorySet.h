#pragma once

#include "LMPlatformExport.h"
#include "LMSpotColor.h"
#include "LMThematicCategory.h"

#include <QList>
#include <QSet>
#include <QStringList>

// A set of thematic categories.
class LMPLATFORM_EXPORT LMThematicCategorySet : public QSet<LMThematicCategory>
{
public:
    LMThematicCategorySet() = default;
    LMThematicCategorySet(std::initializer_list<LMThematicCategory> theCategories)
        : QSet<LMThematicCategory>(theCategories)
    {
    }
    LMThematicCategorySet(const QSet<LMThematicCategory>& theSet) : QSet<LMThematicCategory>(theSet) { }

    // The categories of a comma-separated list of internal names; blanks around a name are
    // dropped, empty names skipped.
    static LMThematicCategorySet fromCSV(const QString& theText);
    // The categories of the valid spot colours.
    static LMThematicCategorySet fromSpotColors(const QList<LMSpotColor>& theSpotColors);
    // The standard themes of example layouts: the one theme "01", the standard design line.
    static LMThematicCategorySet createCategories01();

    // The categories ordered by internal name.
    QList<LMThematicCategory> sorted() const;
    QStringList internalNames() const;
    // The spot colours of the spot-colour categories, in the order of sorted().
    QList<LMSpotColor> spotColors() const;
    // True when every category is the favourites category or one of the allowed.
    bool containsOnlyFavouritesAnd(const LMThematicCategorySet& theAllowed) const;

    // An equal set that shares its storage with every equal set shared before: the templates of
    // a content tree repeat a few combinations of categories thousands of times, and a set of
    // one category costs a kilobyte. Sets handed out stay for the life of the process. Safe to
    // use from several threads.
    static LMThematicCategorySet shared(const LMThematicCategorySet& theSet);
};

inline size_t qHash(const LMThematicCategorySet& theSet, size_t theSeed = 0) noexcept
{
    return qHashRangeCommutative(theSet.cbegin(), theSet.cend(), theSeed);
}
