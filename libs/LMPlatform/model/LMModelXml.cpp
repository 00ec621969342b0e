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
    const std::optional<QStringView> aText = theElement.findAttribute(theName);
    if (!aText)
        return theDefault;
    if (const std::optional<double> aValue = LMXMLParser::parseDouble(*aText))
        return *aValue;
    warnMalformed(theElement, theName, QStringLiteral("a number"));
    return theDefault;
}

int LMModelXml::intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault)
{
    const std::optional<QStringView> aText = theElement.findAttribute(theName);
    if (!aText)
        return theDefault;
    bool anOk = false;
    const int aValue = aText->trimmed().toInt(&anOk);
    if (anOk)
        return aValue;
    warnMalformed(theElement, theName, QStringLiteral("an integer"));
    return theDefault;
}

bool LMModelXml::boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault)
{
    const std::optional<QStringView> aFound = theElement.findAttribute(theName);
    if (!aFound)
        return theDefault;
    const QStringView aText = aFound->trimmed();
    const auto anIs = [aText](const char* theWord) {
        return aText.compare(QLatin1String(theWord), Qt::CaseInsensitive) == 0;
    };
    if (anIs("true") || anIs("yes") || anIs("1"))
        return true;
    if (anIs("false") || anIs("no") || anIs("0"))
        return false;
    warnMalformed(theElement, theName, QStringLiteral("a boolean"));
    return theDefault;
}

QColor LMModelXml::colorAttribute(const LMXMLElement& theElement, const QString& theName, const QColor& theDefault)
{
    const std::optional<QStringView> aFound = theElement.findAttribute(theName);
    if (!aFound)
        return theDefault;
    const QStringView aText = aFound->trimmed();
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
    const std::optional<QStringView> aText = theElement.findAttribute(theName);
    if (!aText)
        return theDefault;
    bool anOk = false;
    const LMDistance aDistance = LMDistance::fromString(aText->toString(), &anOk);
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
