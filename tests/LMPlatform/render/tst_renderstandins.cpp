#include "LMCalendariumRendererFactory.h"
#include "LMDirectoryConfig.h"
#include "LMEffectInvertPainter.h"
#include "LMEmptyFotoAreaMarker.h"
#include "LMOsmMapStyle.h"
#include "LMRenderingRule.h"
#include "LMShadowEffect.h"

#include "LMTestSupport.h"
#include "LMTestToString.h"

#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMCalendariumAppearance)
Q_DECLARE_METATYPE(LMCalendariumPreviewParameters)

namespace {
const QRect CANVAS(0, 0, 1200, 360);
// The grid in a box, the strip in a wide, low band.
const QRect GRID_TARGET(40, 30, 400, 300);
const QRect STRIP_TARGET(20, 200, 1160, 70);

LMCalendariumAppearance appearance(const QString& theLayout, const QString& theLanguage = QString(), int theOffset = 0,
                                   const QString& theSchema = QString())
{
    LMCalendariumAppearance anAppearance;
    anAppearance.setLayout(theLayout);
    anAppearance.setLanguage(theLanguage);
    anAppearance.setMonthOffset(theOffset);
    anAppearance.setColorSchema(theSchema);
    return anAppearance;
}

LMCalendariumPreviewParameters parameters(const QDate& theMonth, const QString& theContent = QString(),
                                          const QString& theSchema = QString())
{
    LMCalendariumPreviewParameters aParameters;
    aParameters.setRange(LMCalendariumRange(theMonth, 12));
    aParameters.setContentConfiguration(theContent);
    aParameters.setColorSchema(theSchema);
    return aParameters;
}

QImage transparentImage(const QSize& theSize)
{
    QImage anImage(theSize, QImage::Format_ARGB32_Premultiplied);
    anImage.fill(Qt::transparent);
    return anImage;
}

QImage drawn(const std::function<void(QPainter*)>& theDraw, const QSize& theSize = CANVAS.size())
{
    QImage anImage = transparentImage(theSize);
    QPainter aPainter(&anImage);
    theDraw(&aPainter);
    return anImage;
}

QRect targetOf(const LMCalendariumAppearance& theAppearance)
{
    return theAppearance.layout() == QLatin1String("strip") ? STRIP_TARGET : GRID_TARGET;
}

QImage calendar(const LMCalendariumAppearance& theAppearance, const LMCalendariumPreviewParameters& theParameters)
{
    const auto aRenderer = LMCalendariumRendererFactory::createRenderer(theAppearance, theParameters);
    return drawn([&](QPainter* thePainter) { aRenderer->render(thePainter, targetOf(theAppearance)); });
}

int countPixels(const QImage& theImage, const std::function<bool(QRgb, const QPoint&)>& theTest)
{
    int aCount = 0;
    for (int aY = 0; aY < theImage.height(); ++aY) {
        for (int anX = 0; anX < theImage.width(); ++anX) {
            if (theTest(theImage.pixel(anX, aY), QPoint(anX, aY)))
                ++aCount;
        }
    }
    return aCount;
}

int countColor(const QImage& theImage, QRgb theColor)
{
    return countPixels(theImage, [theColor](QRgb thePixel, const QPoint&) { return thePixel == theColor; });
}

int paintedOutside(const QImage& theImage, const QRect& theRect)
{
    return countPixels(theImage, [&theRect](QRgb thePixel, const QPoint& thePoint) {
        return qAlpha(thePixel) != 0 && !theRect.contains(thePoint);
    });
}
} // namespace

