#pragma once

#include "LMPlatformExport.h"
#include "LMSpotColor.h"

#include <QDebug>
#include <QHashFunctions>
#include <QString>

// A category under which design elements are offered (a theme, a subcategory, a marker such as
// the user's own layouts), known by its internal name. Categories derived from a spot colour are
// marked by a prefix of their name, so that writers can tell them apart.
class LMPLATFORM_EXPORT LMThematicCategory
{
public:
    LMThematicCategory() = default;
    explicit LMThematicCategory(const QString& theInternalName) : myInternalName(theInternalName) { }

    const QString& internalName() const { return myInternalName; }
    // The German word of a well-known category or spot colour; the internal name otherwise.
    QString visibleName() const;
    bool isEmpty() const { return myInternalName.isEmpty(); }
    size_t hashValue() const { return qHash(myInternalName); }

    bool isSpotColorCategory() const;
    // The spot colour of a spot-colour category; none for any other category.
    LMSpotColor spotColor() const;

    // The category of a spot colour; empty for an invalid spot colour.
    static LMThematicCategory fromSpotColor(const LMSpotColor& theSpotColor);

    // Well-known categories.
    static LMThematicCategory categoryAll();
    static LMThematicCategory favourites();
    static LMThematicCategory userLayouts();
    static LMThematicCategory userCliparts();
    static LMThematicCategory userMask();
    static LMThematicCategory userMaskFrames();
    static LMThematicCategory userBookStyles();
    static LMThematicCategory frames();
    static LMThematicCategory passpartouts();
    static LMThematicCategory multiColor();
    static LMThematicCategory colorsCategory();
    static LMThematicCategory matchingToFlyleaf();
    // The theme of the standard design line, under which example layouts are offered.
    static LMThematicCategory standardTheme();
    // Pseudo category of filters: among the wanted categories of a type it turns that type's check
    // around (the element must hold none of the type's other wanted categories).
    static LMThematicCategory invertedCategory();
    // Marks elements made only for style V2 designs: filters offer them only when they ask for
    // this category.
    static LMThematicCategory styleV2Only();

    // Prefix of the internal names of spot-colour categories.
    static QString spotColorPrefix();

    friend bool operator==(const LMThematicCategory& theA, const LMThematicCategory& theB)
    {
        return theA.myInternalName == theB.myInternalName;
    }
    friend bool operator!=(const LMThematicCategory& theA, const LMThematicCategory& theB) { return !(theA == theB); }
    friend bool operator<(const LMThematicCategory& theA, const LMThematicCategory& theB)
    {
        return theA.myInternalName < theB.myInternalName;
    }

private:
    QString myInternalName;
};

inline size_t qHash(const LMThematicCategory& theCategory, size_t theSeed = 0) noexcept
{
    return qHash(theCategory.internalName(), theSeed);
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMThematicCategory& theCategory);
