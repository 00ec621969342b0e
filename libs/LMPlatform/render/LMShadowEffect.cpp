#include "LMShadowEffect.h"

#include "LMPlatformLogging.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// One box blur of theHalf pixels to each side along a line of theCount values theStride apart.
// Values beyond the line count as transparent: the shadow's margin holds them. A running sum
// keeps it to one addition and one subtraction per value, whatever the width.
void blurLine(float* theData, int theCount, qsizetype theStride, int theHalf, std::vector<float>& theLine)
{
    for (int anIndex = 0; anIndex < theCount; ++anIndex)
        theLine[size_t(anIndex)] = theData[anIndex * theStride];
    const double aWidth = 2 * theHalf + 1;
    double aSum = 0;
    for (int anIndex = 0; anIndex < std::min(theHalf, theCount - 1) + 1; ++anIndex)
        aSum += theLine[size_t(anIndex)];
    for (int anIndex = 0; anIndex < theCount; ++anIndex) {
        theData[anIndex * theStride] = float(aSum / aWidth);
        if (anIndex + theHalf + 1 < theCount)
            aSum += theLine[size_t(anIndex + theHalf + 1)];
        if (anIndex - theHalf >= 0)
            aSum -= theLine[size_t(anIndex - theHalf)];
    }
}

void blur(std::vector<float>& theAlpha, int theWidth, int theHeight, int theHalf)
{
    std::vector<float> aLine(size_t(std::max(theWidth, theHeight)));
    for (int aY = 0; aY < theHeight; ++aY)
        blurLine(theAlpha.data() + qsizetype(aY) * theWidth, theWidth, 1, theHalf, aLine);
    for (int anX = 0; anX < theWidth; ++anX)
        blurLine(theAlpha.data() + anX, theHeight, theWidth, theHalf, aLine);
}
} // namespace

int LMShadowEffect::margin(double theBlurRadius)
{
    if (!(theBlurRadius > 0))
        return 0;
    return int(std::ceil(std::min(theBlurRadius, double(ourMaximumMargin))));
}

QImage LMShadowEffect::shadow(const QImage& theSource, double theBlurRadius, double theIntensity,
                              const QColor& theColor)
{
    if (theSource.isNull())
        return QImage();
    const int aMargin = margin(theBlurRadius);
    const qint64 aWideWidth = qint64(theSource.width()) + 2 * aMargin;
    const qint64 aWideHeight = qint64(theSource.height()) + 2 * aMargin;
    if (aWideWidth * aWideHeight > ourMaximumPixels) {
        qCWarning(lcPlatformRender).noquote()
            << QStringLiteral("shadow of %1 × %2 pixels is too large, none drawn").arg(aWideWidth).arg(aWideHeight);
        return QImage();
    }
    const int aWidth = int(aWideWidth);
    const int aHeight = int(aWideHeight);

    const QImage aSourceAlpha = theSource.convertToFormat(QImage::Format_Alpha8);
    std::vector<float> anAlpha(size_t(aWidth) * size_t(aHeight), 0.0f);
    for (int aY = 0; aY < theSource.height(); ++aY) {
        const uchar* aLine = aSourceAlpha.constScanLine(aY);
        float* aTarget = anAlpha.data() + qsizetype(aY + aMargin) * aWidth + aMargin;
        std::copy(aLine, aLine + theSource.width(), aTarget);
    }
    if (aMargin > 0) {
        const int aTotal = std::clamp(int(std::lround(std::min(theBlurRadius, double(aMargin)))), 1, aMargin);
        const std::array<int, 3> aHalves { aTotal / 3 + (aTotal % 3 > 0 ? 1 : 0), aTotal / 3 + (aTotal % 3 > 1 ? 1 : 0),
                                           aTotal / 3 };
        for (const int aHalf : aHalves) {
            if (aHalf > 0)
                blur(anAlpha, aWidth, aHeight, aHalf);
        }
    }

    const QColor aColor = theColor.isValid() ? theColor.toRgb() : QColor(Qt::black);
    const double anIntensity = theIntensity > 0 ? std::min(theIntensity, 1.0) : 0.0;
    const double aFactor = anIntensity * aColor.alphaF();
    QImage aShadow(aWidth, aHeight, QImage::Format_ARGB32_Premultiplied);
    if (aShadow.isNull()) {
        qCWarning(lcPlatformRender).noquote()
            << QStringLiteral("shadow of %1 × %2 pixels: out of memory, none drawn").arg(aWidth).arg(aHeight);
        return QImage();
    }
    const int aRed = aColor.red();
    const int aGreen = aColor.green();
    const int aBlue = aColor.blue();
    for (int aY = 0; aY < aHeight; ++aY) {
        QRgb* aLine = reinterpret_cast<QRgb*>(aShadow.scanLine(aY));
        const float* aValues = anAlpha.data() + qsizetype(aY) * aWidth;
        for (int anX = 0; anX < aWidth; ++anX) {
            const int anA = std::clamp(int(std::lround(aValues[anX] * aFactor)), 0, 255);
            aLine[anX] = qRgba((aRed * anA + 127) / 255, (aGreen * anA + 127) / 255, (aBlue * anA + 127) / 255, anA);
        }
    }
    return aShadow;
}
