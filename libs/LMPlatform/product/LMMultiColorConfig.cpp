#include "LMMultiColorConfig.h"

#include <QColor>
#include <QStringList>

QList<LMMultiColorConfig> LMMultiColorConfig::allConfigurations()
{
    QList<LMMultiColorConfig> aList;
    aList.reserve((360 / HUE_STEP) * (MAX_FADING + 1));
    for (int aHue = 0; aHue < 360; aHue += HUE_STEP) {
        for (int aFading = 0; aFading <= MAX_FADING; ++aFading)
            aList.append(LMMultiColorConfig(aHue, aFading));
    }
    return aList;
}

LMMultiColorConfig LMMultiColorConfig::fromString(const QString& theText)
{
    const QStringList aParts = theText.split(QLatin1Char(','));
    if (aParts.size() != 2)
        return LMMultiColorConfig();
    bool aHueOk = false;
    bool aFadingOk = false;
    const int aHue = aParts.at(0).trimmed().toInt(&aHueOk);
    const int aFading = aParts.at(1).trimmed().toInt(&aFadingOk);
    if (!aHueOk || !aFadingOk)
        return LMMultiColorConfig();
    return LMMultiColorConfig(aHue, aFading);
}

bool LMMultiColorConfig::isValid() const
{
    return myHue >= 0 && myHue % HUE_STEP == 0 && myFading >= 0 && myFading <= MAX_FADING;
}

bool LMMultiColorConfig::isCompatibleWith(const LMMultiColorConfig& theWanted) const
{
    if (!isValid())
        return false;
    if (theWanted.isAnyMultiColorConfig())
        return true;
    return (theWanted.myHue < 0 || theWanted.myHue == myHue)
        && (theWanted.myFading < 0 || theWanted.myFading == myFading);
}

QImage LMMultiColorConfig::colorize(const QImage& thePicture) const
{
    if (!isValid() || thePicture.isNull())
        return thePicture;
    constexpr int FULL_SATURATION = 240;
    constexpr int SATURATION_STEP = 40;
    const int aSaturation = FULL_SATURATION - SATURATION_STEP * myFading;
    const int aHue = myHue % 360;
    QImage aResult = thePicture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < aResult.height(); ++y) {
        auto* aLine = reinterpret_cast<QRgb*>(aResult.scanLine(y));
        for (int x = 0; x < aResult.width(); ++x) {
            const QRgb aPixel = aLine[x];
            const int aLightness = QColor(aPixel).lightness();
            aLine[x] = QColor::fromHsl(aHue, aSaturation, aLightness, qAlpha(aPixel)).rgba();
        }
    }
    return aResult;
}

QString LMMultiColorConfig::toString() const
{
    return QStringLiteral("%1,%2").arg(myHue).arg(myFading);
}

QDebug operator<<(QDebug theDebug, const LMMultiColorConfig& theConfig)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMMultiColorConfig(" << theConfig.hue() << ", " << theConfig.fading() << ')';
    return theDebug;
}
