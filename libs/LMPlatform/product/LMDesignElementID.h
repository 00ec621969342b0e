#pragma once

#include "LMPlatformExport.h"

#include <QDebug>
#include <QHashFunctions>
#include <QString>

class LMXMLElement;
class QDomElement;
class QJsonObject;

// The integer identity of a design element as the content server assigns it. Ids below 1 are
// invalid and stand for "no element".
class LMPLATFORM_EXPORT LMDesignElementID
{
public:
    LMDesignElementID() = default;
    explicit LMDesignElementID(qint32 theId) : myId(theId) { }

    qint32 id() const { return myId; }
    bool isValid() const { return myId > 0; }
    // The decimal id.
    QString toString() const { return QString::number(myId); }

    // The id of a decimal text; invalid when the text is no whole number.
    static LMDesignElementID fromString(const QString& theText);

    // The id in the attribute of an XML element; invalid when it is absent or no number.
    static LMDesignElementID fromXmlAttribute(const QDomElement& theElement,
                                              const QString& theName = defaultAttributeName());
    static LMDesignElementID fromXmlAttribute(const LMXMLElement& theElement,
                                              const QString& theName = defaultAttributeName());
    // Sets the attribute when the id is valid; an invalid id writes nothing.
    void toXML(QDomElement& theElement, const QString& theName = defaultAttributeName()) const;

    // The id under the key "designElementId" of a JSON object (a number or a decimal text).
    static LMDesignElementID fromJson(const QJsonObject& theObject);
    // Writes the id as a number under "designElementId" when it is valid; otherwise leaves the
    // object as it is.
    void toJSON(QJsonObject& theObject) const;

    bool isTheWhiteBackground() const { return myId == WHITE_BACKGROUND; }
    bool isTheBlackBackground() const { return myId == BLACK_BACKGROUND; }

    static QString defaultAttributeName();
    static QString jsonKey();

    friend bool operator==(const LMDesignElementID& theA, const LMDesignElementID& theB)
    {
        return theA.myId == theB.myId;
    }
    friend bool operator!=(const LMDesignElementID& theA, const LMDesignElementID& theB)
    {
        return theA.myId != theB.myId;
    }
    friend bool operator<(const LMDesignElementID& theA, const LMDesignElementID& theB)
    {
        return theA.myId < theB.myId;
    }

    static constexpr qint32 WHITE_BACKGROUND = 201;
    static constexpr qint32 BLACK_BACKGROUND = 212;

private:
    qint32 myId = 0;
};

inline size_t qHash(const LMDesignElementID& theId, size_t theSeed = 0) noexcept
{
    return qHash(theId.id(), theSeed);
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMDesignElementID& theId);

Q_DECLARE_TYPEINFO(LMDesignElementID, Q_PRIMITIVE_TYPE);
