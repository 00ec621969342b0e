#pragma once

#include "LMPlatformExport.h"

#include <QHashFunctions>
#include <QString>

class LMXMLElement;
class QDebug;
class QDomElement;

// The identifier that ties areas of a template together: a map and its caption, the photos of a
// smart layout, texts that share their content. Empty when the area is tied to nothing.
class LMPLATFORM_EXPORT LMAreaAssociationId
{
public:
    LMAreaAssociationId() = default;
    explicit LMAreaAssociationId(const QString& theId) : myId(theId.trimmed()) { }

    const QString& id() const { return myId; }
    bool isEmpty() const { return myId.isEmpty(); }

    // The attribute "associationId" of the element; empty without one.
    static LMAreaAssociationId fromXml(const LMXMLElement& theElement);
    // Writes the attribute unless the id is empty.
    void buildXML(QDomElement& theElement) const;

    friend bool operator==(const LMAreaAssociationId& theA, const LMAreaAssociationId& theB)
    {
        return theA.myId == theB.myId;
    }
    friend bool operator<(const LMAreaAssociationId& theA, const LMAreaAssociationId& theB)
    {
        return theA.myId < theB.myId;
    }

private:
    QString myId;
};

inline size_t qHash(const LMAreaAssociationId& theId, size_t theSeed = 0) noexcept
{
    return qHash(theId.id(), theSeed);
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaAssociationId& theId);
