#include "LMSVGImageCalendar.h"
#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionFotoBackground.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTest>

#include <utility>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

namespace {
// A photo area given in fractions of the page, and its rotation.
struct Box
{
    QRectF rect;
    int rotation = 0;
};
using Boxes = QList<Box>;

// A layout for the sort and distance tables: photo areas, text areas and the page it was
// generated for (0: made by hand).
struct Layout
{
    Boxes fotos;
    int texts = 0;
    int generatedFor = 0;
};

// A text area of the second text kind (bit 8192), as calendar texts are.
class CalendarTextArea : public LMTemplateAreaDefinitionText
{
public:
    using LMTemplateAreaDefinitionText::LMTemplateAreaDefinitionText;
    LMAreaType areaType() const override { return LMAreaTypeEnum::CalendarText; }
};

template <typename Area> std::unique_ptr<Area> area(const QRectF& theRect, int theRotation = 0)
{
    return std::make_unique<Area>(LMRotatedRect(theRect, LMAngle(theRotation)), LMAreaAbilityEnum::FotoDefault,
                                  LMAreaDecoration(), LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(),
                                  QSizeF(1, 1), LMAreaCreationRuleEnum::Default);
}

LMTemplateAreaDefinitionList photos(const Boxes& theBoxes)
{
    LMTemplateAreaDefinitionList aList;
    for (const Box& aBox : theBoxes)
        aList.append(area<LMTemplateAreaDefinitionFoto>(aBox.rect, aBox.rotation));
    aList.setValid(true);
    return aList;
}

// A list spelled one letter per area: p portrait photo, l landscape photo, s square photo,
// t text, x calendar text, c clipart, k calendar, b photo background. Two letters gather the photo
// areas spelled so far into a smart layout: g moves them into it (as layouts of XML files have
// them), G gives it copies and keeps them (as SVG pages have them).
template <typename Area> std::unique_ptr<LMTemplateAreaDefinition> anyArea(const QRectF& theRect)
{
    return area<Area>(theRect);
}

LMTemplateAreaDefinitionList spelled(const QString& theAreas)
{
    using Make = std::unique_ptr<LMTemplateAreaDefinition> (*)(const QRectF&);
    static const QHash<char, std::pair<Make, QRectF>> ourKinds {
        { 'p', { &anyArea<LMTemplateAreaDefinitionFoto>, QRectF(0.1, 0.1, 0.2, 0.4) } },
        { 'l', { &anyArea<LMTemplateAreaDefinitionFoto>, QRectF(0.5, 0.1, 0.4, 0.2) } },
        { 's', { &anyArea<LMTemplateAreaDefinitionFoto>, QRectF(0.5, 0.5, 0.3, 0.3) } },
        { 't', { &anyArea<LMTemplateAreaDefinitionText>, QRectF(0.1, 0.8, 0.8, 0.1) } },
        { 'x', { &anyArea<CalendarTextArea>, QRectF(0.1, 0.9, 0.8, 0.05) } },
        { 'c', { &anyArea<LMTemplateAreaDefinitionClipart>, QRectF(0.8, 0.8, 0.1, 0.1) } },
        { 'k', { &anyArea<LMTemplateAreaDefinitionCalendarium>, QRectF(0, 0.5, 1, 0.5) } },
        { 'b', { &anyArea<LMTemplateAreaDefinitionFotoBackground>, QRectF(0, 0, 1, 1) } },
    };
    LMTemplateAreaDefinitionList aList;
    for (const QChar aKind : theAreas) {
        if (aKind == QLatin1Char('g')) {
            aList = LMTemplate::injectSmartLayout(std::move(aList));
            if (aList.count(LMAreaTypeEnum::Foto) != 0)
                qFatal("the photo areas were not gathered");
        } else if (aKind == QLatin1Char('G')) {
            auto aSmartLayout = area<LMTemplateAreaDefinitionSmartLayout>(QRectF(0, 0, 1, 1));
            for (const LMTemplateAreaDefinition* anArea : aList.filter(LMAreaTypeEnum::Foto))
                aSmartLayout->addChild(anArea->clone());
            aList.append(std::move(aSmartLayout));
        } else {
            const auto [aMake, aRect] = ourKinds.value(aKind.toLatin1());
            aList.append(aMake(aRect));
        }
    }
    aList.setValid(true);
    return aList;
}

LMTemplateAnalysis analysed(const Layout& theLayout)
{
    LMTemplateAreaDefinitionList aList = photos(theLayout.fotos);
    for (int i = 0; i < theLayout.texts; ++i)
        aList.append(area<LMTemplateAreaDefinitionText>(QRectF(0.1, 0.9, 0.1, 0.05)));
    return LMTemplateAnalysis(aList, 1.0, LMPageAlignment::fromInt(theLayout.generatedFor));
}

// Photo areas written "x,y,w,h" or "x,y,w,h@degrees", separated by blanks.
Boxes boxes(const QString& theText)
{
    Boxes aBoxes;
    for (const QString& aBox : theText.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList aValues = aBox.section(QLatin1Char('@'), 0, 0).split(QLatin1Char(','));
        aBoxes.append({ QRectF(aValues.at(0).toDouble(), aValues.at(1).toDouble(), aValues.at(2).toDouble(),
                               aValues.at(3).toDouble()),
                        aBox.section(QLatin1Char('@'), 1).toInt() });
    }
    return aBoxes;
}

LMAreaMeasurements measured(const Boxes& theBoxes, double theAspect = 1.0)
{
    LMAreaMeasurements aMeasurements;
    aMeasurements.buildFromAreas(photos(theBoxes), theAspect);
    return aMeasurements;
}

// Photo areas that cover the given share of the page: one full-width area, and a second one for
// what exceeds the page.
Boxes covering(double theShare)
{
    if (theShare <= 1.0)
        return { { QRectF(0, 0, 1, theShare) } };
    return { { QRectF(0, 0, 1, 1) }, { QRectF(0, 0, 1, theShare - 1.0) } };
}

const Boxes ONE_AREA = { { QRectF(0.25, 0.25, 0.5, 0.5) } };
const Boxes OVERLAPPING = { { QRectF(0, 0, 0.5, 0.5) }, { QRectF(0.25, 0.25, 0.5, 0.5) } };
const Box PORTRAIT { QRectF(0.1, 0.1, 0.2, 0.4) };
const Box LANDSCAPE { QRectF(0.5, 0.1, 0.4, 0.2) };
// Just off a boundary, far enough for the boundary's own rounding.
constexpr double JUST = 1e-9;
// One area of several kinds: a photo, a text with a default text, a clipart with and one
// without clipart, a map and an SVG area with a calendar image.
LMTemplateAreaDefinitionList mixed()
{
    LMTemplateAreaDefinitionList aList;
    aList.append(area<LMTemplateAreaDefinitionFoto>(QRectF(0.1, 0.1, 0.3, 0.4)));
    auto aText = area<LMTemplateAreaDefinitionText>(QRectF(0.5, 0.8, 0.4, 0.1));
    aText->setDefaultText(QStringLiteral("Hallo"));
    aList.append(std::move(aText));
    auto aFilled = area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.1, 0.1, 0.1));
    aFilled->setClipart(LMConfiguredDecorationTemplate(LMDesignElementID(7)));
    aList.append(std::move(aFilled));
    aList.append(area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.3, 0.1, 0.1)));
    aList.append(area<LMTemplateAreaDefinitionOsm>(QRectF(0.5, 0.1, 0.2, 0.2)));
    auto anSvg = area<LMTemplateAreaDefinitionSVG>(QRectF(0, 0, 1, 1));
    anSvg->setDefaultCssSheet(QStringLiteral("winter"));
    anSvg->setSvgImage(std::make_unique<LMSVGImageCalendar>(
        QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='2'/>"),
        QMap<QString, QString>({ { QStringLiteral("autumn"), QString() }, { QStringLiteral("winter"), QString() } })));
    aList.append(std::move(anSvg));
    aList.setValid(true);
    return aList;
}
} // namespace

