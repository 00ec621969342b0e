#include "LMDesignStyleBorder.h"

#include "LMDesignStyleXml.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_POSITION = QStringLiteral("position");
const QString STR_COLOR = QStringLiteral("color");
const QString STR_GSEL = QStringLiteral("gsel");
const QString STR_OFFSET = QStringLiteral("offset");
} // namespace

LMDesignStyleBorder::LMDesignStyleBorder(const LMBorderConfig& theConfig) : myBorderConfig(theConfig)
{
    myBorderConfig.setWidth(LMDistance(theConfig.width().toUnits()));
    myBorderConfig.setOffset(LMDistance(theConfig.offset().toUnits()));
}

LMDesignStyleBorder::LMDesignStyleBorder(const QDomElement& theElement)
{
    // Lengths are millimetres in the file and document units (tenths of a millimetre) here.
    const double anOffset = LMXMLParser::doubleAttribute(theElement, STR_OFFSET, 0.0);
    LMBorderPosition aPosition(theElement.attribute(STR_POSITION));
    if (anOffset >= 1.0)
        aPosition = aPosition.adaptToOffset();
    myBorderConfig
        = LMBorderConfig(LMDistance(10.0 * LMXMLParser::doubleAttribute(theElement, STR_WIDTH, 0.0)), aPosition,
                         LMXMLParser::colorAttributeEx(theElement, STR_COLOR),
                         LMXMLParser::boolAttribute(theElement, STR_GSEL, false), LMDistance(10.0 * anOffset));
}

size_t LMDesignStyleBorder::hash() const
{
    // Lengths compare within a tolerance: they stay out of the hash.
    const QColor& aColor = myBorderConfig.color();
    return qHashMulti(0, myBorderConfig.position(), aColor.isValid() ? aColor.rgba() : 0u,
                      myBorderConfig.isSpotColor());
}

void LMDesignStyleBorder::buildXML(QDomElement& theElement) const
{
    theElement.setAttribute(STR_WIDTH, LMDesignStyleXml::millimetres(myBorderConfig.width()));
    if (myBorderConfig.position().isValid())
        theElement.setAttribute(STR_POSITION, LMDesignStyleXml::wordsOf(myBorderConfig.position()));
    LMDesignStyleXml::addColor(theElement, STR_COLOR, myBorderConfig.color());
    if (myBorderConfig.isSpotColor())
        theElement.setAttribute(STR_GSEL, LMDesignStyleXml::boolText(true));
    if (!myBorderConfig.offset().isNull())
        theElement.setAttribute(STR_OFFSET, LMDesignStyleXml::millimetres(myBorderConfig.offset()));
}

QString LMDesignStyleBorder::toDebugString() const
{
    if (!isValid())
        return QStringLiteral("        Border: skip");
    const QColor& aColor = myBorderConfig.color();
    return QStringList {
        QStringLiteral("        Border:"),
        QStringLiteral("          Position: %1").arg(LMDesignStyleXml::wordsOf(myBorderConfig.position())),
        QStringLiteral("          Color: %1,%2").arg(aColor.name()).arg(aColor.alpha()),
        QStringLiteral("          Width: %1 mm").arg(LMDesignStyleXml::millimetres(myBorderConfig.width())),
        QStringLiteral("          GSEL: %1").arg(myBorderConfig.isSpotColor() ? 1 : 0)
    }
        .join(QLatin1Char('\n'));
}
