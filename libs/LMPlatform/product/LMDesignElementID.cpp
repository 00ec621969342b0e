#include "LMDesignElementID.h"

#include "LMXMLElement.h"

#include <QDomElement>
#include <QJsonObject>
#include <QJsonValue>

#include <limits>

namespace {
const QString STR_DESIGN_ELEMENT_ID = QStringLiteral("designElementId");
} // namespace

QString LMDesignElementID::defaultAttributeName()
{
    return STR_DESIGN_ELEMENT_ID;
}

QString LMDesignElementID::jsonKey()
{
    return STR_DESIGN_ELEMENT_ID;
}

LMDesignElementID LMDesignElementID::fromString(const QString& theText)
{
    bool anOk = false;
    const qint32 anId = theText.trimmed().toInt(&anOk);
    return anOk ? LMDesignElementID(anId) : LMDesignElementID();
}

LMDesignElementID LMDesignElementID::fromXmlAttribute(const QDomElement& theElement, const QString& theName)
{
    if (theElement.isNull() || !theElement.hasAttribute(theName))
        return LMDesignElementID();
    return fromString(theElement.attribute(theName));
}

LMDesignElementID LMDesignElementID::fromXmlAttribute(const LMXMLElement& theElement, const QString& theName)
{
    const std::optional<QStringView> aValue = theElement.findAttribute(theName);
    return aValue ? fromString(aValue->toString()) : LMDesignElementID();
}

void LMDesignElementID::toXML(QDomElement& theElement, const QString& theName) const
{
    if (isValid())
        theElement.setAttribute(theName, toString());
}

LMDesignElementID LMDesignElementID::fromJson(const QJsonObject& theObject)
{
    const QJsonValue aValue = theObject.value(STR_DESIGN_ELEMENT_ID);
    if (aValue.isString())
        return fromString(aValue.toString());
    if (!aValue.isDouble())
        return LMDesignElementID();
    // A number that is not a whole 32-bit integer names no element.
    const double aNumber = aValue.toDouble();
    if (aNumber < 1 || aNumber > std::numeric_limits<qint32>::max() || aNumber != qint64(aNumber))
        return LMDesignElementID();
    return LMDesignElementID(qint32(aNumber));
}

void LMDesignElementID::toJSON(QJsonObject& theObject) const
{
    if (isValid())
        theObject.insert(STR_DESIGN_ELEMENT_ID, myId);
}

QDebug operator<<(QDebug theDebug, const LMDesignElementID& theId)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMDesignElementID(" << theId.id() << ')';
    return theDebug;
}
