// Writes the sample photos of the bundled content (content/sample/photos): small JPEG files of
// gradients and plain shapes in clearly different colours, with capture times of three events,
// ratings from 0 to 5 and one photo stored on its side (EXIF orientation 6). Prints the table of
// content/sample/photos/README.md, as the library reads the photos back.
//   make_sample_photos <folder>

#include "LMFotoAccess.h"
#include "LMTestPhoto.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <functional>

namespace {

using LMTestSupport::PhotoTags;

struct SamplePhoto
{
    const char* name;
    // As shown.
    QSize size;
    std::function<void(QPainter&, const QSizeF&)> draw;
    PhotoTags tags;
    const char* ratingSource;
};

void fillVertical(QPainter& thePainter, const QSizeF& theSize, const QColor& theTop, const QColor& theBottom)
{
    QLinearGradient aGradient(0, 0, 0, theSize.height());
    aGradient.setColorAt(0, theTop);
    aGradient.setColorAt(1, theBottom);
    thePainter.fillRect(QRectF(QPointF(0, 0), theSize), aGradient);
}

void sunrise(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(250, 140, 60), QColor(255, 225, 130));
    QRadialGradient aSun(theSize.width() * 0.7, theSize.height() * 0.55, theSize.height() * 0.22);
    aSun.setColorAt(0, QColor(255, 250, 220));
    aSun.setColorAt(1, QColor(255, 200, 90));
    thePainter.setBrush(aSun);
    thePainter.drawEllipse(QPointF(theSize.width() * 0.7, theSize.height() * 0.55), theSize.height() * 0.2,
                           theSize.height() * 0.2);
    thePainter.fillRect(QRectF(0, theSize.height() * 0.72, theSize.width(), theSize.height() * 0.28),
                        QColor(200, 90, 50));
}

void dunes(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(255, 210, 150), QColor(240, 170, 100));
    const QColor aSands[] = { QColor(215, 150, 80), QColor(190, 120, 60), QColor(160, 95, 45) };
    for (int i = 0; i < 3; ++i) {
        const qreal aBase = theSize.height() * (0.5 + 0.17 * i);
        QPainterPath aDune;
        aDune.moveTo(0, aBase);
        aDune.cubicTo(theSize.width() * 0.3, aBase - 70 + 20 * i, theSize.width() * 0.6, aBase + 40, theSize.width(),
                      aBase - 30);
        aDune.lineTo(theSize.width(), theSize.height());
        aDune.lineTo(0, theSize.height());
        aDune.closeSubpath();
        thePainter.fillPath(aDune, aSands[i]);
    }
}

void lighthouse(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(70, 130, 210), QColor(180, 215, 245));
    const qreal aLeft = theSize.width() * 0.4;
    const qreal aWidth = theSize.width() * 0.2;
    for (int i = 0; i < 6; ++i)
        thePainter.fillRect(QRectF(aLeft, theSize.height() * (0.25 + 0.09 * i), aWidth, theSize.height() * 0.09),
                            i % 2 ? QColor(245, 245, 245) : QColor(210, 40, 40));
    thePainter.fillRect(QRectF(aLeft - 10, theSize.height() * 0.18, aWidth + 20, theSize.height() * 0.07),
                        QColor(40, 40, 50));
    thePainter.fillRect(QRectF(0, theSize.height() * 0.79, theSize.width(), theSize.height() * 0.21),
                        QColor(30, 70, 140));
}

void shell(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(240, 215, 215), QColor(215, 190, 200));
    thePainter.setPen(QPen(QColor(200, 120, 140), 8));
    thePainter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 5; ++i)
        thePainter.drawEllipse(QPointF(theSize.width() / 2, theSize.height() / 2), 36.0 * i, 36.0 * i);
}

