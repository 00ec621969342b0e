#include "LMTestPhoto.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exiv2/exiv2.hpp>

namespace LMTestSupport {

bool writePhoto(const QString& thePath, const QImage& theImage, const PhotoTags& theTags, int theQuality)
{
    QDir().mkpath(QFileInfo(thePath).absolutePath());
    if (!theImage.save(thePath, "JPG", theQuality)) {
        qWarning("cannot write test photo %s", qPrintable(thePath));
        return false;
    }
    try {
        const Exiv2::Image::AutoPtr anImage = Exiv2::ImageFactory::open(QFile::encodeName(thePath).toStdString());
        anImage->readMetadata();
        Exiv2::ExifData& anExif = anImage->exifData();
        Exiv2::XmpData& anXmp = anImage->xmpData();
        if (!theTags.dateTimeOriginal.isEmpty())
            anExif["Exif.Photo.DateTimeOriginal"] = theTags.dateTimeOriginal.toStdString();
        if (!theTags.offsetTimeOriginal.isEmpty())
            anExif["Exif.Photo.OffsetTimeOriginal"] = theTags.offsetTimeOriginal.toStdString();
        if (theTags.orientation)
            anExif["Exif.Image.Orientation"] = uint16_t(*theTags.orientation);
        if (theTags.exifRating)
            anExif["Exif.Image.Rating"] = uint16_t(*theTags.exifRating);
        if (theTags.xmpRating)
            anXmp["Xmp.xmp.Rating"] = std::to_string(*theTags.xmpRating);
        if (!theTags.xmpCreateDate.isEmpty())
            anXmp["Xmp.xmp.CreateDate"] = theTags.xmpCreateDate.toStdString();
        anImage->writeMetadata();
    } catch (const Exiv2::AnyError& theError) {
        qWarning("cannot write the tags of test photo %s: %s", qPrintable(thePath), theError.what());
        return false;
    }
    return true;
}

} // namespace LMTestSupport
