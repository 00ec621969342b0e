#include "LMEffectInvertPainter.h"

void LMEffectInvertPainter::invertARGB32(QImage& theImage)
{
    if (theImage.isNull())
        return;
    if (theImage.format() != QImage::Format_ARGB32 && theImage.format() != QImage::Format_ARGB32_Premultiplied)
        theImage.convertTo(QImage::Format_ARGB32_Premultiplied);
    const bool aPremultiplied = theImage.format() == QImage::Format_ARGB32_Premultiplied;
    const int aWidth = theImage.width();
    for (int aY = 0; aY < theImage.height(); ++aY) {
        QRgb* aLine = reinterpret_cast<QRgb*>(theImage.scanLine(aY));
        if (aPremultiplied) {
            // A channel above alpha is no valid premultiplied colour; it becomes 0 rather than wrap.
            for (int anX = 0; anX < aWidth; ++anX) {
                const QRgb aPixel = aLine[anX];
                const int anAlpha = qAlpha(aPixel);
                aLine[anX] = qRgba(qMax(0, anAlpha - qRed(aPixel)), qMax(0, anAlpha - qGreen(aPixel)),
                                   qMax(0, anAlpha - qBlue(aPixel)), anAlpha);
            }
        } else {
            for (int anX = 0; anX < aWidth; ++anX)
                aLine[anX] ^= 0x00ffffffu;
        }
    }
}
