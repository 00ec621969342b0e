#include "LMFotoMetaDataCache_p.h"

#include "LMContentFileReader.h"
#include "LMPlatformLogging.h"
#include "LMSingletonDefinition.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

#include <exiv2/exiv2.hpp>

#include <cmath>
#include <optional>

LM_DEFINE_SINGLETON(LMFotoMetaDataCache)

namespace {

const char* const STR_EXIF_ORIENTATION = "Exif.Image.Orientation";
const char* const STR_EXIF_DATE_TIME_ORIGINAL = "Exif.Photo.DateTimeOriginal";
const char* const STR_EXIF_OFFSET_TIME_ORIGINAL = "Exif.Photo.OffsetTimeOriginal";
const char* const STR_EXIF_RATING = "Exif.Image.Rating";
const char* const STR_XMP_RATING = "Xmp.xmp.Rating";
// In the order they are asked: the first readable date wins.
const char* const STR_XMP_DATES[] = { "Xmp.exif.DateTimeOriginal", "Xmp.xmp.CreateDate", "Xmp.photoshop.DateCreated" };

const QString STR_EXIF_DATE_FORMAT = QStringLiteral("yyyy:MM:dd HH:mm:ss");

std::recursive_mutex& xmpToolkitMutex()
{
    static std::recursive_mutex ourMutex;
    return ourMutex;
}

void lockXmpToolkit(void*, bool theLock)
{
    if (theLock)
        xmpToolkitMutex().lock();
    else
        xmpToolkitMutex().unlock();
}

// exiv2 0.27's XMP toolkit must be initialised once before threads parse XMP, and with a lock for
// the namespaces it registers while parsing. Done while the library is loaded, which no other
// thread can overtake; its messages on stderr are silenced at the same time.
struct LMExiv2Setup
{
    LMExiv2Setup()
    {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize(&lockXmpToolkit, nullptr);
    }
};
const LMExiv2Setup ourExiv2Setup;

void warn(const QString& thePath, const QString& theReason)
{
    qCWarning(lcPlatformFoto).noquote() << QStringLiteral("cannot read photo file %1: %2").arg(thePath, theReason);
}

const Exiv2::Exifdatum* exifDatum(const Exiv2::ExifData& theData, const char* theKey)
{
    const auto anIt = theData.findKey(Exiv2::ExifKey(theKey));
    return anIt == theData.end() || anIt->count() == 0 ? nullptr : &*anIt;
}

const Exiv2::Xmpdatum* xmpDatum(const Exiv2::XmpData& theData, const char* theKey)
{
    const auto anIt = theData.findKey(Exiv2::XmpKey(theKey));
    return anIt == theData.end() || anIt->count() == 0 ? nullptr : &*anIt;
}

QString text(const Exiv2::Metadatum& theDatum)
{
    QString aText = QString::fromStdString(theDatum.toString());
    aText.remove(QChar(0));
    return aText.trimmed();
}

// "+02:00" as seconds east of UTC.
std::optional<int> utcOffset(const QString& theText)
{
    static const QRegularExpression ourOffset(QStringLiteral("^([+-])(\\d\\d):(\\d\\d)$"));
    const QRegularExpressionMatch aMatch = ourOffset.match(theText);
    if (!aMatch.hasMatch())
        return std::nullopt;
    const int aSeconds = aMatch.captured(2).toInt() * 3600 + aMatch.captured(3).toInt() * 60;
    if (aSeconds > 14 * 3600)
        return std::nullopt;
    return aMatch.captured(1) == QLatin1String("-") ? -aSeconds : aSeconds;
}

// "2023:06:01 09:30:00", in local time unless an offset is known. Cameras without a clock write
// zeros or blanks: no date.
std::optional<qint64> exifEpoch(const QString& theDate, const QString& theOffset)
{
    const QDateTime aLocal = QDateTime::fromString(theDate.left(STR_EXIF_DATE_FORMAT.size()), STR_EXIF_DATE_FORMAT);
    if (!aLocal.isValid())
        return std::nullopt;
    if (const std::optional<int> anOffset = utcOffset(theOffset))
        return QDateTime(aLocal.date(), aLocal.time(), Qt::OffsetFromUTC, *anOffset).toSecsSinceEpoch();
    return aLocal.toSecsSinceEpoch();
}

// An XMP date: ISO 8601 with or without time, seconds, fraction and offset ("2023-06-01T09:30+02:00"),
// or only a year and month or a year; local time unless an offset is given.
std::optional<qint64> xmpEpoch(const QString& theText)
{
    QDateTime aDate = QDateTime::fromString(theText, Qt::ISODateWithMs);
    if (!aDate.isValid())
        aDate = QDateTime::fromString(theText, QStringLiteral("yyyy-MM"));
    if (!aDate.isValid())
        aDate = QDateTime::fromString(theText, QStringLiteral("yyyy"));
    if (!aDate.isValid())
        return std::nullopt;
    return aDate.toSecsSinceEpoch();
}

// XMP ratings are real numbers, EXIF ratings whole ones; -1 means rejected.
int clampedRating(double theRating)
{
    return qBound(-1, qRound(theRating), 5);
}

// Fills in orientation and rating; the capture time, when the metadata has one, is returned.
std::optional<qint64> readExiv2(const QString& thePath, const QByteArray& theData, LMFotoMetaData* theMetaData)
{
    std::optional<qint64> anEpoch;
    try {
        const auto* aBytes = reinterpret_cast<const Exiv2::byte*>(theData.constData());
        const long aSize = long(theData.size());
        // A picture exiv2 knows nothing of has no metadata for us: that is no fault.
        if (Exiv2::ImageFactory::getType(aBytes, aSize) == Exiv2::ImageType::none)
            return anEpoch;
        const Exiv2::Image::AutoPtr anImage = Exiv2::ImageFactory::open(aBytes, aSize);
        anImage->readMetadata();
        const Exiv2::ExifData& anExif = anImage->exifData();
        const Exiv2::XmpData& anXmp = anImage->xmpData();

        if (const Exiv2::Exifdatum* anOrientation = exifDatum(anExif, STR_EXIF_ORIENTATION)) {
            const long aValue = anOrientation->toLong();
            theMetaData->exifOrientation = aValue >= 1 && aValue <= 8 ? int(aValue) : 1;
        }

        if (const Exiv2::Exifdatum* aDate = exifDatum(anExif, STR_EXIF_DATE_TIME_ORIGINAL)) {
            const Exiv2::Exifdatum* anOffset = exifDatum(anExif, STR_EXIF_OFFSET_TIME_ORIGINAL);
            anEpoch = exifEpoch(text(*aDate), anOffset ? text(*anOffset) : QString());
        }
        for (const char* aKey : STR_XMP_DATES) {
            if (anEpoch)
                break;
            if (const Exiv2::Xmpdatum* aDate = xmpDatum(anXmp, aKey))
                anEpoch = xmpEpoch(text(*aDate));
        }

        bool isNumber = false;
        const Exiv2::Xmpdatum* anXmpRating = xmpDatum(anXmp, STR_XMP_RATING);
        const double anXmpValue = anXmpRating ? text(*anXmpRating).toDouble(&isNumber) : 0.0;
        if (isNumber && std::isfinite(anXmpValue))
            theMetaData->rating = clampedRating(anXmpValue);
        else if (const Exiv2::Exifdatum* anExifRating = exifDatum(anExif, STR_EXIF_RATING))
            theMetaData->rating = clampedRating(double(anExifRating->toLong()));
    } catch (const std::exception& theError) {
        // Exiv2::Error, and std::bad_alloc when a malformed file names a huge block.
        qCWarning(lcPlatformFoto).noquote() << QStringLiteral("cannot read the metadata of photo file %1: %2")
                                                   .arg(thePath, QString::fromUtf8(theError.what()));
    }
    return anEpoch;
}

} // namespace

