#include "LMShadowConfig.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

#include <algorithm>

namespace {
const QString STR_SHADOW = QStringLiteral("shadow");
const QString STR_DISTANCE = QStringLiteral("distance");
const QString STR_ANGLE = QStringLiteral("angle");
const QString STR_OPACITY = QStringLiteral("opacity");
const QString STR_BLUR = QStringLiteral("blur");
const QString STR_ZOOM = QStringLiteral("zoom");
} // namespace

LMShadowConfig::LMShadowConfig(const LMDistance& theDistance, LMAngle theAngle, int theOpacity,
                               const LMDistance& theBlur, const LMDistance& theZoom)
    : myDistance(theDistance), myAngle(theAngle.normalized()), myOpacity(std::clamp(theOpacity, 0, 255)),
      myBlur(theBlur), myZoom(theZoom)
{
}

bool LMShadowConfig::isValid() const
{
    return myOpacity > 0 && (!myDistance.isNull() || !myBlur.isNull() || !myZoom.isNull());
}

LMShadowConfig LMShadowConfig::scaled(double theFactor) const
{
    LMShadowConfig aCopy = *this;
    aCopy.myDistance = myDistance.scaled(theFactor);
    aCopy.myBlur = myBlur.scaled(theFactor);
    aCopy.myZoom = myZoom.scaled(theFactor);
    return aCopy;
}

LMShadowConfig LMShadowConfig::mirrored(bool theFlipsX, bool theFlipsY) const
{
    // The direction (cos a, sin a) has its x or y negated: 180 - a or -a.
    int aDegrees = myAngle.degrees();
    if (theFlipsX)
        aDegrees = 180 - aDegrees;
    if (theFlipsY)
        aDegrees = -aDegrees;
    LMShadowConfig aCopy = *this;
    aCopy.myAngle = LMAngle(aDegrees).normalized();
    return aCopy;
}

LMShadowConfig LMShadowConfig::fromXml(const LMXMLElement& theParent)
{
    const LMXMLElement anElement = theParent.firstChildElement(STR_SHADOW);
    if (anElement.isNull())
        return LMShadowConfig();
    return LMShadowConfig(
        LMModelXml::distanceAttribute(anElement, STR_DISTANCE),
        LMAngle(LMModelXml::intAttribute(anElement, STR_ANGLE, 0)), LMModelXml::intAttribute(anElement, STR_OPACITY, 0),
        LMModelXml::distanceAttribute(anElement, STR_BLUR), LMModelXml::distanceAttribute(anElement, STR_ZOOM));
}

void LMShadowConfig::buildXML(QDomElement& theParent) const
{
    if (*this == LMShadowConfig())
        return;
    QDomElement anElement = theParent.ownerDocument().createElement(STR_SHADOW);
    anElement.setAttribute(STR_DISTANCE, myDistance.toString());
    anElement.setAttribute(STR_ANGLE, myAngle.degrees());
    anElement.setAttribute(STR_OPACITY, myOpacity);
    anElement.setAttribute(STR_BLUR, myBlur.toString());
    anElement.setAttribute(STR_ZOOM, myZoom.toString());
    theParent.appendChild(anElement);
}

bool operator==(const LMShadowConfig& theA, const LMShadowConfig& theB)
{
    return theA.myDistance == theB.myDistance && theA.myAngle == theB.myAngle && theA.myOpacity == theB.myOpacity
        && theA.myBlur == theB.myBlur && theA.myZoom == theB.myZoom;
}

QDebug operator<<(QDebug theDebug, const LMShadowConfig& theShadow)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMShadowConfig(" << theShadow.distance() << ", " << theShadow.angle().degrees()
                       << "deg, opacity " << theShadow.opacity() << ", blur " << theShadow.blur() << ", zoom "
                       << theShadow.zoom() << ')';
    return theDebug;
}
