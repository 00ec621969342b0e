#include "LMEditImageManipulator.h"

QImage LMEditImageManipulator::combineBlackWhiteAlphaImageWithRGBAImage(const QImage& theAlpha, const QImage& theImage)
{
    if (theImage.isNull())
        return QImage();
    QImage aResult = theImage.convertToFormat(QImage::Format_ARGB32);
    if (theAlpha.isNull())
        return aResult;
    QImage anAlpha = theAlpha.size() == aResult.size()
        ? theAlpha.convertToFormat(QImage::Format_ARGB32)
        : theAlpha.scaled(aResult.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_ARGB32);
    for (int aY = 0; aY < aResult.height(); ++aY) {
        QRgb* aLine = reinterpret_cast<QRgb*>(aResult.scanLine(aY));
        const QRgb* aMaskLine = reinterpret_cast<const QRgb*>(anAlpha.constScanLine(aY));
        for (int anX = 0; anX < aResult.width(); ++anX) {
            // A transparent mask pixel counts as black: nothing was drawn there.
            const int aKeep = qGray(aMaskLine[anX]) * qAlpha(aMaskLine[anX]) / 255;
            const QRgb aPixel = aLine[anX];
            aLine[anX] = qRgba(qRed(aPixel), qGreen(aPixel), qBlue(aPixel), qAlpha(aPixel) * aKeep / 255);
        }
    }
    return aResult;
}
