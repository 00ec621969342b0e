// Photo metadata: what the library asks of a photo (size as shown, EXIF orientation, capture
// time, rating) for many JPEG files, read cold through LMFotoAccess (every round after touching the files)
// and warm from its metadata cache, against exiv2 alone opening each file and reading the same tags.
//
//   bench_photo_metadata [photos] [rounds]      (defaults: 1000 photos, 3 rounds)

#include "LMBenchSupport.h"
#include "LMFoto.h"
#include "LMFotoAccess.h"
#include "LMTestPhoto.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <exiv2/exiv2.hpp>

#include <cstdio>
#include <vector>

namespace {
// A 640 × 480 gradient with a disc, its colours from the index.
QImage picture(int theIndex)
{
    QImage anImage(640, 480, QImage::Format_RGB32);
    QPainter aPainter(&anImage);
    QLinearGradient aGradient(0, 0, 640, 480);
    aGradient.setColorAt(0, QColor::fromHsv(theIndex * 37 % 360, 120, 230));
    aGradient.setColorAt(1, QColor::fromHsv(theIndex * 53 % 360, 200, 90));
    aPainter.fillRect(anImage.rect(), aGradient);
    aPainter.setBrush(Qt::white);
    aPainter.drawEllipse(QPoint(100 + theIndex % 400, 240), 60, 60);
    return anImage;
}

// What the library reads of a photo, summed so that no read can be skipped.
qint64 libraryRead(const std::vector<LMFoto>& theFotos)
{
    qint64 aSum = 0;
    for (const LMFoto& aFoto : theFotos) {
        const LMFotoAccess anAccess(aFoto);
        aSum += anAccess.preferredSize().width() + anAccess.exifOrientation() + anAccess.pictureTakenEpoch()
            + anAccess.adobeRating();
    }
    return aSum;
}

// The same tags read by exiv2 alone: open, read the metadata, look the keys up.
qint64 exiv2Read(const std::vector<LMFoto>& theFotos)
{
    qint64 aSum = 0;
    for (const LMFoto& aFoto : theFotos) {
        auto anImage = Exiv2::ImageFactory::open(aFoto.localFilePath().toStdString());
        anImage->readMetadata();
        aSum += anImage->pixelWidth();
        const Exiv2::ExifData& anExif = anImage->exifData();
        for (const char* aKey : { "Exif.Image.Orientation", "Exif.Photo.DateTimeOriginal", "Exif.Image.Rating" }) {
            const auto aFound = anExif.findKey(Exiv2::ExifKey(aKey));
            if (aFound != anExif.end())
                aSum += qint64(aFound->toString().size());
        }
        const Exiv2::XmpData& anXmp = anImage->xmpData();
        const auto aRating = anXmp.findKey(Exiv2::XmpKey("Xmp.xmp.Rating"));
        if (aRating != anXmp.end())
            aSum += qint64(aRating->toString().size());
    }
    return aSum;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anApp(argc, argv);
    int aCount = 1000;
    int aRounds = 3;
    if (!LMBenchSupport::parseCountAndRounds(QCoreApplication::arguments(), "bench_photo_metadata", aCount, aRounds))
        return 2;

    QTemporaryDir aDir;
    std::vector<LMFoto> aFotos;
    for (int i = 0; i < aCount; ++i) {
        LMTestSupport::PhotoTags aTags;
        aTags.dateTimeOriginal = QStringLiteral("2023:06:%1 %2:15:00")
                                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                     .arg(i % 24, 2, 10, QLatin1Char('0'));
        aTags.orientation = 1 + i % 8;
        if (i % 2)
            aTags.xmpRating = i % 6;
        else
            aTags.exifRating = i % 6;
        const QString aPath = aDir.filePath(QStringLiteral("photo-%1.jpg").arg(i));
        if (!LMTestSupport::writePhoto(aPath, picture(i), aTags, 80))
            return 1;
        aFotos.emplace_back(QFileInfo(aPath));
    }
    std::printf("%d JPEG photos of 640x480 written\n", aCount);

    for (int aRound = 0; aRound < aRounds; ++aRound) {
        QElapsedTimer aTimer;
        aTimer.start();
        const qint64 anExiv2Sum = exiv2Read(aFotos);
        const qint64 anExiv2 = aTimer.nsecsElapsed();

        // A new modification time makes every photo new to the metadata cache.
        for (const LMFoto& aFoto : aFotos) {
            QFile aFile(aFoto.localFilePath());
            if (!aFile.open(QIODevice::ReadWrite)
                || !aFile.setFileTime(QDateTime::currentDateTime().addSecs(aRound + 1),
                                      QFileDevice::FileModificationTime))
                return 1;
        }
        aTimer.restart();
        const qint64 aColdSum = libraryRead(aFotos);
        const qint64 aCold = aTimer.nsecsElapsed();
        aTimer.restart();
        const qint64 aWarmSum = libraryRead(aFotos);
        const qint64 aWarm = aTimer.nsecsElapsed();

        std::printf("round %d: exiv2 alone %.1f us per photo; LMFotoAccess cold %.1f us (%.2f x exiv2), warm %.2f us "
                    "(%lld %lld %lld)\n",
                    aRound + 1, anExiv2 / 1e3 / aCount, aCold / 1e3 / aCount, double(aCold) / double(anExiv2),
                    aWarm / 1e3 / aCount, static_cast<long long>(anExiv2Sum), static_cast<long long>(aColdSum),
                    static_cast<long long>(aWarmSum));
    }
    return 0;
}
