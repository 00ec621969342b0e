#include "LMDesignStyleXml.h"

#include <QDomElement>

#include <algorithm>
#include <cmath>

QString LMDesignStyleXml::colorText(const QColor& theColor)
{
    if (!theColor.isValid())
        return QString();
    const QString aName = theColor.name(QColor::HexRgb);
    if (theColor.alpha() == 255)
        return aName;
    return QStringLiteral("%1,%2").arg(aName).arg(theColor.alpha(), 2, 16, QLatin1Char('0'));
}

void LMDesignStyleXml::addColor(QDomElement& theElement, const QString& theName, const QColor& theColor)
{
    if (theColor.isValid())
        theElement.setAttribute(theName, colorText(theColor));
}

QString LMDesignStyleXml::decimalText(double theValue)
{
    if (!std::isfinite(theValue) || std::abs(theValue) < 1e-300)
        return QStringLiteral("0");
    // Twelve significant digits drop the noise of a unit conversion ("0.7000000000000001" from
    // 7 units / 10) and keep whatever a file can say; no exponent, which the schema's decimals lack.
    const int aMagnitude = int(std::floor(std::log10(std::abs(theValue))));
    QString aText = QString::number(theValue, 'f', std::clamp(11 - aMagnitude, 0, 17));
    if (aText.contains(QLatin1Char('.'))) {
        while (aText.endsWith(QLatin1Char('0')))
            aText.chop(1);
        if (aText.endsWith(QLatin1Char('.')))
            aText.chop(1);
    }
    return aText == QLatin1String("-0") ? QStringLiteral("0") : aText;
}

QString LMDesignStyleXml::millimetres(const LMDistance& theDistance)
{
    return decimalText(theDistance.toUnits() / 10.0);
}

QString LMDesignStyleXml::boolText(bool theValue)
{
    return theValue ? QStringLiteral("true") : QStringLiteral("false");
}
