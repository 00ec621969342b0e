#pragma once

#include "LMDesignElementID.h"
#include "LMDesignElementIDSet.h"
#include "LMPageType.h"
#include "LMTemplatesExport.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class LMAreaDefinitionResult;
class LMConfiguredTemplate;
class LMFotoList;
class LMPageAlignment;
class LMTemplateAreaDefinitionList;
class LMTemplateContext;
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
    // Fixes the layout for every single page type of thePageType.
    void setLayoutName(const LMPageType& thePageType, const QString& theLayoutName);

    // ---- Building a page ----------------------------------------------------------------------
    // The layout named for the page type, looked up in the collections; null when none is named
    // or the registry has no layout of that name there.
    LMConfiguredTemplate findNamedLayout(const LMPageType& thePageType) const;
    // The named layout's areas with the photos in them; without it the warning "layout with name
    // '%1' in layout collections %2 not found." and an empty result.
    LMAreaDefinitionResult createDefinitionsForNamedPage(const LMPageType& thePageType,
                                                         const LMFotoList& theFotos) const;
    // The layout the distributor of the context's article and these layouts chooses for the
    // photos on a page of the alignment, its areas with the photos in the order the distributor
    // gives them; without one the warning "no layout found for %1 fotos. %2" and an empty result.
    LMAreaDefinitionResult createDefinitionsDynamically(const LMTemplateContext& theContext, const LMFotoList& theFotos,
                                                        const LMPageAlignment& theAlignment) const;
    // Puts the photos, in order, into the photo areas that hold none yet, in the distributor's
    // filling order (largest first), so that photos it ordered land where it meant them. A filled
    // area fills itself optimally and takes the automatic image correction unless the user
    // switched it off for the photo. Photos without an area are appended to theLeftOver.
    static void insertFotos(const LMFotoList& theFotos, LMTemplateAreaDefinitionList& theAreas,
                            LMFotoList* theLeftOver);

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
