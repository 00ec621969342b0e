#include "LMModelXml.h"

#include "LMMath.h"
#include "LMPlatformLogging.h"
#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QDomDocument>
#include <QLocale>

#include <cmath>

bool LMModelXml::parseDouble(const QString& theText, double* theValue)
{
    const std::optional<double> aValue = LMXMLParser::parseDouble(theText);
    if (!aValue)
        return false;
    *theValue = *aValue;
    return true;
}

void LMModelXml::warnMalformed(const LMXMLElement& theElement, const QString& theName, const QString& theExpected)
{
    qCWarning(lcPlatformModel).noquote() << QStringLiteral("<%1> attribute \"%2\": \"%3\" is not %4; default used")
                                                .arg(theElement.tagName(), theName, theElement.attribute(theName),
                                                     theExpected);
}

double LMModelXml::doubleAttribute(const LMXMLElement& theElement, const QString& theName, double theDefault)
{
    if (!theElement.hasAttribute(theName))
        return theDefault;
    double aValue = 0.0;
    if (parseDouble(theElement.attribute(theName), &aValue))
        return aValue;
    warnMalformed(theElement, theName, QStringLiteral("a number"));
    return theDefault;
}

int LMModelXml::intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault)
{
    if (!theElement.hasAttribute(theName))
        return theDefault;
    bool anOk = false;
    const int aValue = theElement.attribute(theName).trimmed().toInt(&anOk);
    if (anOk)
        return aValue;
    warnMalformed(theElement, theName, QStringLiteral("an integer"));
    return theDefault;
}

bool LMModelXml::boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault)
{
    if (!theElement.hasAttribute(theName))
        return theDefault;
    const QString aText = theElement.attribute(theName).trimmed().toLower();
    if (aText == QLatin1String("true") || aText == QLatin1String("yes") || aText == QLatin1String("1"))
        return true;
    if (aText == QLatin1String("false") || aText == QLatin1String("no") || aText == QLatin1String("0"))
        return false;
    warnMalformed(theElement, theName, QStringLiteral("a boolean"));
    return theDefault;
}

QColor LMModelXml::colorAttribute(const LMXMLElement& theElement, const QString& theName, const QColor& theDefault)
{
    if (!theElement.hasAttribute(theName))
        return theDefault;
    const QString aText = theElement.attribute(theName).trimmed();
    // Only the two hexadecimal forms: colour names would make files depend on Qt's name list.
    if (aText.startsWith(QLatin1Char('#')) && (aText.size() == 7 || aText.size() == 9)) {
        const QColor aColor = QColor::fromString(aText);
        if (aColor.isValid())
            return aColor;
    }
    warnMalformed(theElement, theName, QStringLiteral("a colour"));
    return theDefault;
}

LMDistance LMModelXml::distanceAttribute(const LMXMLElement& theElement, const QString& theName,
                                         const LMDistance& theDefault)
{
    if (!theElement.hasAttribute(theName))
        return theDefault;
    bool anOk = false;
    const LMDistance aDistance = LMDistance::fromString(theElement.attribute(theName), &anOk);
    if (anOk)
        return aDistance;
    warnMalformed(theElement, theName, QStringLiteral("a distance"));
    return theDefault;
}

QString LMModelXml::doubleText(double theValue)
{
    return LMMath::numberText(theValue);
}

QString LMModelXml::colorText(const QColor& theColor)
{
    if (!theColor.isValid())
        return QString();
    return theColor.alpha() == 255 ? theColor.name(QColor::HexRgb) : theColor.name(QColor::HexArgb);
}

QDomElement LMModelXml::ensureChild(QDomElement& theElement, const QString& theTagName)
{
    QDomElement aChild = theElement.firstChildElement(theTagName);
    if (aChild.isNull()) {
        aChild = theElement.ownerDocument().createElement(theTagName);
        theElement.appendChild(aChild);
    }
    return aChild;
}