LMFotoMetaDataCache::LMFotoMetaDataCache() = default;

LMFotoMetaDataCache::~LMFotoMetaDataCache() = default;

LMFotoMetaData LMFotoMetaDataCache::metaData(const QString& thePath)
{
    // Taken before the file is read: a file that changes while it is read is read again next time.
    const LMFileState aState = LMFileState::of(thePath);
    {
        const std::lock_guard aLocker(myMutex);
        if (const Entry* anEntry = myEntries.object(thePath); anEntry != nullptr && anEntry->state == aState)
            return anEntry->metaData;
    }
    LMFotoMetaData aMetaData;
    QByteArray aData;
    if (readFile(thePath, &aData))
        aMetaData = readMetaData(thePath, aData);
    const std::lock_guard aLocker(myMutex);
    myEntries.insert(thePath, new Entry { aState, aMetaData });
    return aMetaData;
}

void LMFotoMetaDataCache::clear()
{
    const std::lock_guard aLocker(myMutex);
    myEntries.clear();
}

bool LMFotoMetaDataCache::readFile(const QString& thePath, QByteArray* theData)
{
    LMContentFileReader::Result aFile = LMContentFileReader::read(thePath, ourMaximumFileSize);
    if (!aFile.isRead()) {
        warn(thePath, LMContentFileReader::reason(aFile, ourMaximumFileSize));
        return false;
    }
    *theData = std::move(aFile.data);
    return true;
}

LMFotoMetaData LMFotoMetaDataCache::readMetaData(const QString& thePath, const QByteArray& theData)
{
    LMFotoMetaData aMetaData;
    QBuffer aBuffer;
    aBuffer.setData(theData);
    aBuffer.open(QIODevice::ReadOnly);
    QImageReader aReader(&aBuffer);
    const QSize aSize = aReader.size();
    if (!aReader.canRead() || aSize.isEmpty()) {
        warn(thePath, QStringLiteral("not a picture"));
        return aMetaData;
    }
    aMetaData.valid = true;
    aMetaData.pixelSize = aSize;
    const std::optional<qint64> anEpoch = readExiv2(thePath, theData, &aMetaData);
    aMetaData.takenEpoch
        = anEpoch ? *anEpoch : QFileInfo(thePath).fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch();
    return aMetaData;
}
