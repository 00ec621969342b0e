#pragma once

#include "LMCategorization.h"
#include "LMDesignElementIDSet.h"
#include "LMJigKey.h"
#include "LMJigType.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

#include <QList>

class LMAbstractDecoration;
class LMContentFilterAbstract;
class LMJig;
class QMimeData;

// A list of decorations owned by the decoration registry, with the finds and filters of the
// views and the drag payload "application/kiv.clipartOrFading".
class LMTEMPLATES_EXPORT LMAbstractDecorationList : public QList<LMAbstractDecoration*>
{
public:
    LMAbstractDecorationList() = default;
    LMAbstractDecorationList(const QList<LMAbstractDecoration*>& theDecorations)
        : QList<LMAbstractDecoration*>(theDecorations)
    {
    }
    // The decorations of the registry named in the payload, in payload order; unknown names are
    // logged ("not found:") and skipped.
    explicit LMAbstractDecorationList(const QMimeData* theMimeData);
    virtual ~LMAbstractDecorationList();

    // First match wins; null when none.
    LMAbstractDecoration* find(const LMDesignElementID& theId) const;
    LMAbstractDecoration* find(const LMJigKey& theKey) const;
    // The name is compared with mimeData() for user elements, with uniqueName() for the rest.
    LMAbstractDecoration* find(const QString& theName) const;

    LMAbstractDecorationList filter(const LMJigType& theType) const;
    LMAbstractDecorationList filter(const LMThematicCategorySet& theCategories) const;
    LMAbstractDecorationList filter(const LMJigType& theType, const LMCategorization& theCategorization) const;
    // Decoration filters decide themselves; any other filter applies its categorisation check.
    LMAbstractDecorationList filter(const LMContentFilterAbstract* theFilter) const;
    // Favourites first, each part in its order.
    LMAbstractDecorationList sortFavouritesFirst() const;
    QList<LMJig*> toJigList() const;
    LMDesignElementIDSet collectAllDesignElementIds() const;
    LMThematicCategorySet unitedCategories() const;
    QList<LMJigKey> jigKeys() const;
    // Of the type and holding at least one category of each type the categorisation names.
    static bool acceptDecoration(const LMAbstractDecoration* theDecoration, const LMJigType& theType,
                                 const LMCategorization& theCategorization);

    // Appends the registry's decorations named in the payload, in payload order; unknown names
    // are skipped silently.
    void decode(const QMimeData* theMimeData);
    // Writes the payload naming these decorations.
    void encode(QMimeData* theMimeData) const;
    static QString mimeType();
    // The names of a payload, empty parts skipped.
    static QStringList namesOf(const QMimeData* theMimeData);
};
