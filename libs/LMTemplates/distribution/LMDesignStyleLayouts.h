#pragma once

#include "LMDesignElementID.h"
#include "LMDesignElementIDSet.h"
#include "LMPageType.h"
#include "LMTemplatesExport.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class QDomElement;

// What a design style gives one orientation of a page: the layout collections its layouts are
// drawn from and, per single page type, the name of a fixed layout. It is also half of the key
// under which the layout distributor registry keeps one distributor per article.
class LMTEMPLATES_EXPORT LMDesignStyleLayouts
{
public:
    LMDesignStyleLayouts() = default;
    // Reads a "layouts" element of a style file.
    explicit LMDesignStyleLayouts(const QDomElement& theElement);
    // One collection and one named layout, for styles built in memory.
    LMDesignStyleLayouts(const LMPageType& thePageType, const LMDesignElementID& theCollection,
                         const QString& theLayoutName);

    // At least one layout collection.
    bool isValid() const { return !myCollections.isEmpty(); }
    bool isNull() const { return myCollections.isEmpty() && myNamedLayouts.isEmpty(); }

    const QList<LMDesignElementID>& layoutCollections() const { return myCollections; }
    const QList<LMDesignElementID>& layoutCollectionIDs() const { return myCollections; }
    // The layout fixed for exactly this single page type; empty when none.
    QString layoutName(const LMPageType& thePageType) const { return myNamedLayouts.value(thePageType); }
    LMDesignElementIDSet requiredDesignElementIDs() const;

    // Appends a "layouts" element to the parent; a null value writes nothing.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    // Collections compare position by position: the same collections in another order differ.
    bool operator==(const LMDesignStyleLayouts& theOther) const = default;
    // The sum of the collection ids; the named layouts do not enter it.
    quint32 hashValue() const;

private:
    QList<LMDesignElementID> myCollections;
    QHash<LMPageType, QString> myNamedLayouts;
};

inline size_t qHash(const LMDesignStyleLayouts& theLayouts, size_t theSeed = 0) noexcept
{
    return qHash(theLayouts.hashValue(), theSeed);
}
