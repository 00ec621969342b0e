#include "LMFotoAccess.h"

#include "LMFotoMetaDataCache_p.h"
#include "LMPlatformLogging.h"

#include <QBuffer>
#include <QImageReader>

namespace {

constexpr int ourSmallestEdge = 32;
constexpr int ourFullLevel = 6;

// Photos on web servers are not fetched here: they have no metadata and no picture.
LMFotoMetaData metaDataOf(const LMFoto& theFoto)
{
    if (!theFoto.isLocalFile())
        return LMFotoMetaData();
    return LMFotoMetaDataCache::instance()->metaData(theFoto.localFilePath());
}

QSize shownSize(const LMFotoMetaData& theMetaData)
{
    // Orientations 5 to 8 turn the picture by a quarter.
    return theMetaData.exifOrientation >= 5 ? theMetaData.pixelSize.transposed() : theMetaData.pixelSize;
}

void warnNoPicture(const LMFoto& theFoto, const QString& theReason)
{
    qCWarning(lcPlatformFoto).noquote()
        << QStringLiteral("cannot draw photo %1: %2").arg(theFoto.url().toDisplayString(), theReason);
}

} // namespace

LMFotoAccess::LMFotoAccess(const LMFoto& theFoto, int theSizeLevel)
    : myFoto(theFoto), mySizeLevel(qMax(0, theSizeLevel))
{
}

int LMFotoAccess::maxEdge(int theSizeLevel)
{
    if (theSizeLevel >= ourFullLevel)
        return 0;
    return ourSmallestEdge << qMax(0, theSizeLevel);
}

QSize LMFotoAccess::scaledToLevel(const QSize& theShownSize, int theSizeLevel)
{
    if (theShownSize.isEmpty())
        return QSize();
    const qint64 anEdge = maxEdge(theSizeLevel);
    const qint64 aWidth = theShownSize.width();
    const qint64 aHeight = theShownSize.height();
    if (anEdge == 0 || qMax(aWidth, aHeight) <= anEdge)
        return theShownSize;
    // Rounded down, the shorter edge stays shorter: a landscape picture never turns square.
    if (aWidth >= aHeight)
        return QSize(int(anEdge), int(qMax<qint64>(1, aHeight * anEdge / aWidth)));
    return QSize(int(qMax<qint64>(1, aWidth * anEdge / aHeight)), int(anEdge));
}

bool LMFotoAccess::isValid() const
{
    return metaDataOf(myFoto).valid;
}

QSize LMFotoAccess::preferredSize() const
{
    const LMFotoMetaData aMetaData = metaDataOf(myFoto);
    return aMetaData.valid ? scaledToLevel(shownSize(aMetaData), mySizeLevel) : QSize();
}

LMOrientation LMFotoAccess::orientation() const
{
    const QSize aSize = preferredSize();
    if (aSize.isEmpty())
        return LMOrientationEnum::None;
    if (aSize.height() > aSize.width())
        return LMOrientationEnum::Portrait;
    if (aSize.width() > aSize.height())
        return LMOrientationEnum::Landscape;
    return LMOrientationEnum::Square;
}

int LMFotoAccess::exifOrientation() const
{
    return metaDataOf(myFoto).exifOrientation;
}

qint64 LMFotoAccess::pictureTakenEpoch() const
{
    const LMFotoMetaData aMetaData = metaDataOf(myFoto);
    return aMetaData.valid ? aMetaData.takenEpoch : -1;
}

int LMFotoAccess::adobeRating() const
{
    return metaDataOf(myFoto).rating;
}

QImage LMFotoAccess::drawable() const
{
    if (!myFoto.isLocalFile()) {
        warnNoPicture(myFoto, myFoto.isValid() ? QStringLiteral("not a local file") : QStringLiteral("no file"));
        return QImage();
    }
    const QString aPath = myFoto.localFilePath();
    QByteArray aData;
    if (!LMFotoMetaDataCache::readFile(aPath, &aData))
        return QImage();
    QBuffer aBuffer;
    aBuffer.setData(aData);
    aBuffer.open(QIODevice::ReadOnly);
    QImageReader aReader(&aBuffer);
    aReader.setAutoTransform(true);
    const QSize aStoredSize = aReader.size();
    if (!aReader.canRead() || aStoredSize.isEmpty()) {
        warnNoPicture(myFoto, QStringLiteral("not a picture"));
        return QImage();
    }
    if (qint64(aStoredSize.width()) * aStoredSize.height() > LMFotoMetaDataCache::ourMaximumPixels) {
        warnNoPicture(myFoto,
                      QStringLiteral("%1 x %2 pixels are more than %3")
                          .arg(aStoredSize.width())
                          .arg(aStoredSize.height())
                          .arg(LMFotoMetaDataCache::ourMaximumPixels));
        return QImage();
    }
    // The level bounds the longest edge, which turning does not change: the stored picture is
    // scaled by the decoder, then turned.
    const QSize aScaledSize = scaledToLevel(aStoredSize, mySizeLevel);
    if (aScaledSize != aStoredSize)
        aReader.setScaledSize(aScaledSize);
    // Qt's default limit would refuse full pictures well below the pixel bound above.
    aReader.setAllocationLimit(int(LMFotoMetaDataCache::ourMaximumPixels * 4 / (1024 * 1024)) + 1);
    QImage anImage = aReader.read();
    if (anImage.isNull()) {
        warnNoPicture(myFoto, aReader.errorString());
        return QImage();
    }
    anImage.convertTo(anImage.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return anImage;
}