void forest(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(200, 230, 190), QColor(60, 130, 60));
    for (int i = 0; i < 4; ++i) {
        const qreal aX = theSize.width() * (0.15 + 0.23 * i);
        const qreal aTop = theSize.height() * (0.2 + 0.08 * (i % 2));
        QPainterPath aTree;
        aTree.moveTo(aX, aTop);
        aTree.lineTo(aX + 55, theSize.height() * 0.8);
        aTree.lineTo(aX - 55, theSize.height() * 0.8);
        aTree.closeSubpath();
        thePainter.fillPath(aTree, QColor(20, 90 + 15 * i, 40));
        thePainter.fillRect(QRectF(aX - 8, theSize.height() * 0.8, 16, theSize.height() * 0.1), QColor(90, 60, 30));
    }
}

void lake(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(150, 200, 230), QColor(230, 245, 250));
    QPainterPath aHills;
    aHills.moveTo(0, theSize.height() * 0.55);
    aHills.quadTo(theSize.width() * 0.25, theSize.height() * 0.25, theSize.width() * 0.5, theSize.height() * 0.5);
    aHills.quadTo(theSize.width() * 0.75, theSize.height() * 0.3, theSize.width(), theSize.height() * 0.55);
    aHills.lineTo(theSize.width(), theSize.height());
    aHills.lineTo(0, theSize.height());
    aHills.closeSubpath();
    thePainter.fillPath(aHills, QColor(60, 110, 140));
    QLinearGradient aWater(0, theSize.height() * 0.6, 0, theSize.height());
    aWater.setColorAt(0, QColor(40, 150, 170));
    aWater.setColorAt(1, QColor(10, 70, 110));
    thePainter.fillRect(QRectF(0, theSize.height() * 0.6, theSize.width(), theSize.height() * 0.4), aWater);
}

void rocks(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(200, 200, 205), QColor(140, 140, 145));
    const int aGreys[] = { 90, 120, 70, 150, 105 };
    for (int i = 0; i < 5; ++i) {
        thePainter.setPen(Qt::NoPen);
        thePainter.setBrush(QColor(aGreys[i], aGreys[i], aGreys[i] + 5));
        thePainter.drawEllipse(QRectF(theSize.width() * (0.02 + 0.19 * i), theSize.height() * (0.45 + 0.06 * (i % 3)),
                                      theSize.width() * 0.24, theSize.height() * 0.38));
    }
}

void city(QPainter& thePainter, const QSizeF& theSize)
{
    fillVertical(thePainter, theSize, QColor(30, 20, 70), QColor(120, 60, 120));
    for (int i = 0; i < 5; ++i) {
        const QRectF aHouse(theSize.width() * 0.2 * i, theSize.height() * (0.45 + 0.07 * (i % 3)),
                            theSize.width() * 0.18, theSize.height());
        thePainter.fillRect(aHouse, QColor(25, 25, 40));
        for (qreal aY = aHouse.top() + 20; aY < theSize.height() - 20; aY += 34)
            for (qreal aX = aHouse.left() + 12; aX < aHouse.right() - 16; aX += 24)
                thePainter.fillRect(QRectF(aX, aY, 10, 14), QColor(250, 210, 80));
    }
}

