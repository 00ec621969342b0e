#include "LMCornersConfiguration.h"

#include "LMMirrorRule.h"
#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

namespace {
const QString STR_CORNERS = QStringLiteral("corners");
const QString STR_CORNER = QStringLiteral("corner");
const QString STR_ENABLED = QStringLiteral("enabled");
const QString STR_POSITION = QStringLiteral("position");
const QString STR_SHAPE = QStringLiteral("shape");
const QString STR_LENGTH = QStringLiteral("length");

constexpr qint32 SINGLE_CORNERS[] = { 1, 2, 4, 8 };
} // namespace

void LMCornersConfiguration::setCorner(const LMCorner& theCorners, const LMCornerShape& theShape,
                                       const LMDistance& theLength)
{
    if (!theCorners.isValid() || !theShape.isValid() || theLength.isNull())
        return;
    for (const qint32 aBit : SINGLE_CORNERS) {
        if (theCorners.value() & aBit)
            myCorners.insert(aBit, Corner { theShape, theLength });
    }
    myEnabled = true;
}

bool LMCornersConfiguration::hasCorner(const LMCorner& theCorner) const
{
    return myCorners.contains(theCorner.value());
}

LMCornersConfiguration::Corner LMCornersConfiguration::corner(const LMCorner& theCorner) const
{
    return myCorners.value(theCorner.value());
}

QList<LMCorner> LMCornersConfiguration::corners() const
{
    QList<LMCorner> aCorners;
    for (auto anIt = myCorners.cbegin(); anIt != myCorners.cend(); ++anIt)
        aCorners.append(LMCorner(LMCorner::fromInt(anIt.key())));
    return aCorners;
}

LMCornersConfiguration LMCornersConfiguration::scaled(double theFactor) const
{
    LMCornersConfiguration aCopy = *this;
    for (Corner& aCorner : aCopy.myCorners)
        aCorner.length = aCorner.length.scaled(theFactor);
    return aCopy;
}

LMCornersConfiguration LMCornersConfiguration::mirrored(const LMMirrorRule& theRule) const
{
    LMCornersConfiguration aCopy;
    aCopy.myEnabled = myEnabled;
    for (auto anIt = myCorners.cbegin(); anIt != myCorners.cend(); ++anIt)
        aCopy.myCorners.insert(LMCorner(LMCorner::fromInt(anIt.key())).mirrored(theRule).value(), anIt.value());
    return aCopy;
}

LMCornersConfiguration LMCornersConfiguration::fromXml(const LMXMLElement& theParent)
{
    LMCornersConfiguration aConfig;
    const LMXMLElement anElement = theParent.firstChildElement(STR_CORNERS);
    if (anElement.isNull())
        return aConfig;
    for (LMXMLElement aChild = anElement.firstChildElement(STR_CORNER); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_CORNER)) {
        aConfig.setCorner(LMCorner(aChild.attribute(STR_POSITION)), LMCornerShape(aChild.attribute(STR_SHAPE)),
                          LMModelXml::distanceAttribute(aChild, STR_LENGTH));
    }
    aConfig.myEnabled = LMModelXml::boolAttribute(anElement, STR_ENABLED, aConfig.myEnabled);
    return aConfig;
}

void LMCornersConfiguration::buildXML(QDomElement& theParent) const
{
    if (isDefault())
        return;
    QDomDocument aDocument = theParent.ownerDocument();
    QDomElement anElement = aDocument.createElement(STR_CORNERS);
    anElement.setAttribute(STR_ENABLED, LMModelXml::boolText(myEnabled));
    for (auto anIt = myCorners.cbegin(); anIt != myCorners.cend(); ++anIt) {
        QDomElement aChild = aDocument.createElement(STR_CORNER);
        aChild.setAttribute(STR_POSITION, LMCorner(LMCorner::fromInt(anIt.key())).encode());
        aChild.setAttribute(STR_SHAPE, anIt->shape.encodeCSV());
        aChild.setAttribute(STR_LENGTH, anIt->length.toString());
        anElement.appendChild(aChild);
    }
    theParent.appendChild(anElement);
}

bool operator==(const LMCornersConfiguration& theA, const LMCornersConfiguration& theB)
{
    return theA.myEnabled == theB.myEnabled && theA.myCorners == theB.myCorners;
}

QDebug operator<<(QDebug theDebug, const LMCornersConfiguration& theCorners)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMCornersConfiguration(enabled " << theCorners.isEnabled();
    for (const LMCorner& aCorner : theCorners.corners()) {
        const LMCornersConfiguration::Corner aValue = theCorners.corner(aCorner);
        theDebug << ", " << aCorner.encode() << ' ' << aValue.shape.encodeCSV() << ' ' << aValue.length;
    }
    theDebug << ')';
    return theDebug;
}