// The drawing stand-ins of previews: calendars, the empty photo area, the invert and shadow
// effects, map style samples and the rendering rule.
class TestRenderStandIns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void calendarRange_data()
    {
        columns<QDate, int, int, QDate, QDate>("first", "count", "shift", "shiftedFirst", "shiftedLast");

        row("within the year", QDate(2025, 1, 1), 3, 2, QDate(2025, 3, 1), QDate(2025, 5, 1));
        row("day set to 1", QDate(2025, 1, 31), 1, 1, QDate(2025, 2, 1), QDate(2025, 2, 1));
        row("across the year end", QDate(2024, 11, 1), 12, 3, QDate(2025, 2, 1), QDate(2026, 1, 1));
        row("negative across the year start", QDate(2025, 2, 15), 2, -14, QDate(2023, 12, 1), QDate(2024, 1, 1));
    }
    void calendarRange()
    {
        QFETCH(QDate, first);
        QFETCH(int, count);
        QFETCH(int, shift);
        QFETCH(QDate, shiftedFirst);
        QFETCH(QDate, shiftedLast);

        const LMCalendariumRange aRange(first, count);
        const LMCalendariumRange aShifted = aRange.shifted(shift);
        QCOMPARE(aShifted.firstMonth(), shiftedFirst);
        QCOMPARE(aShifted.lastMonth(), shiftedLast);
        QCOMPARE(aShifted.monthCount(), count);
        QCOMPARE(aShifted.shifted(-shift), aRange);
        QVERIFY(aShifted.contains(shiftedFirst));
        QVERIFY(aShifted.contains(shiftedLast.addMonths(1).addDays(-1)));
        QVERIFY(!aShifted.contains(shiftedFirst.addDays(-1)));
        QVERIFY(!aShifted.contains(shiftedLast.addMonths(1)));
        QVERIFY(!aShifted.contains(QDate()));

        const LMCalendariumRange aSame(QDate(first.year(), first.month(), 1), count);
        QCOMPARE(aRange, aSame);
        QCOMPARE(qHash(aRange, 7), qHash(aSame, 7));
        QVERIFY(aRange != LMCalendariumRange(first, count + 1));
    }

    void calendarRangeBadInput()
    {
        QTest::ignoreMessage(QtWarningMsg, "calendar range: 0 months, one month taken");
        QCOMPARE(LMCalendariumRange(QDate(2025, 6, 9), 0).monthCount(), 1);
        QTest::ignoreMessage(QtWarningMsg, "calendar range: invalid first month, January of this year taken");
        QCOMPARE(LMCalendariumRange(QDate(), 12), LMCalendariumRange());
        QCOMPARE(LMCalendariumRange().firstMonth(), QDate(QDate::currentDate().year(), 1, 1));
    }

    void shownMonth_data()
    {
        columns<QDate, int, QDate>("first", "offset", "shown");

        row("no offset", QDate(2025, 1, 1), 0, QDate(2025, 1, 1));
        row("into the next year", QDate(2024, 11, 1), 3, QDate(2025, 2, 1));
        row("back into the last year", QDate(2025, 1, 1), -1, QDate(2024, 12, 1));
        row("back more than a year", QDate(2025, 3, 1), -15, QDate(2023, 12, 1));
    }
    void shownMonth()
    {
        QTEST(LMCalendariumRendererFactory::createRenderer(appearance(QString(), QString(), fetch<int>("offset")),
                                                           parameters(fetch<QDate>("first")))
                  ->shownMonth(),
              "shown");
    }

    void nationalHoliday_data()
    {
        columns<QDate, bool>("date", "holiday");

        row("Good Friday 2024", QDate(2024, 3, 29), true);
        row("Whit Monday 2025", QDate(2025, 6, 9), true);
        row("Whit Tuesday 2025", QDate(2025, 6, 10), false);
        row("German Unity Day", QDate(2025, 10, 3), true);
    }
    void nationalHoliday() { QTEST(LMCalendariumRenderer::isNationalHoliday(fetch<QDate>("date")), "holiday"); }

    // Each layout draws in its target only and leaves the painter's state as it found it; days in
    // the schema's text colour, Sundays (fewer) in its accent colour.
    void calendarDrawing_data()
    {
        columns<QString, QString, QString>("layout", "content", "schema");

        row("classic grid", "grid", QString(), "classic");
        row("white grid with week numbers", "grid", "weeknumbers", "White");
        row("default strip", "strip", QString(), QString());
    }
    void calendarDrawing()
    {
        QFETCH(QString, layout);
        QFETCH(QString, schema);

        const QImage anImage = drawn([&](QPainter* thePainter) {
            const auto aRenderer = LMCalendariumRendererFactory::createRenderer(
                appearance(layout, {}, 0, schema), parameters(QDate(2025, 8, 1), fetch<QString>("content")));
            aRenderer->render(thePainter, targetOf(appearance(layout)));
            QVERIFY(!thePainter->hasClipping());
            // An empty target draws nothing.
            aRenderer->render(thePainter, QRectF(5, 5, 0, 20));
        });
        QVERIFY(countPixels(anImage, [](QRgb thePixel, const QPoint&) { return qAlpha(thePixel) != 0; }) > 500);
        QCOMPARE(paintedOutside(anImage, targetOf(appearance(layout))), 0);
        const LMCalendariumColorSchema aSchema = LMCalendariumColorSchema::named(schema);
        const QRgb anAccent = aSchema.accentColor().rgba();
        QVERIFY(countColor(anImage, anAccent) > 0);
        QVERIFY(countColor(anImage, aSchema.textColor().rgba()) > countColor(anImage, anAccent));
    }

    // Pairs of calendars that must differ, or be drawn alike.
    void calendarComparison_data()
    {
        columns<LMCalendariumAppearance, LMCalendariumPreviewParameters, LMCalendariumAppearance,
                LMCalendariumPreviewParameters, bool>("appearance", "parameters", "otherAppearance", "otherParameters",
                                                      "same");

        const QDate aMay(2025, 5, 1);
        row("other month", appearance("grid"), parameters(aMay), appearance("grid"), parameters(QDate(2025, 6, 1)),
            false);
        row("other language", appearance("grid", "de"), parameters(aMay), appearance("grid", "fr"), parameters(aMay),
            false);
        row("strip and grid", appearance("strip"), parameters(aMay), appearance("grid"), parameters(aMay), false);
        row("week numbers", appearance("grid"), parameters(aMay), appearance("grid"), parameters(aMay, "weeknumbers"),
            false);
        row("holidays", appearance("grid"), parameters(aMay), appearance("grid"), parameters(aMay, "holidays"), false);
        row("other schema", appearance("grid"), parameters(aMay), appearance("grid", {}, 0, "blue"), parameters(aMay),
            false);
        row("offset is the shifted range", appearance("grid", {}, 3), parameters(QDate(2024, 11, 1)),
            appearance("grid"), parameters(QDate(2025, 2, 1)), true);
        row("negative offset", appearance("strip", {}, -2), parameters(QDate(2025, 1, 1)), appearance("strip"),
            parameters(QDate(2024, 11, 1)), true);
        row("German without a language", appearance("grid"), parameters(aMay), appearance("grid", "de"),
            parameters(aMay), true);
        row("unknown layout is the grid", appearance("tiles"), parameters(aMay), appearance("grid"), parameters(aMay),
            true);
        row("unknown schema is classic", appearance("grid", {}, 0, "plaid"), parameters(aMay),
            appearance("grid", {}, 0, "classic"), parameters(aMay), true);
        row("the parameters' schema wins", appearance("grid", {}, 0, "blue"), parameters(aMay, {}, "classic"),
            appearance("grid"), parameters(aMay), true);
        row("unknown words ignored", appearance("grid"), parameters(aMay, " WeekNumbers ,sparkles,"),
            appearance("grid"), parameters(aMay, "weeknumbers"), true);
    }
    void calendarComparison()
    {
        QCOMPARE(
            calendar(fetch<LMCalendariumAppearance>("appearance"), fetch<LMCalendariumPreviewParameters>("parameters"))
                == calendar(fetch<LMCalendariumAppearance>("otherAppearance"),
                            fetch<LMCalendariumPreviewParameters>("otherParameters")),
            fetch<bool>("same"));
    }

    void invertTwice_data()
    {
        columns<QImage::Format, QRgb, QRgb>("format", "pixel", "inverted");

        row("premultiplied, half transparent", QImage::Format_ARGB32_Premultiplied, qRgba(40, 10, 0, 128),
            qRgba(88, 118, 128, 128));
        row("premultiplied, transparent", QImage::Format_ARGB32_Premultiplied, qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0));
        row("straight alpha", QImage::Format_ARGB32, qRgba(40, 10, 255, 77), qRgba(215, 245, 0, 77));
        row("opaque RGB32", QImage::Format_RGB32, qRgb(200, 0, 55), qRgb(55, 255, 200));
    }
    void invertTwice()
    {
        QImage anImage(3, 2, fetch<QImage::Format>("format"));
        anImage.fill(Qt::white);
        reinterpret_cast<QRgb*>(anImage.scanLine(1))[2] = fetch<QRgb>("pixel");
        const QImage anOriginal = anImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        LMEffectInvertPainter::invertARGB32(anImage);
        QCOMPARE(reinterpret_cast<const QRgb*>(anImage.constScanLine(1))[2], fetch<QRgb>("inverted"));
        QCOMPARE(anImage.pixel(0, 0), qRgb(0, 0, 0));
        LMEffectInvertPainter::invertARGB32(anImage);
        QCOMPARE(anImage.convertToFormat(QImage::Format_ARGB32_Premultiplied), anOriginal);
    }

    void shadowMargin_data()
    {
        columns<double, int>("radius", "margin");

        row("zero", 0.0, 0);
        row("negative", -3.0, 0);
        row("not a number", std::nan(""), 0);
        row("fraction rounds up", 0.2, 1);
        row("whole", 5.0, 5);
    }
    void shadowMargin()
    {
        QFETCH(double, radius);
        QFETCH(int, margin);

        QCOMPARE(LMShadowEffect::margin(radius), margin);
        QImage aSource = transparentImage(QSize(30, 20));
        QCOMPARE(LMShadowEffect::shadow(aSource, radius, 1).size(), aSource.size() + QSize(2 * margin, 2 * margin));
    }

    // An opaque 20 × 20 square in a 30 × 30 source: the shadow's alpha along the middle row, at
    // the centre, one pixel inside the left edge, one outside it, and beyond the blur's reach.
    void shadow_data()
    {
        columns<double, double, QColor>("radius", "intensity", "color");

        row("hard edge", 0.0, 1.0, QColor(Qt::black));
        row("soft edge", 5.0, 1.0, QColor(Qt::black));
        row("half intensity in red", 5.0, 0.5, QColor(Qt::red));
        row("intensity above 1 is 1", 2.0, 7.0, QColor(0, 0, 255));
        row("intensity 0", 5.0, 0.0, QColor(Qt::black));
    }
    void shadow()
    {
        QFETCH(double, radius);
        QFETCH(double, intensity);
        QFETCH(QColor, color);

        QImage aSource = transparentImage(QSize(30, 30));
        QPainter(&aSource).fillRect(QRect(5, 5, 20, 20), Qt::green);
        const QImage aShadow = LMShadowEffect::shadow(aSource, radius, intensity, color);
        QCOMPARE(aShadow.format(), QImage::Format_ARGB32_Premultiplied);
        const int aMargin = LMShadowEffect::margin(radius);
        const auto alphaAt = [&](int theX) {
            return qAlpha(aShadow.pixel(aMargin + theX, aMargin + 15));
        };
        const int aMaximum = qRound(255 * qBound(0.0, intensity, 1.0));
        if (aMaximum == 0) {
            QCOMPARE(countPixels(aShadow, [](QRgb thePixel, const QPoint&) { return thePixel != 0; }), 0);
            return;
        }
        QCOMPARE(alphaAt(15), aMaximum);
        QCOMPARE(aShadow.pixelColor(aMargin + 15, aMargin + 15).rgb(), color.rgb());
        if (radius <= 0) {
            QCOMPARE(alphaAt(5), aMaximum);
            QCOMPARE(alphaAt(4), 0);
        } else {
            QVERIFY(alphaAt(5) < aMaximum);
            QVERIFY(alphaAt(4) > 0);
            QVERIFY(alphaAt(4) < alphaAt(5));
            QCOMPARE(alphaAt(5 - aMargin - 1), 0);
        }
    }

    void shadowBadInput()
    {
        QVERIFY(LMShadowEffect::shadow(QImage(), 5, 1).isNull());
        QCOMPARE(LMShadowEffect::margin(1e300), LMShadowEffect::ourMaximumMargin);
        QTest::ignoreMessage(QtWarningMsg, "shadow of 8216 × 8202 pixels is too large, none drawn");
        QVERIFY(LMShadowEffect::shadow(transparentImage(QSize(24, 10)), 4096, 1).isNull());
    }

    void emptyFotoAreaMarker()
    {
        const QRect aRect(20, 10, 160, 100);
        const QImage anImage
            = drawn([&](QPainter* thePainter) { LMEmptyFotoAreaMarker::draw(thePainter, aRect); }, QSize(200, 150));
        QCOMPARE(paintedOutside(anImage, aRect), 0);
        QCOMPARE(anImage.pixel(aRect.topLeft()), LMEmptyFotoAreaMarker::ourFillColor);
        QCOMPARE(anImage.pixel(aRect.bottomRight()), LMEmptyFotoAreaMarker::ourFillColor);
        // Mountains and sun: 40 % of the shorter side is 40 pixels, so the pictogram is much more than a dot.
        const int aPictogram = countColor(anImage, LMEmptyFotoAreaMarker::ourPictogramColor);
        QVERIFY2(aPictogram > 300 && aPictogram < 1600, qPrintable(QString::number(aPictogram)));
        QVERIFY(LMEmptyFotoAreaMarker::ourPictogramColor != LMEmptyFotoAreaMarker::ourFillColor);
        const QImage anEmpty
            = drawn([](QPainter* thePainter) { LMEmptyFotoAreaMarker::draw(thePainter, QRectF(10, 10, -5, 40)); },
                    QSize(50, 50));
        QCOMPARE(anEmpty, transparentImage(QSize(50, 50)));
    }

    // Sample files in a content tree of the test's own: the picture found, else the drawn map.
    void mapStyleImage_data()
    {
        columns<QString, QString, bool>("name", "warning", "fromFile");

        row("png", "pngstyle", QString(), true);
        row("jpg when there is no png", "jpgstyle", QString(), true);
        row("no file", "nofile", QString(), false);
        row("no picture", "broken", "map style sample %1/broken.png is no picture", false);
        row("a folder", "folder", "cannot read map style sample %1/folder.png: not a regular file", false);
        row("a path", "../pngstyle", "map style name \"../pngstyle\" is no file name, its sample is drawn", false);
    }
    void mapStyleImage()
    {
        QFETCH(QString, name);
        QFETCH(QString, warning);

        QTemporaryDir aDir;
        const QString aStyles = aDir.filePath(QStringLiteral("osm_config/styles"));
        QVERIFY(QDir().mkpath(aStyles + QStringLiteral("/folder.png")));
        QImage aSample(6, 4, QImage::Format_RGB32);
        aSample.fill(qRgb(10, 200, 30));
        QVERIFY(aSample.save(aStyles + QStringLiteral("/pngstyle.png")));
        QVERIFY(aSample.save(aStyles + QStringLiteral("/jpgstyle.jpg"), "JPG", 100));
        LMTestSupport::writeFile(aDir, QStringLiteral("osm_config/styles/broken.png"), "not a picture");
        const QString aPreviousRoot = LMDirectoryConfig::instance()->contentRoot();
        LMDirectoryConfig::instance()->setContentRoot(aDir.path());

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.replace(QStringLiteral("%1"), aStyles)));
        const QImage anImage = LMOsmMapStyle(name).image();
        // Asked again, the cache answers: no second warning, the same picture.
        QCOMPARE(LMOsmMapStyle(name).image().cacheKey(), anImage.cacheKey());
        LMDirectoryConfig::instance()->setContentRoot(aPreviousRoot);

        if (fetch<bool>("fromFile")) {
            QCOMPARE(anImage.size(), aSample.size());
            QVERIFY(qAbs(qGreen(anImage.pixel(3, 2)) - 200) < 8);
        } else {
            QCOMPARE(anImage, LMOsmMapStyle::drawnSample(QStringLiteral("standard")));
        }
    }

    void mapStyleDrawnSample()
    {
        const QImage aStandard = LMOsmMapStyle::drawnSample(QString());
        QCOMPARE(aStandard.size(), QSize(512, 512));
        QSet<QRgb> aColors;
        for (int anI = 0; anI < 512; anI += 4)
            aColors.insert(aStandard.pixel(anI, anI));
        QVERIFY2(aColors.size() >= 5, qPrintable(QString::number(aColors.size())));
        QCOMPARE(LMOsmMapStyle::drawnSample(QStringLiteral("Standard")), aStandard);
        QCOMPARE(LMOsmMapStyle::drawnSample(QStringLiteral("unknown")), aStandard);
        QVERIFY(LMOsmMapStyle::drawnSample(QStringLiteral("dark")) != aStandard);
        QVERIFY(LMOsmMapStyle::drawnSample(QStringLiteral("mono"))
                != LMOsmMapStyle::drawnSample(QStringLiteral("sepia")));
    }

    void renderingRule()
    {
        QImage anImage = transparentImage(QSize(4, 4));
        QImage anOther = transparentImage(QSize(4, 4));
        QPainter aPainter(&anImage);
        QVERIFY(!LMRenderingRule::decodeFrom(&aPainter).isPreview());
        LMRenderingRule(LMRenderingRule::Purpose::Preview).encodeIn(&aPainter);
        QVERIFY(LMRenderingRule::decodeFrom(&aPainter).isPreview());
        // Only on the thread that encoded it.
        bool aPreviewElsewhere = true;
        std::thread([&] { aPreviewElsewhere = LMRenderingRule::decodeFrom(&aPainter).isPreview(); }).join();
        QVERIFY(!aPreviewElsewhere);
        LMRenderingRule().encodeIn(&aPainter);
        QCOMPARE(LMRenderingRule::decodeFrom(&aPainter).purpose(), LMRenderingRule::Purpose::Print);
        LMRenderingRule(LMRenderingRule::Purpose::Preview).encodeIn(&aPainter);
        aPainter.end();
        QCOMPARE(LMRenderingRule::decodeFrom(&aPainter), LMRenderingRule());

        aPainter.begin(&anImage);
        LMRenderingRule(LMRenderingRule::Purpose::Preview).encodeIn(&aPainter);
        aPainter.end();
        aPainter.begin(&anOther);
        QCOMPARE(LMRenderingRule::decodeFrom(&aPainter), LMRenderingRule());
        QCOMPARE(LMRenderingRule::decodeFrom(nullptr), LMRenderingRule());
        QTest::ignoreMessage(QtWarningMsg, "rendering rule: no active painter to encode it in");
        LMRenderingRule(LMRenderingRule::Purpose::Preview).encodeIn(nullptr);
    }

    // Calendars and map samples drawn by several threads at once: each as drawn alone, and one
    // cached sample for all.
    void drawingFromThreads()
    {
        const LMCalendariumAppearance anAppearance = appearance("grid", "en", 1, "blue");
        const LMCalendariumPreviewParameters aParameters = parameters(QDate(2025, 1, 1), "weeknumbers,holidays");
        const QImage aReference = calendar(anAppearance, aParameters);
        constexpr int ourThreads = 4;
        std::vector<QImage> aCalendars(ourThreads);
        std::vector<QImage> aSamples(ourThreads);
        std::vector<std::thread> aThreads;
        for (int anIndex = 0; anIndex < ourThreads; ++anIndex) {
            aThreads.emplace_back([&, anIndex] {
                aSamples[size_t(anIndex)] = LMOsmMapStyle(QStringLiteral("threaded sepia")).image();
                aCalendars[size_t(anIndex)] = calendar(anAppearance, aParameters);
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        for (int anIndex = 0; anIndex < ourThreads; ++anIndex) {
            QCOMPARE(aCalendars[size_t(anIndex)], aReference);
            QCOMPARE(aSamples[size_t(anIndex)].cacheKey(), aSamples.front().cacheKey());
        }
    }
};

QTEST_MAIN(TestRenderStandIns)
#include "tst_renderstandins.moc"
