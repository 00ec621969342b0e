#pragma once

#include "LMDesignStyle.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

#include <QList>
#include <QStringList>

class LMDesignStyleFilter;
class QMimeData;

// An ordered list of design styles, as the registry and the editor's lists hold them: filtered for
// a product, favourites first, the categories they fall in, and carried by drag and drop as the
// design element ids of its styles.
class LMTEMPLATES_EXPORT LMDesignStyleList : public QList<LMDesignStyle>
{
public:
    LMDesignStyleList() = default;
    LMDesignStyleList(const QList<LMDesignStyle>& theStyles) : QList<LMDesignStyle>(theStyles) { }
    explicit LMDesignStyleList(const LMDesignStyle& theStyle) { append(theStyle); }
    // The registered styles of the ids in the payload, in order; ids the registry does not know
    // are left out. Empty for data of another type.
    explicit LMDesignStyleList(const QMimeData* theMimeData);

    // "application/kiv.designstyleV2".
    static QString mimeType();
    // The ids of the styles, in order, as 32-bit numbers of a data stream; the caller owns it.
    QMimeData* toMimeData() const;
    static bool containsStyle(const QMimeData* theMimeData);
    // The first style the data names that the registry knows; a null style when none.
    static LMDesignStyle firstStyleIn(const QMimeData* theMimeData);

    // The ids' texts, in order.
    QStringList designStyleIds() const;
    // The styles the filter accepts, in order.
    LMDesignStyleList filter(const LMDesignStyleFilter* theFilter) const;
    // Whether the filter takes the style into a list.
    static bool acceptDesignStyle(const LMDesignStyle& theStyle, const LMDesignStyleFilter* theFilter);
    // Favourites first; both groups keep their order.
    void sortFavouritesFirst();
    // The thematic categories of the styles that are no basic designs.
    LMThematicCategorySet categories() const;
};