QList<SamplePhoto> samplePhotos()
{
    QList<SamplePhoto> aPhotos;
    const auto add
        = [&aPhotos](const char* theName, const QSize& theSize, std::function<void(QPainter&, const QSizeF&)> theDraw,
                     const PhotoTags& theTags, const char* theRatingSource) {
              aPhotos.append(SamplePhoto { theName, theSize, std::move(theDraw), theTags, theRatingSource });
          };
    // A morning at the sea, an afternoon in the hills four days later, an evening in town.
    add("morning-sunrise.jpg", QSize(600, 400), sunrise,
        PhotoTags { "2023:06:10 06:40:00", "+02:00", std::nullopt, std::nullopt, 4, QString() }, "XMP");
    add("morning-dunes.jpg", QSize(600, 450), dunes,
        PhotoTags { "2023:06:10 07:05:12", "+02:00", std::nullopt, 2, std::nullopt, QString() }, "EXIF");
    add("morning-lighthouse.jpg", QSize(400, 600), lighthouse,
        PhotoTags { "2023:06:10 07:31:40", "+02:00", 1, std::nullopt, 5, QString() }, "XMP");
    add("morning-shell.jpg", QSize(500, 500), shell,
        PhotoTags { "2023:06:10 08:02:05", "+02:00", std::nullopt, std::nullopt, std::nullopt, QString() }, "none");
    add("afternoon-forest.jpg", QSize(450, 600), forest,
        PhotoTags { "2023:06:14 15:20:00", "+02:00", 6, 3, std::nullopt, QString() }, "EXIF");
    add("afternoon-lake.jpg", QSize(600, 400), lake,
        PhotoTags { "2023:06:14 15:48:30", "+02:00", std::nullopt, 4, 1, QString() }, "XMP (EXIF says 4)");
    add("afternoon-rocks.jpg", QSize(600, 338), rocks,
        PhotoTags { QString(), QString(), std::nullopt, std::nullopt, 2, "2023-06-14T16:10:00+02:00" }, "XMP");
    add("evening-city.jpg", QSize(400, 600), city,
        PhotoTags { "2023:07:01 21:15:00", "+02:00", std::nullopt, std::nullopt, 3, QString() }, "XMP");
    return aPhotos;
}

QImage picture(const SamplePhoto& thePhoto)
{
    QImage anImage(thePhoto.size, QImage::Format_RGB32);
    QPainter aPainter(&anImage);
    aPainter.setRenderHint(QPainter::Antialiasing);
    aPainter.setPen(Qt::NoPen);
    thePhoto.draw(aPainter, QSizeF(thePhoto.size));
    aPainter.end();
    // Stored on its side, as a camera held upright writes it: turned back by a quarter to the left.
    if (thePhoto.tags.orientation == 6)
        return anImage.transformed(QTransform().rotate(-90));
    return anImage;
}

QString orientationText(const LMOrientation& theOrientation)
{
    if (theOrientation.isPortrait())
        return QStringLiteral("portrait");
    if (theOrientation.isLandscape())
        return QStringLiteral("landscape");
    return theOrientation.isSquare() ? QStringLiteral("square") : QStringLiteral("none");
}

// Every sample photo was taken at UTC+2; the table shows their times so.
constexpr int ourShownOffset = 2 * 3600;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anApp(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_sample_photos <folder>\n";
        return 2;
    }
    const QDir aFolder(QString::fromLocal8Bit(argv[1]));
    QTextStream anOut(stdout);
    anOut << "| File | Stored | Shown | EXIF orientation | Captured | Rating | Rating from | Bytes |\n"
          << "|---|---|---|---|---|---|---|---|\n";
    for (const SamplePhoto& aPhoto : samplePhotos()) {
        const QString aPath = aFolder.absoluteFilePath(QString::fromLatin1(aPhoto.name));
        const QImage anImage = picture(aPhoto);
        if (!LMTestSupport::writePhoto(aPath, anImage, aPhoto.tags, 92))
            return 1;
        const LMFotoAccess anAccess(LMFoto(QFileInfo(aPath)), 6);
        if (anAccess.preferredSize() != aPhoto.size) {
            QTextStream(stderr) << aPhoto.name << " is not read back at its size\n";
            return 1;
        }
        anOut << "| " << aPhoto.name << " | " << anImage.width() << " x " << anImage.height() << " | "
              << anAccess.preferredSize().width() << " x " << anAccess.preferredSize().height() << ' '
              << orientationText(anAccess.orientation()) << " | " << anAccess.exifOrientation() << " | "
              << QDateTime::fromSecsSinceEpoch(anAccess.pictureTakenEpoch(), Qt::OffsetFromUTC, ourShownOffset)
                     .toString(Qt::ISODate)
              << " | " << anAccess.adobeRating() << " | " << aPhoto.ratingSource << " | " << QFileInfo(aPath).size()
              << " |\n";
    }
    return 0;
}
