#include "LMFotoAccess.h"
#include "LMFotoCacheDrawable.h"
#include "LMMediaLoaderAbstract.h"
#include "LMMicroThumbnailCache.h"
#include "LMTestPhoto.h"
#include "LMTestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QtConcurrent/QtConcurrentMap>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <sys/stat.h>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

using LMTestSupport::PhotoTags;

Q_DECLARE_METATYPE(PhotoTags)

namespace {

enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

const QDateTime FILE_TIME(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC);

qint64 utc(const char* theIsoTime)
{
    return QDateTime::fromString(QString::fromLatin1(theIsoTime), Qt::ISODate).toSecsSinceEpoch();
}

// Blue, with a red block in the top left corner, so that each way of turning it shows.
QImage markedPicture(const QSize& theSize)
{
    QImage anImage(theSize, QImage::Format_RGB32);
    anImage.fill(QColor(0, 0, 255));
    QPainter(&anImage).fillRect(QRect(QPoint(0, 0), theSize / 3), QColor(255, 0, 0));
    return anImage;
}

QString writePhoto(const QTemporaryDir& theDir, const QString& theName, const QSize& theSize, const PhotoTags& theTags,
                   const QDateTime& theTime = FILE_TIME)
{
    const QString aPath = theDir.filePath(theName);
    if (!LMTestSupport::writePhoto(aPath, markedPicture(theSize), theTags))
        return QString();
    QFile aFile(aPath);
    if (!aFile.open(QIODevice::ReadWrite) || !aFile.setFileTime(theTime, QFileDevice::FileModificationTime))
        return QString();
    return aPath;
}

LMFoto fotoOf(const QString& thePath)
{
    return LMFoto(QFileInfo(thePath));
}

bool isRed(const QImage& theImage, Corner theCorner)
{
    const bool isRight = theCorner == Corner::TopRight || theCorner == Corner::BottomRight;
    const bool isBottom = theCorner == Corner::BottomLeft || theCorner == Corner::BottomRight;
    const int aX = isRight ? theImage.width() * 9 / 10 : theImage.width() / 10;
    const int aY = isBottom ? theImage.height() * 9 / 10 : theImage.height() / 10;
    const QColor aColor = theImage.pixelColor(aX, aY);
    return aColor.red() > 200 && aColor.blue() < 60;
}

} // namespace

