#pragma once

#include "LMFoto.h"
#include "LMOrientation.h"
#include "LMPlatformExport.h"

#include <QImage>
#include <QSize>

// What the library asks of one photo: its size as shown, orientation, capture time and rating,
// and its picture decoded at one of the size levels. Cheap to construct; the metadata comes from a
// process-wide cache keyed by file path, size and modification time, so a photo's file is read for
// its metadata once however many objects ask. Only local files are read: a photo on a web server
// is not valid here. Thread-safe.
class LMPLATFORM_EXPORT LMFotoAccess
{
public:
    // Size levels name the longest edge of a decoded picture: 0 → 32 px, 1 → 64, 2 → 128,
    // 3 → 256, 4 → 512, 5 → 1024; 6 and above → the full image. Negative levels count as 0.
    explicit LMFotoAccess(const LMFoto& theFoto, int theSizeLevel = 4);

    // The longest edge of the level's pictures; 0 for "full" (levels >= 6).
    static int maxEdge(int theSizeLevel);

    const LMFoto& foto() const { return myFoto; }
    int sizeLevel() const { return mySizeLevel; }

    // A local, regular, readable file of a picture Qt can decode.
    bool isValid() const;
    // The pixel size of drawable(): the picture as shown (EXIF orientations 5 to 8 swap width and
    // height), scaled down to the level's longest edge keeping portrait as portrait and landscape
    // as landscape; never enlarged. An invalid size when the photo is not valid.
    QSize preferredSize() const;
    // Of preferredSize(): Portrait when taller, Landscape when wider, Square; None when not valid.
    LMOrientation orientation() const;
    // 1 to 8; 1 when absent, out of range or the photo is not valid.
    int exifOrientation() const;
    // Seconds since the epoch: Exif.Photo.DateTimeOriginal (with Exif.Photo.OffsetTimeOriginal
    // when present, else in local time), then Xmp.exif.DateTimeOriginal, Xmp.xmp.CreateDate,
    // Xmp.photoshop.DateCreated, then the file's modification time; -1 when not valid.
    qint64 pictureTakenEpoch() const;
    // Xmp.xmp.Rating, then Exif.Image.Rating, rounded and clamped to -1 (rejected) .. 5; 0 when
    // neither is present or the photo is not valid.
    int adobeRating() const;

    // The picture with the EXIF orientation applied, decoded at the level's size (the decoder
    // scales, the full picture is not decoded first), in ARGB32_Premultiplied when it has an
    // alpha channel, else RGB32. Null with a warning when it cannot be read or has more than
    // 200 million pixels.
    QImage drawable() const;

    // The size a picture of theShownSize has at the level.
    static QSize scaledToLevel(const QSize& theShownSize, int theSizeLevel);

private:
    LMFoto myFoto;
    int mySizeLevel = 4;
};
