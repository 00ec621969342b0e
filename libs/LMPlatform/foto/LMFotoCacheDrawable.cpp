#include "LMFotoCacheDrawable.h"

#include "LMFotoMetaDataCache_p.h"
#include "LMPlatformLogging.h"

#include <QPainter>
#include <QPainterPath>

const QColor& LMFotoCacheDrawable::backgroundColor()
{
    static const QColor ourColor(0xe4, 0xe4, 0xe4);
    return ourColor;
}

const QColor& LMFotoCacheDrawable::hourglassColor()
{
    static const QColor ourColor(0x9a, 0x9a, 0x9a);
    return ourColor;
}

QImage LMFotoCacheDrawable::placeHolder(const QSize& theSize)
{
    if (theSize.isEmpty() || qint64(theSize.width()) * theSize.height() > LMFotoMetaDataCache::ourMaximumPixels) {
        qCWarning(lcPlatformFoto).noquote()
            << QStringLiteral("no placeholder of %1 x %2 pixels").arg(theSize.width()).arg(theSize.height());
        return QImage();
    }
    QImage anImage(theSize, QImage::Format_ARGB32_Premultiplied);
    if (anImage.isNull())
        return anImage;
    anImage.fill(backgroundColor());

    // The hourglass: two triangles meeting in the middle between a top and a bottom bar, its
    // height half the shorter edge, its width two thirds of its height.
    const qreal aHeight = qMin(theSize.width(), theSize.height()) * 0.5;
    const qreal aWidth = aHeight * 2.0 / 3.0;
    const QPointF aCentre(theSize.width() / 2.0, theSize.height() / 2.0);
    const qreal aTop = aCentre.y() - aHeight / 2.0;
    const qreal aBottom = aCentre.y() + aHeight / 2.0;
    const qreal aLeft = aCentre.x() - aWidth / 2.0;
    const qreal aRight = aCentre.x() + aWidth / 2.0;
    const qreal aBar = aHeight / 12.0;
    const qreal aWaist = aWidth / 12.0;

    QPainterPath aGlass;
    aGlass.moveTo(aLeft, aTop + aBar);
    aGlass.lineTo(aRight, aTop + aBar);
    aGlass.lineTo(aCentre.x() + aWaist, aCentre.y());
    aGlass.lineTo(aRight, aBottom - aBar);
    aGlass.lineTo(aLeft, aBottom - aBar);
    aGlass.lineTo(aCentre.x() - aWaist, aCentre.y());
    aGlass.closeSubpath();
    aGlass.addRect(QRectF(aLeft - aWaist, aTop, aWidth + 2 * aWaist, aBar));
    aGlass.addRect(QRectF(aLeft - aWaist, aBottom - aBar, aWidth + 2 * aWaist, aBar));

    QPainter aPainter(&anImage);
    aPainter.setRenderHint(QPainter::Antialiasing);
    aPainter.setPen(Qt::NoPen);
    aPainter.setBrush(hourglassColor());
    aPainter.drawPath(aGlass);
    return anImage;
}
