#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace LMTestSupport {

// The metadata a test photo is written with; empty texts and empty ratings write no tag.
struct PhotoTags
{
    // "2023:06:10 09:15:00"
    QString dateTimeOriginal;
    // "+02:00"
    QString offsetTimeOriginal;
    std::optional<int> orientation;
    std::optional<int> exifRating;
    std::optional<int> xmpRating;
    // "2023-06-10T09:15:00+02:00"
    QString xmpCreateDate;
};

// Writes the picture as a JPEG file (creating missing folders), then its tags with exiv2. False,
// with a warning, when either step fails.
bool writePhoto(const QString& thePath, const QImage& theImage, const PhotoTags& theTags, int theQuality = 90);

} // namespace LMTestSupport
