#include "LMDirectoryConfig.h"
#include "LMFileHandler.h"
#include "LMFoto.h"
#include "LMSVGImage.h"
#include "LMSVGImageCalendar.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
const QByteArray RED_SQUARE = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20' viewBox='0 0 40 20'>"
                              "<rect class='c' x='0' y='0' width='40' height='20' fill='#ff0000'/></svg>";
const QByteArray STYLED_SQUARE = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20' viewBox='0 0 40 20'>"
                                 "<style type='text/css'>.c { fill: #ff0000; }</style>"
                                 "<rect class='c' x='0' y='0' width='40' height='20'/></svg>";
const QByteArray HUGE_SQUARE = "<svg xmlns='http://www.w3.org/2000/svg' width='1000000' height='500000'>"
                               "<rect width='10' height='10'/></svg>";
} // namespace

// Photos named by URL, resource references of content files, and SVG images drawn with bounded
// sizes and one renderer per thread.
class TestFotoAndSvg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fotoFromString_data()
    {
        columns<QString, QString, QString, QString>("text", "base", "url", "hint");

        const auto row = [](const char* theTag, const QString& theText, const QString& theBase,
                            const QString& theUrl = QString(), const QString& theHint = QString()) {
            QTest::newRow(theTag) << theText << theBase << theUrl << theHint;
        };
        row("empty", QString(), "/fotos");
        row("blanks", "   ", "/fotos");
        row("absolute path", "/fotos/urlaub/a.jpg", "/other", "file:///fotos/urlaub/a.jpg", "a.jpg");
        row("relative path", "urlaub/../b.jpg", "/fotos", "file:///fotos/b.jpg", "b.jpg");
        row("umlaut and blank", "Ärmel Sommer.jpg", "/fotos", "file:///fotos/Ärmel Sommer.jpg", "Ärmel Sommer.jpg");
        row("file url", "file:///fotos/c.png", "/base", "file:///fotos/c.png", "c.png");
        row("web url", "https://example.org/v/clip.mp4", "/base", "https://example.org/v/clip.mp4", "clip.mp4");
        row("other scheme", "ftp://example.org/a.jpg", "/base");
        row("web url without host", "https:///a.jpg", "/base");
        row("malformed url", "http://exa mple.org/a.jpg", "/base");
    }

    void fotoFromString()
    {
        QFETCH(QString, url);

        const LMFoto aFoto = LMFoto::fromString(fetch<QString>("text"), fetch<QString>("base"));
        QCOMPARE(aFoto.isValid(), !url.isEmpty());
        QCOMPARE(aFoto.url().toString(), url);
        QTEST(aFoto.filenameHint(), "hint");
        // The written URL reads back as the same photo.
        QCOMPARE(LMFoto::fromString(aFoto.url().toString(), QStringLiteral("/elsewhere")), aFoto);
    }

    void fotoIdentity()
    {
        const LMFoto aFoto(QFileInfo(QStringLiteral("/fotos/x/../a.jpg")));
        const LMFoto aSame = LMFoto::fromString(QStringLiteral("a.jpg"), QStringLiteral("/fotos"));
        QCOMPARE(aFoto, aSame);
        QCOMPARE(qHash(aFoto), qHash(aSame));
        QCOMPARE(aFoto.hash(), aSame.hash());
        QVERIFY(aFoto != LMFoto::fromString(QStringLiteral("/fotos/A.jpg")));
        QVERIFY(!LMFoto(QFileInfo()).isValid());
        QCOMPARE(LMFoto(), LMFoto(QUrl()));
    }

    void relativeResourceReference_data()
    {
        columns<QString, QString>("path", "expected");

        row("empty", QString(), QString());
        row("inside the content tree", "@/designs/a/../b/page.svg", "designs/b/page.svg");
        row("the content root itself", "@", ".");
        row("outside", "/elsewhere/./x.svg", "/elsewhere/x.svg");
        row("sibling with the root's name as prefix", "@-old/x.svg", "@-old/x.svg");
        row("relative stays relative", "designs/./a//b.png", "designs/a/b.png");
    }

    void relativeResourceReference()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);

        QVERIFY(myDir.isValid());
        const QString aRoot = QFileInfo(myDir.path()).canonicalFilePath();
        LMDirectoryConfig::instance()->setContentRoot(aRoot);
        path.replace(QLatin1Char('@'), aRoot);
        expected.replace(QLatin1Char('@'), aRoot);
        QCOMPARE(LMFileHandler::makeRelativeResourceReference(path), expected);
    }

    void svgImage_data()
    {
        columns<QByteArray, QSizeF, QSize, QSize>("data", "defaultSize", "requested", "imageSize");

        row("small", RED_SQUARE, QSizeF(40, 20), QSize(80, 40), QSize(80, 40));
        row("declared size bounded", HUGE_SQUARE, QSizeF(8192, 4096), QSize(100, 50), QSize(100, 50));
        row("requested size bounded", RED_SQUARE, QSizeF(40, 20), QSize(20000, 10), QSize(8192, 4));
        row("empty request gives a null image", RED_SQUARE, QSizeF(40, 20), QSize(0, 10), QSize(0, 0));
    }

    void svgImage()
    {
        QFETCH(QByteArray, data);

        const LMSVGImage anImage(data);
        QVERIFY(anImage.isValid());
        QCOMPARE(anImage.type(), LMSVGImageAbstract::Type::Plain);
        QCOMPARE(anImage.defaultSize(), fetch<QSizeF>("defaultSize"));
        const QImage aPicture = anImage.toImage(fetch<QSize>("requested"));
        QTEST(aPicture.size(), "imageSize");
        if (!aPicture.isNull() && data == RED_SQUARE)
            QCOMPARE(aPicture.pixelColor(aPicture.width() / 2, aPicture.height() / 2), QColor(Qt::red));
    }

    void svgImageInvalid_data()
    {
        QTest::addColumn<QByteArray>("data");
        row("empty", QByteArray());
        row("not xml", QByteArray("not an svg <<"));
        row("xml but no svg", QByteArray("<html><body/></html>"));
    }

    void svgImageInvalid()
    {
        // Qt SVG reports its own parse problems; only ours is asserted.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SVG image could not be read")));
        const LMSVGImageCalendar anImage(fetch<QByteArray>("data"));
        QVERIFY(!anImage.isValid());
        QCOMPARE(anImage.defaultSize(), QSizeF());
        QVERIFY(anImage.toImage(QSize(10, 10)).isNull());
        QImage aTarget(10, 10, QImage::Format_ARGB32_Premultiplied);
        QPainter aPainter(&aTarget);
        QVERIFY(!anImage.render(&aPainter, QRectF(0, 0, 10, 10)));
    }

    void calendarImageSheets()
    {
        LMSVGImageCalendar anImage(STYLED_SQUARE,
                                   { { QStringLiteral("blue"), QStringLiteral(".c { fill: #0000ff; }") },
                                     { QStringLiteral("green"), QStringLiteral(".c { fill: #00ff00; }") } });
        QVERIFY(anImage.isValid());
        QCOMPARE(anImage.cssSheetNames(), QStringList({ QStringLiteral("blue"), QStringLiteral("green") }));
        const auto centre = [&anImage] {
            const QImage aPicture = anImage.toImage(QSize(40, 20));
            return aPicture.pixelColor(20, 10);
        };
        QCOMPARE(centre(), QColor(Qt::red));
        anImage.setCurrentCssSheet(QStringLiteral("blue"));
        QCOMPARE(centre(), QColor(Qt::blue));
        anImage.setCurrentCssSheet(QStringLiteral("green"));
        QCOMPARE(centre(), QColor(Qt::green));
        anImage.setCurrentCssSheet(QStringLiteral("no such sheet"));
        QCOMPARE(centre(), QColor(Qt::red));
    }

    void svgImageXml()
    {
        LMSVGImageCalendar aCalendar(STYLED_SQUARE,
                                     { { QStringLiteral("blue"), QStringLiteral(".c { fill: #0000ff; }") } });
        QDomDocument aDocument;
        QDomElement anArea = aDocument.createElement(QStringLiteral("svgarea"));
        aCalendar.buildXML(anArea);
        const std::unique_ptr<LMSVGImageCalendar> aRead = LMSVGImageCalendar::fromXml(anArea);
        QVERIFY(aRead->isValid());
        QCOMPARE(aRead->cssSheets(), aCalendar.cssSheets());
        QCOMPARE(aRead->defaultSize(), aCalendar.defaultSize());
        QCOMPARE(aRead->toImage(QSize(40, 20)), aCalendar.toImage(QSize(40, 20)));

        // A plain image is not equal to a calendar image of the same document.
        const LMSVGImage aPlain(aCalendar.data());
        QVERIFY(!aPlain.equals(aCalendar));
        QVERIFY(aPlain.clone()->equals(aPlain));
        QVERIFY(LMSVGImageAbstract::svgDataFromXml(aDocument.createElement(QStringLiteral("svgarea"))).isEmpty());
    }

    void svgImageFromManyThreads()
    {
        const LMSVGImage anImage(RED_SQUARE);
        const QImage anExpected = anImage.toImage(QSize(64, 32));
        // Plain threads, each drawing the one image several times in two sizes.
        constexpr int THREADS = 8;
        constexpr int RUNS = 8;
        std::vector<QList<QImage>> aPictures(THREADS);
        std::vector<std::thread> aThreads;
        for (int t = 0; t < THREADS; ++t) {
            aThreads.emplace_back([&anImage, &aPictures, t] {
                for (int aRun = 0; aRun < RUNS; ++aRun)
                    aPictures[size_t(t)].append(anImage.toImage(QSize(64, 32 + aRun % 2)));
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        for (const QList<QImage>& aThreadPictures : aPictures) {
            QCOMPARE(aThreadPictures.size(), RUNS);
            for (int aRun = 0; aRun < RUNS; ++aRun) {
                if (aRun % 2 == 0)
                    QCOMPARE(aThreadPictures.at(aRun), anExpected);
                else
                    QCOMPARE(aThreadPictures.at(aRun).size(), QSize(64, 33));
            }
        }
    }

private:
    QTemporaryDir myDir;
};

QTEST_MAIN(TestFotoAndSvg)
#include "tst_fotoandsvg.moc"