// What the library reads of photos (size as shown, capture time, rating), their pictures at the
// size levels and in the micro thumbnail cache, placeholders, and template image files.
class TestFotoAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Three hours east of UTC and no summer time: local time differs from UTC and from every offset below.
        qputenv("TZ", "XST-03");
        ::tzset();
        QVERIFY(myDir.isValid());
    }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        LMMicroThumbnailCache::instance()->clear();
    }

    void metaData_data()
    {
        columns<PhotoTags, QSize, int, qint64, int>("tags", "shown", "exifOrientation", "epoch", "rating");
        const QSize aWide(60, 40);
        const QSize aTall(40, 60);
        const qint64 aFileTime = FILE_TIME.toSecsSinceEpoch();
        row("no tags: file time, no rating", PhotoTags(), aWide, 1, aFileTime, 0);
        row("orientation 6 shows it upright", PhotoTags { {}, {}, 6, {}, {}, {} }, aTall, 6, aFileTime, 0);
        row("orientation 3 keeps the size", PhotoTags { {}, {}, 3, {}, {}, {} }, aWide, 3, aFileTime, 0);
        row("orientation 9 is none", PhotoTags { {}, {}, 9, {}, {}, {} }, aWide, 1, aFileTime, 0);
        row("EXIF date with its offset", PhotoTags { "2023:06:10 09:15:00", "+02:00", {}, {}, {}, {} }, aWide, 1,
            utc("2023-06-10T07:15:00Z"), 0);
        row("EXIF date with a negative offset", PhotoTags { "2023:06:10 09:15:00", "-05:30", {}, {}, {}, {} }, aWide, 1,
            utc("2023-06-10T14:45:00Z"), 0);
        row("EXIF date without offset is local time", PhotoTags { "2023:06:10 09:15:00", {}, {}, {}, {}, {} }, aWide, 1,
            utc("2023-06-10T06:15:00Z"), 0);
        row("EXIF date wins over XMP",
            PhotoTags { "2023:06:10 09:15:00", "+00:00", {}, {}, {}, "2021-01-01T10:00:00Z" }, aWide, 1,
            utc("2023-06-10T09:15:00Z"), 0);
        row("XMP date wins over the file time", PhotoTags { {}, {}, {}, {}, {}, "2023-06-14T16:10:00+02:00" }, aWide, 1,
            utc("2023-06-14T14:10:00Z"), 0);
        row("XMP date without seconds and offset", PhotoTags { {}, {}, {}, {}, {}, "2023-06-14T16:10" }, aWide, 1,
            utc("2023-06-14T13:10:00Z"), 0);
        row("an EXIF date of zeros is none",
            PhotoTags { "0000:00:00 00:00:00", {}, {}, {}, {}, "2022-02-02T02:02:02Z" }, aWide, 1,
            utc("2022-02-02T02:02:02Z"), 0);
        row("XMP rating wins over EXIF", PhotoTags { {}, {}, {}, 4, 1, {} }, aWide, 1, aFileTime, 1);
        row("EXIF rating alone", PhotoTags { {}, {}, {}, 3, {}, {} }, aWide, 1, aFileTime, 3);
        row("rejected", PhotoTags { {}, {}, {}, {}, -1, {} }, aWide, 1, aFileTime, -1);
        row("ratings above 5 are clamped", PhotoTags { {}, {}, {}, 9, {}, {} }, aWide, 1, aFileTime, 5);
    }

    void metaData()
    {
        QFETCH(QSize, shown);
        const QString aPath = writePhoto(myDir, QTest::currentDataTag() + QStringLiteral(".jpg"), QSize(60, 40),
                                         fetch<PhotoTags>("tags"));
        QVERIFY(!aPath.isEmpty());
        const LMFotoAccess anAccess(fotoOf(aPath), 6);
        QVERIFY(anAccess.isValid());
        QCOMPARE(anAccess.preferredSize(), shown);
        QCOMPARE(anAccess.orientation(),
                 shown.height() > shown.width() ? LMOrientation(LMOrientationEnum::Portrait)
                                                : LMOrientation(LMOrientationEnum::Landscape));
        QTEST(anAccess.exifOrientation(), "exifOrientation");
        QTEST(anAccess.pictureTakenEpoch(), "epoch");
        QTEST(anAccess.adobeRating(), "rating");
    }

    void drawable_data()
    {
        columns<QSize, int, int, QSize, int>("stored", "orientation", "level", "expected", "redCorner");
        row("level 0: 32 px", QSize(600, 400), 1, 0, QSize(32, 21), int(Corner::TopLeft));
        row("level 5: 1024 px", QSize(1500, 1000), 1, 5, QSize(1024, 682), int(Corner::TopLeft));
        row("level 6: all of it", QSize(1500, 1000), 1, 6, QSize(1500, 1000), int(Corner::TopLeft));
        row("never enlarged", QSize(600, 400), 1, 5, QSize(600, 400), int(Corner::TopLeft));
        row("a thin strip keeps a pixel", QSize(2000, 10), 1, 0, QSize(32, 1), int(Corner::TopLeft));
        row("orientation 6 turns clockwise", QSize(600, 400), 6, 3, QSize(170, 256), int(Corner::TopRight));
        row("orientation 8 turns anticlockwise", QSize(600, 400), 8, 3, QSize(170, 256), int(Corner::BottomLeft));
        row("orientation 3 turns half way", QSize(600, 400), 3, 3, QSize(256, 170), int(Corner::BottomRight));
    }

    void drawable()
    {
        QFETCH(QSize, expected);
        QFETCH(int, redCorner);
        const QString aPath
            = writePhoto(myDir, QTest::currentDataTag() + QStringLiteral(".jpg"), fetch<QSize>("stored"),
                         PhotoTags { {}, {}, fetch<int>("orientation"), {}, {}, {} });
        const LMFotoAccess anAccess(fotoOf(aPath), fetch<int>("level"));
        const QImage anImage = anAccess.drawable();
        QCOMPARE(anImage.size(), expected);
        QCOMPARE(anAccess.preferredSize(), expected);
        QCOMPARE(anImage.format(), QImage::Format_RGB32);
        if (expected.height() > 1) {
            QVERIFY(isRed(anImage, Corner(redCorner)));
            QVERIFY(!isRed(anImage, Corner(3 - redCorner)));
        }
    }

    // Photos, and image files below "media/", that cannot be read.
    void unreadable_data()
    {
        columns<QString, QStringList>("name", "warnings");
        row("a pipe", "pipe.jpg",
            QStringList { "cannot read photo file .*pipe.jpg: not a regular file",
                          "cannot read photo file .*pipe.jpg: not a regular file" });
        row("a text file", "text.jpg",
            QStringList { "cannot read photo file .*text.jpg: not a picture",
                          "cannot draw photo .*text.jpg: not a picture" });
        row("no such file", "missing.jpg",
            QStringList { "cannot read photo file .*missing.jpg: not found",
                          "cannot read photo file .*missing.jpg: not found" });
        QTest::newRow("a web photo") << "https://example.org/a.jpg"
                                     << QStringList { "cannot draw photo https://example.org/a.jpg: not a local file" };
        row("a pipe as image file", "media/pipe.png",
            QStringList { "cannot read image file .*/media/pipe.png: not a regular file" });
        row("a text file as image file", "media/text.png",
            QStringList { "cannot read image file .*/media/text.png: not a picture" });
        row("no such image file", "media/missing.png",
            QStringList { "cannot read image file .*/media/missing.png: not found" });
    }

    void unreadable()
    {
        QFETCH(QString, name);
        const QString aPath = myDir.filePath(name);
        if (name.contains(QLatin1String("pipe.")) && !QFileInfo::exists(aPath)) {
            QVERIFY(QDir().mkpath(QFileInfo(aPath).absolutePath()));
            QCOMPARE(::mkfifo(QFile::encodeName(aPath).constData(), 0600), 0);
        }
        if (name.contains(QLatin1String("text.")))
            LMTestSupport::writeFile(myDir, name, "no picture at all");
        for (const QString& aWarning : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(aWarning));
        if (name.startsWith(QLatin1String("media/"))) {
            QVERIFY(!LMMediaLoaderAbstract::isValidMedia(aPath));
            QVERIFY(!LMMediaLoaderAbstract::imageSize(aPath).isValid());
            QVERIFY(LMMediaLoaderAbstract::bitmap(aPath, QSize(10, 10)).isNull());
            return;
        }
        const LMFotoAccess anAccess(LMFoto::fromString(name, myDir.path()));
        QVERIFY(!anAccess.isValid());
        QVERIFY(!anAccess.preferredSize().isValid());
        QCOMPARE(anAccess.orientation(), LMOrientation(LMOrientationEnum::None));
        QCOMPARE(anAccess.pictureTakenEpoch(), qint64(-1));
        QCOMPARE(anAccess.adobeRating(), 0);
        // Asked again, the metadata is not read again; the picture is tried again.
        QCOMPARE(anAccess.exifOrientation(), 1);
        QVERIFY(anAccess.drawable().isNull());
    }

    void unreadableMicroThumbIsNotKept()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("gone.jpg: not found")));
        QVERIFY(LMMicroThumbnailCache::instance()->microThumb(fotoOf(myDir.filePath("gone.jpg")), 0).isNull());
        QCOMPARE(LMMicroThumbnailCache::instance()->count(), 0);
    }

    // Same size, other tags, other modification time: metadata and micro thumbnail are read anew.
    void rewrittenPhotoIsReadAgain()
    {
        const QString aPath = writePhoto(myDir, "rewritten.jpg", QSize(90, 60), PhotoTags { {}, {}, 1, {}, 2, {} });
        const qint64 aSize = QFileInfo(aPath).size();
        LMMicroThumbnailCache* aCache = LMMicroThumbnailCache::instance();
        QCOMPARE(LMFotoAccess(fotoOf(aPath)).adobeRating(), 2);
        const QImage aFirst = aCache->microThumb(fotoOf(aPath), 1);
        QCOMPARE(aFirst.size(), QSize(64, 42));
        QCOMPARE(aCache->microThumb(fotoOf(aPath), 1).cacheKey(), aFirst.cacheKey());
        QCOMPARE(aCache->count(), 1);

        QCOMPARE(writePhoto(myDir, "rewritten.jpg", QSize(90, 60), PhotoTags { {}, {}, 6, {}, 4, {} },
                            FILE_TIME.addSecs(10)),
                 aPath);
        QCOMPARE(QFileInfo(aPath).size(), aSize);
        const LMFotoAccess anAccess(fotoOf(aPath));
        QCOMPARE(anAccess.adobeRating(), 4);
        QCOMPARE(anAccess.orientation(), LMOrientation(LMOrientationEnum::Portrait));
        const QImage aSecond = aCache->microThumb(fotoOf(aPath), 1);
        QCOMPARE(aSecond.size(), QSize(42, 64));
        QCOMPARE(aCache->count(), 1);
    }

    void fotoList_data()
    {
        // A rating of -9 stands for a missing file.
        columns<QList<int>, int>("ratings", "best");
        row("the highest", QList<int> { 1, 4, 2 }, 1);
        row("ties go to the first", QList<int> { 3, 5, 5 }, 1);
        row("rejected below unrated", QList<int> { -1, 0 }, 1);
        row("missing files are passed by", QList<int> { -9, -1 }, 1);
        row("only missing files", QList<int> { -9 }, -1);
        row("empty", QList<int>(), -1);
    }

    void fotoList()
    {
        QFETCH(QList<int>, ratings);
        QFETCH(int, best);
        LMFotoList aList;
        for (qsizetype i = 0; i < ratings.size(); ++i) {
            const QString aName = QStringLiteral("%1-%2.jpg").arg(QTest::currentDataTag()).arg(i);
            if (ratings.at(i) == -9)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(aName + QStringLiteral(": not found")));
            aList.append(ratings.at(i) == -9 ? fotoOf(myDir.filePath(aName))
                                             : fotoOf(writePhoto(myDir, aName, QSize(30, 20),
                                                                 PhotoTags { {}, {}, {}, {}, ratings.at(i), {} })));
        }
        QCOMPARE(aList.bestRatedFoto(), best < 0 ? LMFoto() : aList.at(best));
    }

    void portraitAndLandscape()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("absent.jpg: not found")));
        const LMFotoList aList {
            fotoOf(writePhoto(myDir, "wide.jpg", QSize(60, 40), PhotoTags())),
            fotoOf(writePhoto(myDir, "turned.jpg", QSize(60, 40), PhotoTags { {}, {}, 6, {}, {}, {} })),
            fotoOf(writePhoto(myDir, "square.jpg", QSize(50, 50), PhotoTags())),
            fotoOf(writePhoto(myDir, "tall.jpg", QSize(40, 60), PhotoTags())),
            fotoOf(myDir.filePath("absent.jpg")),
        };
        QCOMPARE(aList.countPortraitAndLandscape(), LMPortraitAndLandscapeCount(2, 2));
    }

    // Metadata and pictures of the same new photos asked for at once: each thread gets what one
    // thread alone would, and the cache keeps each photo and level once.
    void microThumbsFromSeveralThreads()
    {
        QList<QPair<LMFoto, int>> aRequests;
        for (int i = 0; i < 64; ++i) {
            const QString aName = QStringLiteral("thread-%1.jpg").arg(i % 4);
            const PhotoTags aTags { "2023:06:10 09:15:00", {}, 1 + 5 * (i % 2), {}, i, {} };
            aRequests.append(
                { fotoOf(i < 4 ? writePhoto(myDir, aName, QSize(80 + 10 * i, 60), aTags) : myDir.filePath(aName)),
                  i % 3 });
        }
        const auto aResults = QtConcurrent::blockingMapped(aRequests, [](const QPair<LMFoto, int>& theRequest) {
            const LMFotoAccess anAccess(theRequest.first, theRequest.second);
            const QImage anImage = LMMicroThumbnailCache::instance()->microThumb(theRequest.first, theRequest.second);
            return QList<QVariant> { anImage.size(), anAccess.preferredSize(), anAccess.adobeRating() };
        });
        for (qsizetype i = 0; i < aRequests.size(); ++i) {
            const LMFotoAccess anAccess(aRequests.at(i).first, aRequests.at(i).second);
            QCOMPARE(aResults.at(i),
                     (QList<QVariant> { anAccess.preferredSize(), anAccess.preferredSize(), int(i % 4) }));
        }
        QCOMPARE(LMMicroThumbnailCache::instance()->count(), 12);
    }

    void placeHolder_data()
    {
        QTest::addColumn<QSize>("size");
        row("one pixel", QSize(1, 1));
        row("tall", QSize(37, 200));
        row("wide", QSize(640, 480));
        row("empty", QSize(0, 10));
    }

    void placeHolder()
    {
        QFETCH(QSize, size);
        if (size.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no placeholder of")));
        const QImage anImage = LMFotoCacheDrawable::placeHolder(size);
        QCOMPARE(anImage.isNull(), size.isEmpty());
        if (size.isEmpty())
            return;
        QCOMPARE(anImage.size(), size);
        QCOMPARE(anImage.format(), QImage::Format_ARGB32_Premultiplied);
        // The upper glass, half way between the top and the waist.
        const int aGlass = qMin(size.width(), size.height()) / 2;
        if (aGlass >= 4)
            QCOMPARE(anImage.pixelColor(0, 0), LMFotoCacheDrawable::backgroundColor());
        if (aGlass >= 32)
            QCOMPARE(anImage.pixelColor(size.width() / 2, size.height() / 2 - aGlass / 4),
                     LMFotoCacheDrawable::hourglassColor());
    }

    void media_data()
    {
        columns<QString, QByteArray, QSize, QSize, QSize>("name", "content", "fit", "own", "expected");
        const QByteArray aSvg = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='40'>"
                                "<rect width='20' height='40' fill='#ff0000'/></svg>";
        row("PNG enlarged", "a.png", encoded(QSize(40, 20), "PNG"), QSize(100, 100), QSize(40, 20), QSize(100, 50));
        row("JPEG reduced", "b.jpg", encoded(QSize(400, 200), "JPG"), QSize(100, 100), QSize(400, 200), QSize(100, 50));
        row("a PNG named .jpg", "c.jpg", encoded(QSize(40, 20), "PNG"), QSize(20, 20), QSize(40, 20), QSize(20, 10));
        row("no size: its own", "d.png", encoded(QSize(40, 20), "PNG"), QSize(), QSize(40, 20), QSize(40, 20));
        row("SVG drawn at the size", "e.svg", aSvg, QSize(50, 50), QSize(20, 40), QSize(25, 50));
        row("SVG after blank lines", "f.svg", QByteArray(100, '\n') + aSvg, QSize(50, 50), QSize(20, 40),
            QSize(25, 50));
    }

    void media()
    {
        const QString aPath = LMTestSupport::writeFile(myDir, QStringLiteral("media/") + fetch<QString>("name"),
                                                       fetch<QByteArray>("content"));
        QVERIFY(LMMediaLoaderAbstract::isValidMedia(aPath));
        QTEST(LMMediaLoaderAbstract::imageSize(aPath), "own");
        const QImage anImage = LMMediaLoaderAbstract::bitmap(aPath, fetch<QSize>("fit"));
        QTEST(anImage.size(), "expected");
        QVERIFY(isRed(anImage, Corner::BottomRight));
    }

private:
    static QByteArray encoded(const QSize& theSize, const char* theFormat)
    {
        QByteArray aData;
        QBuffer aBuffer(&aData);
        QImage anImage(theSize, QImage::Format_RGB32);
        anImage.fill(QColor(255, 0, 0));
        anImage.save(&aBuffer, theFormat);
        return aData;
    }

    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestFotoAccess)
#include "tst_fotoaccess.moc"
