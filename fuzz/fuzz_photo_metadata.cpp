// The metadata of a photo file: pixel size, EXIF orientation, capture time and rating from EXIF and
// XMP, read through exiv2 and Qt's image readers.
#include "LMFoto.h"
#include "LMFotoAccess.h"
#include "LMFuzzSupport.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    // A new name for each input: the metadata of a path is cached for as long as the file's size
    // and time stay the same, which two inputs written within a second can share.
    static int ourNumber = 0;
    const QString aName = QStringLiteral("photos/fuzz-%1.jpg").arg(ourNumber++);
    const QFileInfo aFile = LMFuzzSupport::writeInput(aName, theData, theSize);
    const LMFotoAccess anAccess(LMFoto(aFile), 1);
    const bool isConsistent = !anAccess.isValid()
        || (anAccess.preferredSize().isValid() && anAccess.adobeRating() >= -1 && anAccess.adobeRating() <= 5
            && anAccess.exifOrientation() >= 1 && anAccess.exifOrientation() <= 8);
    anAccess.pictureTakenEpoch();
    QFile::remove(aFile.filePath());
    return isConsistent ? 0 : 1;
}