Q_DECLARE_METATYPE(Boxes)
Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(LMRealRange)

// The measures of a list of areas, its deep copies, filters and XML form; area counts, area
// measurements and their checks against the layout flags, and the analysis that sorts layouts and
// measures how different they are.
class TestTemplateAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void areaCount_data()
    {
        columns<QString, double, int, int, int, int, int>("areas", "aspect", "portrait", "landscape", "texts",
                                                          "clipartDummies", "calendars");

        row("mixed list", "ptlckpsc", 1.0, 2, 2, 1, 2, 1);
        row("both text kinds count", "txtx", 1.0, 0, 0, 4, 0, 0);
        row("square photos count as landscape", "ss", 1.0, 0, 2, 0, 0, 0);
        row("a tall page turns a square area portrait", "s", 0.5, 1, 0, 0, 0, 0);
        row("photo backgrounds are no photo areas", "bp", 1.0, 1, 0, 0, 0, 0);
        row("photos moved into a smart layout", "pltg", 1.0, 1, 1, 1, 0, 0);
        row("photos kept beside the smart layout's copies", "pltG", 1.0, 1, 1, 1, 0, 0);
        row("a photo beside the gathered ones", "plgs", 1.0, 1, 2, 0, 0, 0);
    }

    void areaCount()
    {
        QFETCH(int, portrait);
        QFETCH(int, landscape);
        QFETCH(int, texts);
        QFETCH(int, clipartDummies);
        QFETCH(int, calendars);

        LMAreaCount aCount;
        aCount.buildFromAreas(spelled(fetch<QString>("areas")), fetch<double>("aspect"));
        QCOMPARE(aCount.portraitAndLandscapeCount(), LMPortraitAndLandscapeCount(portrait, landscape));
        QCOMPARE(aCount.countFotoAreas(), portrait + landscape);
        QCOMPARE(aCount.hasLessPortraitThanLandscape(), portrait < landscape);
        QCOMPARE(aCount.countTexts(), texts);
        QCOMPARE(aCount.countClipartDummies(), clipartDummies);
        QCOMPARE(aCount.hasClipartDummy(), clipartDummies > 0);
        QCOMPARE(aCount.countCalendariums(), calendars);
        QCOMPARE(aCount,
                 LMAreaCount(LMPortraitAndLandscapeCount(portrait, landscape), texts, clipartDummies, calendars));
    }

    void areaCountHash()
    {
        LMAreaCount aCount;
        aCount.buildFromAreas(spelled(QStringLiteral("ltpkltx")), 1.0);
        LMAreaCount aReordered;
        aReordered.buildFromAreas(spelled(QStringLiteral("xtltlpk")), 1.0);
        QCOMPARE(aReordered, aCount);
        QCOMPARE(aReordered.hashValue(), aCount.hashValue());
        QCOMPARE(qHash(aReordered), qHash(aCount));
        // Landscape 2 XOR 1 calendar × 100000 XOR 3 texts.
        QCOMPARE(aCount.hashValue(), 2 ^ 100000 ^ 3);

        // The portrait count takes no part in the hash, but in the equality.
        const LMAreaCount aMorePortrait(LMPortraitAndLandscapeCount(5, 2), 3, 0, 1);
        QCOMPARE(aMorePortrait.hashValue(), aCount.hashValue());
        QVERIFY(!(aMorePortrait == aCount));
        QCOMPARE(LMAreaCount(LMPortraitAndLandscapeCount(1, 2), 3, 0, 1), aCount);
        QVERIFY(!(LMAreaCount(LMPortraitAndLandscapeCount(1, 2), 3, 1, 1) == aCount));
    }

    void measurementsOfPhotoAreasOnly()
    {
        // A text across both photos and a turned clipart change none of the measurements.
        LMTemplateAreaDefinitionList aList
            = photos({ { QRectF(0, 0.25, 0.4, 0.5) }, { QRectF(0.6, 0.25, 0.4, 0.2), 5 } });
        aList.append(area<LMTemplateAreaDefinitionText>(QRectF(0, 0.3, 1, 0.1)));
        aList.append(area<LMTemplateAreaDefinitionClipart>(QRectF(0.2, 0.2, 0.1, 0.1), 45));

        LMAreaMeasurements aMeasurements;
        aMeasurements.buildFromAreas(aList, 2.0);
        QCOMPARE(aMeasurements.spaciousness(), 0.4 * 0.5 + 0.4 * 0.2);
        QVERIFY(aMeasurements.isCrazy()); // the turned photo
        QCOMPARE(aMeasurements.countInclinedFotos(), 1);
        QVERIFY(!aMeasurements.isWellBalanced());
        QCOMPARE(aMeasurements.formatRange(), LMRealRange(1.6, 4.0));
        QVERIFY(!aMeasurements.isTight());

        LMAreaMeasurements anEmpty;
        anEmpty.buildFromAreas(spelled(QStringLiteral("tck")), 1.0);
        QCOMPARE(anEmpty, LMAreaMeasurements());
        QCOMPARE(anEmpty.hashValue(), 0u);
        QCOMPARE(measured(covering(0.25)).hashValue(), 250000u);
    }

    // Each check of the measurements against the layout flags, strict or not.
    void checks_data()
    {
        columns<QString, Boxes, int, int, bool, bool>("check", "boxes", "texts", "flags", "strict", "ok");
        const auto spaciness = [](const char* theName, double theShare, int theFlags, bool theStrict, bool theOk) {
            row(theName, "spaciness", covering(theShare), 0, theFlags, theStrict, theOk);
        };
        const auto crazyness = [](const char* theName, int theFlags, bool theStrict, bool theCrazy, bool theOk) {
            row(theName, "crazyness", theCrazy ? OVERLAPPING : ONE_AREA, 0, theFlags, theStrict, theOk);
        };
        const auto panoramaness
            = [](const char* theName, bool theExtreme, bool thePanorama, bool theStrict, bool theOk) {
                  row(theName, "panoramaness", Boxes({ { QRectF(0, 0.4, theExtreme ? 0.9 : 0.3, 0.2) } }), 0,
                      thePanorama ? 8 : 0, theStrict, theOk);
              };

        const int T = 1, W = 2, R = 256;
        spaciness("no wish, below 1.1", 1.1 - 0.001, 0, false, true);
        spaciness("no wish, above 1.1", 1.1 + 0.001, 0, false, false);
        spaciness("tight and spacious, anything below 1.1", 0.1, T + W, true, true);
        spaciness("tight strict, just below 0.65", 0.649, T, true, false);
        spaciness("tight strict, just above 0.65", 0.651, T, true, true);
        spaciness("spacious strict, just below 0.51", 0.509, W, true, true);
        spaciness("spacious strict, just above 0.51", 0.511, W, true, false);
        spaciness("strict ignores the relaxed test", 0.6, T + R, true, false);
        spaciness("tight, just below 0.65", 0.649, T, false, false);
        spaciness("tight, just above 0.65", 0.651, T, false, true);
        spaciness("spacious, just above 0.65", 0.651, W, false, false);
        spaciness("relaxed tight, just below 0.55", 0.549, T + R, false, false);
        spaciness("relaxed tight, just above 0.55", 0.551, T + R, false, true);
        spaciness("relaxed spacious, just below 0.8", 0.799, W + R, false, true);
        spaciness("relaxed spacious, just above 0.8", 0.801, W + R, false, false);

        // Not strict: the crazy setting (mask 224) decides.
        crazyness("0, calm", 0, false, false, true);
        crazyness("0, crazy", 0, false, true, false);
        crazyness("64 requires, calm", 64, false, false, false);
        crazyness("64 requires, crazy", 64, false, true, true);
        crazyness("128 allows, crazy", 128, false, true, true);
        crazyness("192 is no setting, crazy", 192, false, true, false);
        crazyness("other bits do not matter, crazy", 64 + 256 + 1, false, true, true);
        // Strict: crazy exactly when the lowest byte is 64 or more.
        crazyness("strict 64, calm", 64, true, false, false);
        crazyness("strict 64, crazy", 64, true, true, true);
        crazyness("strict 63, crazy", 63, true, true, false);
        crazyness("strict 256 has a low byte of 0, calm", 256, true, false, true);

        panoramaness("ordinary, no panorama", false, false, false, true);
        panoramaness("extreme, no panorama", true, false, false, false);
        panoramaness("extreme, panorama", true, true, false, true);
        panoramaness("strict ordinary, panorama", false, true, true, false);
        panoramaness("strict extreme, no panorama", true, false, true, false);
        panoramaness("strict extreme, panorama", true, true, true, true);

        const Boxes aTightCalm = { { QRectF(0, 0, 1, 0.7) } };
        const Boxes aPanorama = { { QRectF(0, 0, 1, 0.7) }, { QRectF(0, 0.8, 0.9, 0.2) } };
        row("all pass", "measurements", aTightCalm, 0, 1, false, true);
        row("crazy fails", "measurements", Boxes({ { QRectF(0, 0, 1, 0.7), 3 } }), 0, 1, false, false);
        row("spaciness fails", "measurements", aTightCalm, 0, 2, false, false);
        row("panorama fails", "measurements", aPanorama, 0, 1, false, false);
        row("panorama allowed", "measurements", aPanorama, 0, 1 + 8, false, true);

        row("no texts, no flags", "texts", ONE_AREA, 0, 0, false, true);
        row("a text, no flags", "texts", ONE_AREA, 1, 0, false, false);
        row("a text, texts allowed", "texts", ONE_AREA, 1, 16, false, true);
        row("a text, every other bit", "texts", ONE_AREA, 1, 1023 - 16, false, false);
    }

    void checks()
    {
        QFETCH(QString, check);
        QFETCH(Boxes, boxes);
        QFETCH(bool, strict);

        const LMAreaMeasurements aMeasurements = measured(boxes);
        const LMLayoutFlags aFlags = LMLayoutFlags::fromInt(fetch<int>("flags"));
        bool anOk = false;
        if (check == QLatin1String("spaciness")) {
            anOk = aMeasurements.checkSpaciness(aFlags, strict);
        } else if (check == QLatin1String("crazyness")) {
            anOk = aMeasurements.checkCrazyness(aFlags, strict);
        } else if (check == QLatin1String("panoramaness")) {
            anOk = aMeasurements.checkPanoramaness(aFlags, strict);
        } else if (check == QLatin1String("measurements")) {
            anOk = aMeasurements.checkMeasurements(aFlags, strict);
            QCOMPARE(LMTemplateAnalysis(photos(boxes), 1.0).checkMeasurements(aFlags, strict), anOk);
        } else {
            anOk = analysed({ boxes, fetch<int>("texts") }).checkTexts(aFlags);
        }
        QTEST(anOk, "ok");
    }

    void formats_data()
    {
        columns<Boxes, double, double, bool, bool>("boxes", "aspect", "mostExtreme", "extremeFormat",
                                                   "extremePortrait");

        const Boxes aSquare = { { QRectF(0.25, 0.25, 0.5, 0.5) } };
        row("exactly 16:9", aSquare, 16.0 / 9.0, 16.0 / 9.0, false, false);
        row("just wider than 16:9", aSquare, 16.0 / 9.0 + JUST, 16.0 / 9.0 + JUST, true, false);
        row("exactly 9:16", aSquare, 9.0 / 16.0, 16.0 / 9.0, false, false);
        row("just taller than 9:16", aSquare, 9.0 / 16.0 - JUST, 1.0 / (9.0 / 16.0 - JUST), true, true);
        row("the taller side decides", Boxes({ { QRectF(0, 0, 0.1, 0.5) }, { QRectF(0.5, 0, 0.4, 0.1) } }), 1.0, 5.0,
            true, true);
        // Without photo areas the range stays unset: most extreme 1, but a minimum of 0 is below 9:16.
        row("no photo areas", Boxes(), 1.0, 1.0, false, true);
    }

    void formats()
    {
        const LMAreaMeasurements aMeasurements = measured(fetch<Boxes>("boxes"), fetch<double>("aspect"));
        QTEST(aMeasurements.mostExtremeFormat(), "mostExtreme");
        QTEST(aMeasurements.hasExtremeFormat(), "extremeFormat");
        QTEST(aMeasurements.hasExtremePortrait(), "extremePortrait");
    }

    void layoutSortCriterium_data()
    {
        columns<Layout, Layout, int>("a", "b", "order");

        const Box aSmall { QRectF(0.1, 0.1, 0.2, 0.1) };
        row("generated first, despite more photos", Layout { { PORTRAIT, LANDSCAPE }, 0, 1 }, Layout { { PORTRAIT } },
            1);
        row("made by hand after generated", Layout { { PORTRAIT } }, Layout { { PORTRAIT }, 0, 4 }, 0);
        row("both generated, for other pages", Layout { { PORTRAIT }, 0, 1 }, Layout { { PORTRAIT }, 0, 2 }, 2);
        row("fewer photos first, despite more texts", Layout { { PORTRAIT }, 2 }, Layout { { PORTRAIT, PORTRAIT } }, 1);
        row("fewer texts first, despite less landscape", Layout { { PORTRAIT } }, Layout { { LANDSCAPE }, 1 }, 1);
        row("more landscape first, despite more cover", Layout { { LANDSCAPE, { QRectF(0, 0, 0.9, 0.5) } } },
            Layout { { PORTRAIT, LANDSCAPE } }, 1);
        row("less cover first", Layout { { aSmall } }, Layout { { LANDSCAPE } }, 1);
        row("equal cover, different places", Layout { { LANDSCAPE } },
            Layout { { { QRectF(0.1, 0.7, 0.4, 0.2), 10 } } }, 2);
        row("equal layouts", Layout { { PORTRAIT, LANDSCAPE }, 1 }, Layout { { PORTRAIT, LANDSCAPE }, 1 }, 2);
    }

    void layoutSortCriterium()
    {
        QFETCH(int, order);

        const LMTemplateAnalysis anA = analysed(fetch<Layout>("a"));
        const LMTemplateAnalysis aB = analysed(fetch<Layout>("b"));
        QCOMPARE(anA.layoutSortCriterium(aB), order);
        // Swapped, the other comes first; undecided stays undecided.
        QCOMPARE(aB.layoutSortCriterium(anA), order == LMTemplateAnalysis::Undecided ? order : 1 - order);
    }

    void normalizedDistance_data()
    {
        columns<Layout, Layout, double>("a", "b", "distance");

        const Box aTurned { PORTRAIT.rect, 5 };
        row("equal", Layout { { PORTRAIT, LANDSCAPE }, 1 }, Layout { { PORTRAIT, LANDSCAPE }, 1 }, 0.0);
        row("spaciousness only", Layout { { { QRectF(0, 0, 0.5, 0.2) } } }, Layout { { { QRectF(0, 0, 0.5, 0.4) } } },
            0.1 / 100);
        row("inclined only", Layout { { PORTRAIT } }, Layout { { aTurned } }, 10.0 / 100);
        row("orientation only", Layout { { PORTRAIT } }, Layout { { LANDSCAPE } }, 20.0 / 100);
        row("one more photo", Layout { { PORTRAIT } }, Layout { { PORTRAIT, PORTRAIT } }, (0.08 + 20 + 19) / 100);
        row("texts only", Layout { { PORTRAIT }, 1 }, Layout { { PORTRAIT }, 3 }, 50.0 / 100);
        row("generated for a page counts for nothing", Layout { { PORTRAIT }, 0, 1 }, Layout { { PORTRAIT } }, 0.0);
        row("everything", Layout { { PORTRAIT } }, Layout { { aTurned, PORTRAIT }, 1 },
            (0.08 + 10 + 20 + 19 + 50) / 100);
    }

    void normalizedDistance()
    {
        QFETCH(double, distance);

        const LMTemplateAnalysis anA = analysed(fetch<Layout>("a"));
        const LMTemplateAnalysis aB = analysed(fetch<Layout>("b"));
        QCOMPARE(anA.normalizedDistance(aB), distance);
        QCOMPARE(aB.normalizedDistance(anA), distance);
    }

    void copiesAndHashes()
    {
        const LMTemplateAnalysis anAnalysis = analysed({ { PORTRAIT, LANDSCAPE }, 1, 2 });
        const LMTemplateAnalysis aSame = analysed({ { LANDSCAPE, PORTRAIT }, 1, 2 });
        QCOMPARE(aSame, anAnalysis);
        QCOMPARE(aSame.hashValue(), anAnalysis.hashValue());
        QCOMPARE(qHash(aSame), qHash(anAnalysis));
        QVERIFY(!(analysed({ { PORTRAIT, LANDSCAPE }, 1, 1 }) == anAnalysis));

        LMTemplateAnalysis aCopy(anAnalysis);
        QCOMPARE(aCopy, anAnalysis);
        LMTemplateAnalysis aMoved(std::move(aCopy));
        QCOMPARE(aMoved, anAnalysis);
        // A moved-from analysis answers like an empty layout and can be assigned again.
        QCOMPARE(aCopy, LMTemplateAnalysis()); // NOLINT(bugprone-use-after-move)
        QCOMPARE(aCopy.countFotoAreas(), 0);
        aCopy = aMoved;
        QCOMPARE(aCopy.countFotoAreasInLandscape(), 1);
        aMoved = LMTemplateAnalysis();
        QCOMPARE(aCopy, anAnalysis);
        QCOMPARE(aMoved.countFotoAreas(), 0);

        // The default analysis is that of an empty layout.
        QCOMPARE(LMTemplateAnalysis(), LMTemplateAnalysis(LMTemplateAreaDefinitionList(), 1.0));
        QVERIFY(LMTemplateAnalysis().isWellBalanced());
        QCOMPARE(LMTemplateAnalysis().mostExtremeFormat(), 1.0);
    }

    void fromTemplate()
    {
        LMTemplate aTemplate;
        aTemplate.setAreaDefinitions(spelled(QStringLiteral("pslltkc")));
        aTemplate.setSmartGeneratedLayoutForPage(LMPageAlignmentEnum::Right);

        const LMTemplateAnalysis anAnalysis(aTemplate, 0.5);
        QCOMPARE(anAnalysis, LMTemplateAnalysis(spelled(QStringLiteral("pslltkc")), 0.5, LMPageAlignmentEnum::Right));
        QCOMPARE(anAnalysis.smartGeneratedLayoutForPage(), LMPageAlignment(LMPageAlignmentEnum::Right));
        // On a page half as wide as tall the square area is portrait.
        QCOMPARE(anAnalysis.portraitAndLandscapeCount(), LMPortraitAndLandscapeCount(2, 2));
        QCOMPARE(anAnalysis.countTexts(), 1);
        QCOMPARE(anAnalysis.countCalendariums(), 1);
        QVERIFY(anAnalysis.hasClipartDummy());
    }

    // What a list of photo areas answers on a page of that aspect, for each key the row names.
    void listMeasures_data()
    {
        columns<QString, double, QString>("boxes", "aspect", "expected");
        row("apart", ".0,0,.4,.4 .5,.5,.4,.4", 1.0, "crazy=0 inclined=0");
        row("touching edges", "0,0,.5,.5 .5,0,.5,.5", 1.0, "crazy=0 inclined=0");
        row("overlap of a thousandth", "0,0,.5,.5 .499,0,.5,.5", 1.0, "crazy=1 inclined=0");
        row("third overlaps the first only", "0,0,.3,.3 .6,.6,.3,.3 .2,.2,.3,.3", 1.0, "crazy=1 inclined=0");
        row("two inclined", "0,0,.2,.2@45 .5,.5,.2,.2@-10", 1.0, "crazy=1 inclined=2");
        row("turned by a right angle, apart", "0,0,.2,.2@90 .5,.5,.2,.2", 1.0, "crazy=1 inclined=0");
        row("turned a little, apart", "0,0,.2,.2 .5,.5,.2,.2@5", 1.0, "crazy=1 inclined=1");
        row("full turn counts as none", "0,0,.2,.2@360 .5,.5,.2,.2", 1.0, "crazy=0 inclined=0");
        row("empty", "", 1.0, "balanced=1 range=0,0 orientations= counts=0,0");
        row("mirror pair", "0,.25,.4,.5 .6,.25,.4,.5", 1.0, "balanced=1");
        // A whole-page area weighs 1; its centre moved by d gives |x| = d.
        row("just inside the bound", ".0099,0,1,1", 1.0, "balanced=1");
        row("just outside the bound", ".0101,0,1,1", 1.0, "balanced=0");
        row("x and y add up", ".006,.006,1,1", 1.0, "balanced=0");
        // Weights (-0.04, 0), (0.012, -0.004) and (0.012, 0.004): the mean is about -0.0053.
        row("heavy left, two light right", ".1,.25,.4,.5 .7,.3,.2,.2 .7,.5,.2,.2", 1.0, "balanced=1");
        row("one area sets both bounds", "0,0,.2,.4", 1.0, "range=0.5,0.5 orientations=1 counts=1,0");
        row("page aspect", "0,0,.2,.4 0,0,.4,.2 0,0,.2,.2", 1.5, "range=0.75,3 orientations=1,2,2 counts=1,2");
        row("square counts as landscape", "0,0,.2,.4 0,0,.4,.2", 2.0, "range=1,4 orientations=4,2 counts=0,2");
    }

    void listMeasures()
    {
        const double anAspect = fetch<double>("aspect");
        const LMTemplateAreaDefinitionList aList = photos(boxes(fetch<QString>("boxes")));
        QStringList aValues;
        for (const QString& aPair : fetch<QString>("expected").split(QLatin1Char(' '))) {
            const QString aKey = aPair.section(QLatin1Char('='), 0, 0);
            QStringList aValue;
            if (aKey == QLatin1String("crazy"))
                aValue << QString::number(aList.isCrazy());
            else if (aKey == QLatin1String("inclined"))
                aValue << QString::number(aList.countInclined());
            else if (aKey == QLatin1String("balanced"))
                aValue << QString::number(aList.isWellBalanced());
            else if (aKey == QLatin1String("range"))
                aValue << QString::number(aList.formatRange(anAspect).min())
                       << QString::number(aList.formatRange(anAspect).max());
            else if (aKey == QLatin1String("counts"))
                aValue << QString::number(aList.countPortraitAndLandscapeAreas(anAspect).portraitCount())
                       << QString::number(aList.countPortraitAndLandscapeAreas(anAspect).landscapeCount());
            else
                for (const LMOrientation& anOrientation : aList.orientations(anAspect))
                    aValue << QString::number(anOrientation.value());
            aValues << aKey + QLatin1Char('=') + aValue.join(QLatin1Char(','));
        }
        QTEST(aValues.join(QLatin1Char(' ')), "expected");
    }

    // The counts, shares, filters and per-area answers of a list of every kind.
    void mixedList()
    {
        QCOMPARE(LMTemplateAreaDefinitionList().calculateSpaciousness(), 0.0);
        QCOMPARE(LMTemplateAreaDefinitionList().smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Foto), 0.0);
        LMTemplateAreaDefinitionList aList = mixed();
        QCOMPARE(aList.count(LMAreaType(LMAreaTypeEnum::Foto) | LMAreaType(LMAreaTypeEnum::Osm)), 2);
        QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Foto), 0.12);
        QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Clipart), 0.01);
        QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::QRCode), 0.0);
        QCOMPARE(aList.calculateSpaciousness(), 0.12 + 0.04 + 0.01 + 0.01 + 0.04 + 1.0);
        QVERIFY(aList.containsOsmMaps() && aList.hasFilledCliparts() && aList.containsPrefilledTexts());
        QCOMPARE(aList.availableCssSheets(), words("autumn winter"));

        // Filters answer clones of their own.
        LMTemplateAreaDefinitionList aCliparts = aList.filter(LMAreaTypeEnum::Clipart);
        QCOMPARE(aCliparts.count(), 2);
        QVERIFY(aCliparts.isValid());
        aCliparts.at(0)->setZPosition(9);
        QCOMPARE(aList.at(2)->zPosition(), 1);
        const LMTemplateAreaDefinitionList anOthers = aList.filter(LMAreaTypeEnum::Clipart, false);
        QCOMPARE(anOthers.count(), 4);
        QCOMPARE(anOthers.count(LMAreaTypeEnum::Clipart), 0);
        QCOMPARE(aList.filter(LMAreaTypeEnum::All).count(), 6);
        QCOMPARE(aList.filter(LMAreaType()).count(), 0);
        const LMTemplateAreaDefinitionList aWithout = aList.withoutEmptyCliparts();
        QCOMPARE(aWithout.count(), 5);
        QCOMPARE(aWithout.count(LMAreaTypeEnum::Clipart), 1);
        const LMTemplateAreaDefinitionList aPhotos = aList.filter(LMAreaTypeEnum::Foto);
        QVERIFY(!aPhotos.containsOsmMaps() && !aPhotos.hasFilledCliparts() && !aPhotos.containsPrefilledTexts());
        QVERIFY(aPhotos.availableCssSheets().isEmpty());

        aList.setLocked(true);
        for (const LMTemplateAreaDefinition* anArea : aList)
            QCOMPARE(anArea->abilities().value(), 6799332);
        aList.setLocked(false);
        for (const LMTemplateAreaDefinition* anArea : aList)
            QCOMPARE(anArea->abilities().value(), 6799359);
    }

    void listScaleFactor()
    {
        LMTemplateAreaDefinitionList aList;
        QCOMPARE(aList.scaleFactor(QSizeF(10, 10)), 1.0);
        aList.append(
            std::make_unique<LMTemplateAreaDefinitionFoto>(LMAreaDescription(), LMAreaPositioningConstraint()));
        QCOMPARE(aList.scaleFactor(QSizeF(10, 10)), 1.0);
        aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(
            LMRotatedRect(QRectF(0, 0, 1, 1)), LMAreaAbility(), LMAreaDecoration(), LMAreaPositioningConstraint(),
            LMImageFXs(), QSizeF(200, 100), LMAreaCreationRule()));
        aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(
            LMRotatedRect(QRectF(0, 0, 1, 1)), LMAreaAbility(), LMAreaDecoration(), LMAreaPositioningConstraint(),
            LMImageFXs(), QSizeF(50, 50), LMAreaCreationRule()));
        // The first area that knows its page decides.
        QCOMPARE(aList.scaleFactor(QSizeF(100, 100)), 0.5);
    }

    void areaTypesAndPositions()
    {
        const LMTemplateAreaDefinitionList aList = mixed();
        LMTemplateAreaDefinitionList aReordered;
        for (int i = aList.count() - 1; i >= 0; --i) {
            std::unique_ptr<LMTemplateAreaDefinition> aClone = aList.at(i)->clone();
            aClone->setZPosition(100 + i);
            aReordered.append(std::move(aClone));
        }
        QVERIFY(aList.areAreaTypesAndPositionsEqual(aReordered));
        QVERIFY(aReordered.areAreaTypesAndPositionsEqual(aList));

        LMTemplateAreaDefinitionList aShorter = aReordered;
        aShorter.removeAt(0);
        QVERIFY(!aList.areAreaTypesAndPositionsEqual(aShorter));

        // Same count, but one area moved.
        LMTemplateAreaDefinitionList aMoved = aReordered;
        std::unique_ptr<LMTemplateAreaDefinition> anArea = aMoved.takeAt(0);
        LMAreaDescription aDescription = anArea->areaDescription();
        aDescription.setRect(aDescription.rect().translated(0.01, 0));
        anArea->setAreaDescription(aDescription);
        aMoved.prepend(std::move(anArea));
        QVERIFY(!aList.areAreaTypesAndPositionsEqual(aMoved));
        QVERIFY(LMTemplateAreaDefinitionList().areAreaTypesAndPositionsEqual(LMTemplateAreaDefinitionList()));
    }

    void copiesAreDeep()
    {
        LMTemplateAreaDefinitionList aList = photos({ { QRectF(0.1, 0.2, 0.3, 0.4), 30 } });
        LMTemplateAreaDefinitionList aCopy(aList);
        QVERIFY(aCopy.isValid());
        QVERIFY(aCopy.at(0) != aList.at(0));
        aCopy.at(0)->setZPosition(42);
        QCOMPARE(aList.at(0)->zPosition(), 1);

        const LMTemplateAreaDefinitionList aMirrored(aList, LMMirrorRuleEnum::BothAxes);
        QCOMPARE(aMirrored.at(0)->rotatedRect(), LMRotatedRect(QRectF(0.6, 0.4, 0.3, 0.4), LMAngle(30)));

        LMTemplateAreaDefinitionList anAssigned;
        anAssigned = aMirrored;
        const LMTemplateAreaDefinitionList& aSame = anAssigned;
        anAssigned = aSame; // assigning a list to itself keeps its areas
        QCOMPARE(anAssigned.count(), 1);
        anAssigned.copyAreaDefinitions(aList, LMMirrorRuleEnum::HorizontalAxis);
        QCOMPARE(anAssigned.at(0)->rotatedRect(), LMRotatedRect(QRectF(0.1, 0.4, 0.3, 0.4), LMAngle(330)));

        LMTemplateAreaDefinitionList aMoved(std::move(anAssigned));
        QCOMPARE(aMoved.count(), 1);
    }

    void xmlRoundTrip()
    {
        const LMTemplateAreaDefinitionList aList = mixed();
        QDomDocument aDocument;
        QDomElement aLayout = aDocument.createElement(QStringLiteral("layout"));
        aDocument.appendChild(aLayout);
        aList.buildXML(aLayout, QSizeF(3000, 2000));
        QCOMPARE(aLayout.childNodes().size(), aList.count());

        const LMTemplateAreaDefinitionList aRead = LMTemplateAreaDefinitionList::fromXml(aLayout, QSizeF(3000, 2000));
        QVERIFY(aRead.isValid());
        QVERIFY(aRead.areAreaTypesAndPositionsEqual(aList));
        QCOMPARE(aRead.availableCssSheets(), aList.availableCssSheets());
        QCOMPARE(aRead.hasFilledCliparts(), aList.hasFilledCliparts());
    }
};

QTEST_MAIN(TestTemplateAnalysis)
#include "tst_templateanalysis.moc"
