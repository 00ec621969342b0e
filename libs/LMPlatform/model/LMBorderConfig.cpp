#include "LMBorderConfig.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

namespace {
const QString STR_BORDER = QStringLiteral("border");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_POSITION = QStringLiteral("position");
const QString STR_COLOR = QStringLiteral("color");
const QString STR_GSEL = QStringLiteral("gsel");
const QString STR_OFFSET = QStringLiteral("offset");
} // namespace

const LMBorderConfig LMBorderConfig::NoBorder;

LMBorderConfig::LMBorderConfig(const LMDistance& theWidth, const LMBorderPosition& thePosition, const QColor& theColor,
                               bool theSpotColor, const LMDistance& theOffset)
    : myWidth(theWidth), myPosition(thePosition), myColor(theColor), mySpotColor(theSpotColor), myOffset(theOffset)
{
}

LMBorderConfig LMBorderConfig::scaled(double theFactor) const
{
    LMBorderConfig aCopy = *this;
    aCopy.myWidth = myWidth.scaled(theFactor);
    aCopy.myOffset = myOffset.scaled(theFactor);
    return aCopy;
}

LMBorderConfig LMBorderConfig::fromXml(const LMXMLElement& theParent)
{
    const LMXMLElement anElement = theParent.firstChildElement(STR_BORDER);
    if (anElement.isNull())
        return NoBorder;
    LMBorderConfig aBorder;
    aBorder.myWidth = LMModelXml::distanceAttribute(anElement, STR_WIDTH);
    aBorder.myPosition = LMBorderPosition(anElement.attribute(STR_POSITION));
    aBorder.myColor = LMModelXml::colorAttribute(anElement, STR_COLOR);
    aBorder.mySpotColor = LMModelXml::boolAttribute(anElement, STR_GSEL, false);
    aBorder.myOffset = LMModelXml::distanceAttribute(anElement, STR_OFFSET);
    return aBorder;
}

void LMBorderConfig::buildXML(QDomElement& theParent) const
{
    if (isNoBorder())
        return;
    QDomElement anElement = theParent.ownerDocument().createElement(STR_BORDER);
    anElement.setAttribute(STR_WIDTH, myWidth.toString());
    if (myPosition.isValid())
        anElement.setAttribute(STR_POSITION, myPosition.encodeCSV());
    if (myColor.isValid())
        anElement.setAttribute(STR_COLOR, LMModelXml::colorText(myColor));
    if (mySpotColor)
        anElement.setAttribute(STR_GSEL, LMModelXml::boolText(true));
    if (!myOffset.isNull())
        anElement.setAttribute(STR_OFFSET, myOffset.toString());
    theParent.appendChild(anElement);
}

bool operator==(const LMBorderConfig& theA, const LMBorderConfig& theB)
{
    return theA.myWidth == theB.myWidth && theA.myPosition == theB.myPosition && theA.myColor == theB.myColor
        && theA.mySpotColor == theB.mySpotColor && theA.myOffset == theB.myOffset;
}

QDebug operator<<(QDebug theDebug, const LMBorderConfig& theBorder)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMBorderConfig(" << theBorder.width() << ", " << theBorder.position() << ", "
                       << theBorder.color() << ", spot " << theBorder.isSpotColor() << ", offset " << theBorder.offset()
                       << ')';
    return theDebug;
}
