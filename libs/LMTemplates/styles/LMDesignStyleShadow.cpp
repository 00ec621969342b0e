#include "LMDesignStyleShadow.h"

#include "LMDesignStyleXml.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace {
const QString STR_SHADOW = QStringLiteral("shadow");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_OPACITY = QStringLiteral("opacity");
const QString STR_BLUR = QStringLiteral("blur");
const QString STR_ZOOM = QStringLiteral("zoom");
const QString STR_HORIZONTAL = QStringLiteral("horizontal");
const QString STR_VERTICAL = QStringLiteral("vertical");
const QString STR_DEFAULT_OPACITY = QStringLiteral("80");
constexpr double DEFAULT_BLUR = 4.0;
constexpr double DEFAULT_ZOOM = 6.0;

LMDistance millimetres(double theValue)
{
    return LMDistance(theValue, LMDistanceUnit::Millimetre);
}
} // namespace

LMDesignStyleShadow::LMDesignStyleShadow(const LMAreaType& theAreaType, const LMShadowConfig& theConfig)
    : myAreaType(theAreaType)
    , myShadowConfig(millimetres(theConfig.distance().toUnits() / 10.0), theConfig.angle(), theConfig.opacity(),
                     millimetres(theConfig.blur().toUnits() / 10.0), millimetres(theConfig.zoom().toUnits() / 10.0))
{
    // Millimetres along the direction, clockwise from the x axis with y pointing down.
    const double aDistance = theConfig.distance().toUnits() / 10.0;
    const double aRadians = theConfig.angle().degrees() * std::numbers::pi / 180.0;
    myHorizontal = aDistance * std::cos(aRadians);
    myVertical = aDistance * std::sin(aRadians);
}

LMDesignStyleShadow::LMDesignStyleShadow(const QDomElement& theElement) : myAreaType(theElement.attribute(STR_TYPE))
{
    if (!myAreaType.isValid())
        return;
    bool anOk = false;
    const int anOpacity = theElement.attribute(STR_OPACITY, STR_DEFAULT_OPACITY).toInt(&anOk, 16);
    myHorizontal = LMXMLParser::doubleAttribute(theElement, STR_HORIZONTAL, 0.0);
    myVertical = LMXMLParser::doubleAttribute(theElement, STR_VERTICAL, 0.0);
    const LMDistance aHorizontal = millimetres(myHorizontal);
    const LMDistance aVertical = millimetres(myVertical);
    myShadowConfig = LMShadowConfig(LMDistance::hypothenuse(aHorizontal, aVertical),
                                    LMDistance::angleOfSpannedTriangle(aHorizontal, aVertical), anOk ? anOpacity : 0,
                                    millimetres(LMXMLParser::doubleAttribute(theElement, STR_BLUR, DEFAULT_BLUR)),
                                    millimetres(LMXMLParser::doubleAttribute(theElement, STR_ZOOM, DEFAULT_ZOOM)));
}

size_t LMDesignStyleShadow::hash() const
{
    // Lengths compare within a tolerance: they stay out of the hash.
    return qHashMulti(0, myAreaType, myShadowConfig.angle().degrees(), myShadowConfig.opacity());
}

void LMDesignStyleShadow::buildXML(QDomElement& theParent) const
{
    QDomElement aShadow = theParent.ownerDocument().createElement(STR_SHADOW);
    aShadow.setAttribute(STR_TYPE, LMDesignStyleXml::wordsOf(myAreaType));
    aShadow.setAttribute(STR_OPACITY, QStringLiteral("%1").arg(myShadowConfig.opacity(), 2, 16, QLatin1Char('0')));
    aShadow.setAttribute(STR_BLUR, LMDesignStyleXml::millimetres(myShadowConfig.blur()));
    aShadow.setAttribute(STR_ZOOM, LMDesignStyleXml::millimetres(myShadowConfig.zoom()));
    aShadow.setAttribute(STR_HORIZONTAL, LMDesignStyleXml::decimalText(myHorizontal));
    aShadow.setAttribute(STR_VERTICAL, LMDesignStyleXml::decimalText(myVertical));
    theParent.appendChild(aShadow);
}

QString LMDesignStyleShadow::toDebugString() const
{
    return QStringList {
        QStringLiteral("        Shadow:"),
        QStringLiteral("          Type: %1").arg(LMDesignStyleXml::wordsOf(myAreaType)),
        QStringLiteral("          Distance: %1 mm").arg(LMDesignStyleXml::millimetres(myShadowConfig.distance())),
        QStringLiteral("          Angle: %1").arg(myShadowConfig.angle().degrees()),
        QStringLiteral("          Opacity: %1").arg(myShadowConfig.opacity()),
        QStringLiteral("          Blur: %1 mm").arg(LMDesignStyleXml::millimetres(myShadowConfig.blur())),
        QStringLiteral("          Zoom: %1 mm").arg(LMDesignStyleXml::millimetres(myShadowConfig.zoom()))
    }
        .join(QLatin1Char('\n'));
}
