#include "LMBackgroundPreviewRenderer.h"

#include "LMPageType.h"
#include "LMTemplateThumbnailCache.h"

#include <QPainter>

LMBackgroundPreviewRenderer::LMBackgroundPreviewRenderer(const LMTemplateThumbnailContext& theContext)
    : myKey(theContext)
{
}

LMBackgroundPreviewRenderer::~LMBackgroundPreviewRenderer() = default;

QImage LMBackgroundPreviewRenderer::render() const
{
    const QSize aTarget = LMTemplateThumbnailCache::instance()->thumbnailSize(myKey);
    if (aTarget.isEmpty())
        return QImage();
    const bool aFullCover = myKey.templateContext().pageType().intersects(LMPageTypeEnum::FullCover);
    const QImage aSource = myKey.getTemplate().largeImagePreview(aFullCover);
    if (aSource.isNull())
        return QImage();
    const QImage aCropped = aSource.copy(calculateCroppingRect(aSource.size(), aTarget))
                                .scaled(aTarget, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!myKey.paintSingleSidedBackgroundDoubleSided())
        return aCropped;

    QImage aSpread(aTarget.width() * 2, aTarget.height(), QImage::Format_ARGB32_Premultiplied);
    aSpread.fill(myKey.backgroundColor());
    QPainter aPainter(&aSpread);
    aPainter.setRenderHint(QPainter::SmoothPixmapTransform);
    aPainter.drawImage(QPoint(0, 0), aCropped);
    aPainter.drawImage(QPoint(aTarget.width(), 0), aCropped);
    return aSpread;
}

QRect LMBackgroundPreviewRenderer::calculateCroppingRect(const QSize& theSource, const QSize& theTarget)
{
    if (theSource.isEmpty() || theTarget.isEmpty())
        return QRect(QPoint(0, 0), theSource);
    const QSize aScaled = theTarget.scaled(theSource, Qt::KeepAspectRatio);
    return QRect(QPoint((theSource.width() - aScaled.width()) / 2, (theSource.height() - aScaled.height()) / 2),
                 aScaled);
}
