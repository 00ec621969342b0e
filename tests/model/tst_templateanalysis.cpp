#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionFotoBackground.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionText.h"

#include <QTest>

#include <utility>

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
LMTemplateAreaDefinitionList spelled(const QString& theAreas)
{
    LMTemplateAreaDefinitionList aList;
    for (const QChar aKind : theAreas) {
        switch (aKind.toLatin1()) {
        case 'p':
            aList.append(area<LMTemplateAreaDefinitionFoto>(QRectF(0.1, 0.1, 0.2, 0.4)));
            break;
        case 'l':
            aList.append(area<LMTemplateAreaDefinitionFoto>(QRectF(0.5, 0.1, 0.4, 0.2)));
            break;
        case 's':
            aList.append(area<LMTemplateAreaDefinitionFoto>(QRectF(0.5, 0.5, 0.3, 0.3)));
            break;
        case 't':
            aList.append(area<LMTemplateAreaDefinitionText>(QRectF(0.1, 0.8, 0.8, 0.1)));
            break;
        case 'x':
            aList.append(area<CalendarTextArea>(QRectF(0.1, 0.9, 0.8, 0.05)));
            break;
        case 'c':
            aList.append(area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.8, 0.1, 0.1)));
            break;
        case 'k':
            aList.append(area<LMTemplateAreaDefinitionCalendarium>(QRectF(0, 0.5, 1, 0.5)));
            break;
        case 'b':
            aList.append(area<LMTemplateAreaDefinitionFotoBackground>(QRectF(0, 0, 1, 1)));
            break;
        case 'g':
            aList = LMTemplate::injectSmartLayout(std::move(aList));
            if (aList.count(LMAreaTypeEnum::Foto) != 0)
                qFatal("the photo areas were not gathered");
            break;
        case 'G': {
            auto aSmartLayout = area<LMTemplateAreaDefinitionSmartLayout>(QRectF(0, 0, 1, 1));
            for (const LMTemplateAreaDefinition* anArea : aList.filter(LMAreaTypeEnum::Foto))
                aSmartLayout->addChild(anArea->clone());
            aList.append(std::move(aSmartLayout));
            break;
        }
        default:
            qFatal("unknown area kind");
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
} // namespace

Q_DECLARE_METATYPE(Boxes)
Q_DECLARE_METATYPE(Layout)

// Area counts, area measurements and their checks against the layout flags, and the analysis
// that sorts layouts and measures how different they are.
class TestTemplateAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void areaCount_data();
    void areaCount();
    void areaCountHash();
    void measurementsOfPhotoAreasOnly();
    void checkSpaciness_data();
    void checkSpaciness();
    void checkCrazyness_data();
    void checkCrazyness();
    void formats_data();
    void formats();
    void checkPanoramaness_data();
    void checkPanoramaness();
    void checkMeasurements_data();
    void checkMeasurements();
    void checkTexts_data();
    void checkTexts();
    void layoutSortCriterium_data();
    void layoutSortCriterium();
    void normalizedDistance_data();
    void normalizedDistance();
    void copiesAndHashes();
    void fromTemplate();
};

void TestTemplateAnalysis::areaCount_data()
{
    QTest::addColumn<QString>("areas");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<int>("portrait");
    QTest::addColumn<int>("landscape");
    QTest::addColumn<int>("texts");
    QTest::addColumn<int>("clipartDummies");
    QTest::addColumn<int>("calendars");

    QTest::newRow("empty") << "" << 1.0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("mixed list") << "ptlckpsc" << 1.0 << 2 << 2 << 1 << 2 << 1;
    QTest::newRow("both text kinds count") << "txtx" << 1.0 << 0 << 0 << 4 << 0 << 0;
    QTest::newRow("square photos count as landscape") << "ss" << 1.0 << 0 << 2 << 0 << 0 << 0;
    QTest::newRow("a tall page turns a square area portrait") << "s" << 0.5 << 1 << 0 << 0 << 0 << 0;
    QTest::newRow("a wide page turns a portrait area landscape") << "p" << 3.0 << 0 << 1 << 0 << 0 << 0;
    QTest::newRow("photo backgrounds are no photo areas") << "bp" << 1.0 << 1 << 0 << 0 << 0 << 0;
    QTest::newRow("photos moved into a smart layout") << "pltg" << 1.0 << 1 << 1 << 1 << 0 << 0;
    QTest::newRow("photos kept beside the smart layout's copies") << "pltG" << 1.0 << 1 << 1 << 1 << 0 << 0;
    QTest::newRow("a photo beside the gathered ones") << "plgs" << 1.0 << 1 << 2 << 0 << 0 << 0;
}

void TestTemplateAnalysis::areaCount()
{
    QFETCH(QString, areas);
    QFETCH(double, aspect);
    QFETCH(int, portrait);
    QFETCH(int, landscape);
    QFETCH(int, texts);
    QFETCH(int, clipartDummies);
    QFETCH(int, calendars);

    LMAreaCount aCount;
    aCount.buildFromAreas(spelled(areas), aspect);
    QCOMPARE(aCount.portraitAndLandscapeCount(), LMPortraitAndLandscapeCount(portrait, landscape));
    QCOMPARE(aCount.countFotoAreas(), portrait + landscape);
    QCOMPARE(aCount.hasLessPortraitThanLandscape(), portrait < landscape);
    QCOMPARE(aCount.countTexts(), texts);
    QCOMPARE(aCount.countClipartDummies(), clipartDummies);
    QCOMPARE(aCount.hasClipartDummy(), clipartDummies > 0);
    QCOMPARE(aCount.countCalendariums(), calendars);
    QCOMPARE(aCount, LMAreaCount(LMPortraitAndLandscapeCount(portrait, landscape), texts, clipartDummies, calendars));
}

void TestTemplateAnalysis::areaCountHash()
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

void TestTemplateAnalysis::measurementsOfPhotoAreasOnly()
{
    // A text across both photos and a turned clipart change none of the measurements.
    LMTemplateAreaDefinitionList aList = photos({ { QRectF(0, 0.25, 0.4, 0.5) }, { QRectF(0.6, 0.25, 0.4, 0.2), 5 } });
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

void TestTemplateAnalysis::checkSpaciness_data()
{
    QTest::addColumn<double>("spaciousness");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<bool>("ok");

    const int T = 1, W = 2, R = 256;
    QTest::newRow("no wish, below 1.1") << 1.1 - 0.001 << 0 << false << true;
    QTest::newRow("no wish, above 1.1") << 1.1 + 0.001 << 0 << false << false;
    QTest::newRow("tight and spacious, above 1.1") << 1.1 + 0.001 << T + W << true << false;
    QTest::newRow("tight and spacious, anything below 1.1") << 0.1 << T + W << true << true;
    QTest::newRow("no wish strict") << 0.3 << 0 << true << true;

    QTest::newRow("tight strict, just below 0.65") << 0.649 << T << true << false;
    QTest::newRow("tight strict, just above 0.65") << 0.651 << T << true << true;
    QTest::newRow("spacious strict, just below 0.51") << 0.509 << W << true << true;
    QTest::newRow("spacious strict, just above 0.51") << 0.511 << W << true << false;
    QTest::newRow("strict ignores the relaxed test") << 0.6 << T + R << true << false;

    QTest::newRow("tight, just below 0.65") << 0.649 << T << false << false;
    QTest::newRow("tight, just above 0.65") << 0.651 << T << false << true;
    QTest::newRow("spacious, just below 0.65") << 0.649 << W << false << true;
    QTest::newRow("spacious, just above 0.65") << 0.651 << W << false << false;

    QTest::newRow("relaxed tight, just below 0.55") << 0.549 << T + R << false << false;
    QTest::newRow("relaxed tight, just above 0.55") << 0.551 << T + R << false << true;
    QTest::newRow("relaxed spacious, just below 0.8") << 0.799 << W + R << false << true;
    QTest::newRow("relaxed spacious, just above 0.8") << 0.801 << W + R << false << false;
    QTest::newRow("relaxed tight, a spacious layout") << 0.3 << T + R << false << false;
    QTest::newRow("relaxed spacious, a tight layout") << 0.9 << W + R << false << false;
}

void TestTemplateAnalysis::checkSpaciness()
{
    QFETCH(double, spaciousness);
    QFETCH(int, flags);
    QFETCH(bool, strict);
    QFETCH(bool, ok);

    const LMAreaMeasurements aMeasurements = measured(covering(spaciousness));
    QVERIFY(qAbs(aMeasurements.spaciousness() - spaciousness) < 1e-12);
    QCOMPARE(aMeasurements.checkSpaciness(LMLayoutFlags::fromInt(flags), strict), ok);
}

void TestTemplateAnalysis::checkCrazyness_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<bool>("crazy");
    QTest::addColumn<bool>("ok");

    // Not strict: the crazy setting (mask 224) decides.
    QTest::newRow("0, calm") << 0 << false << false << true;
    QTest::newRow("0, crazy") << 0 << false << true << false;
    QTest::newRow("64 requires, calm") << 64 << false << false << false;
    QTest::newRow("64 requires, crazy") << 64 << false << true << true;
    QTest::newRow("128 allows, calm") << 128 << false << false << true;
    QTest::newRow("128 allows, crazy") << 128 << false << true << true;
    QTest::newRow("192 is no setting, calm") << 192 << false << false << true;
    QTest::newRow("192 is no setting, crazy") << 192 << false << true << false;
    QTest::newRow("224 is no setting, calm") << 224 << false << false << true;
    QTest::newRow("224 is no setting, crazy") << 224 << false << true << false;
    QTest::newRow("96 is no setting, crazy") << 96 << false << true << false;
    QTest::newRow("other bits do not matter, crazy") << 64 + 256 + 1 << false << true << true;

    // Strict: crazy exactly when the lowest byte is 64 or more.
    QTest::newRow("strict 0, calm") << 0 << true << false << true;
    QTest::newRow("strict 0, crazy") << 0 << true << true << false;
    QTest::newRow("strict 64, calm") << 64 << true << false << false;
    QTest::newRow("strict 64, crazy") << 64 << true << true << true;
    QTest::newRow("strict 128, calm") << 128 << true << false << false;
    QTest::newRow("strict 128, crazy") << 128 << true << true << true;
    QTest::newRow("strict 192, calm") << 192 << true << false << false;
    QTest::newRow("strict 192, crazy") << 192 << true << true << true;
    QTest::newRow("strict 224, calm") << 224 << true << false << false;
    QTest::newRow("strict 224, crazy") << 224 << true << true << true;
    QTest::newRow("strict 63, crazy") << 63 << true << true << false;
    QTest::newRow("strict 256 has a low byte of 0, calm") << 256 << true << false << true;
    QTest::newRow("strict 320 has a low byte of 64, crazy") << 320 << true << true << true;
}

void TestTemplateAnalysis::checkCrazyness()
{
    QFETCH(int, flags);
    QFETCH(bool, strict);
    QFETCH(bool, crazy);
    QFETCH(bool, ok);

    const LMAreaMeasurements aMeasurements = measured(crazy ? OVERLAPPING : ONE_AREA);
    QCOMPARE(aMeasurements.isCrazy(), crazy);
    QCOMPARE(aMeasurements.checkCrazyness(LMLayoutFlags::fromInt(flags), strict), ok);
}

void TestTemplateAnalysis::formats_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<double>("mostExtreme");
    QTest::addColumn<bool>("extremeFormat");
    QTest::addColumn<bool>("extremePortrait");

    const Boxes aSquare = { { QRectF(0.25, 0.25, 0.5, 0.5) } };
    QTest::newRow("square") << aSquare << 1.0 << 1.0 << false << false;
    QTest::newRow("exactly 16:9") << aSquare << 16.0 / 9.0 << 16.0 / 9.0 << false << false;
    QTest::newRow("just wider than 16:9") << aSquare << 16.0 / 9.0 + JUST << 16.0 / 9.0 + JUST << true << false;
    QTest::newRow("exactly 9:16") << aSquare << 9.0 / 16.0 << 16.0 / 9.0 << false << false;
    QTest::newRow("just taller than 9:16") << aSquare << 9.0 / 16.0 - JUST << 1.0 / (9.0 / 16.0 - JUST) << true << true;
    QTest::newRow("wide and tall") << Boxes({ PORTRAIT, { QRectF(0.5, 0.1, 0.4, 0.1) } }) << 1.0 << 4.0 << true << true;
    QTest::newRow("the taller side decides")
        << Boxes({ { QRectF(0, 0, 0.1, 0.5) }, { QRectF(0.5, 0, 0.4, 0.1) } }) << 1.0 << 5.0 << true << true;
    // Without photo areas the range stays unset: most extreme 1, but a minimum of 0 is below 9:16.
    QTest::newRow("no photo areas") << Boxes() << 1.0 << 1.0 << false << true;
}

void TestTemplateAnalysis::formats()
{
    QFETCH(Boxes, boxes);
    QFETCH(double, aspect);
    QFETCH(double, mostExtreme);
    QFETCH(bool, extremeFormat);
    QFETCH(bool, extremePortrait);

    const LMAreaMeasurements aMeasurements = measured(boxes, aspect);
    QCOMPARE(aMeasurements.mostExtremeFormat(), mostExtreme);
    QCOMPARE(aMeasurements.hasExtremeFormat(), extremeFormat);
    QCOMPARE(aMeasurements.hasExtremePortrait(), extremePortrait);
}

void TestTemplateAnalysis::checkPanoramaness_data()
{
    QTest::addColumn<bool>("extreme");
    QTest::addColumn<bool>("panorama");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<bool>("ok");

    QTest::newRow("ordinary, no panorama") << false << false << false << true;
    QTest::newRow("ordinary, panorama") << false << true << false << true;
    QTest::newRow("extreme, no panorama") << true << false << false << false;
    QTest::newRow("extreme, panorama") << true << true << false << true;
    QTest::newRow("strict ordinary, no panorama") << false << false << true << true;
    QTest::newRow("strict ordinary, panorama") << false << true << true << false;
    QTest::newRow("strict extreme, no panorama") << true << false << true << false;
    QTest::newRow("strict extreme, panorama") << true << true << true << true;
}

void TestTemplateAnalysis::checkPanoramaness()
{
    QFETCH(bool, extreme);
    QFETCH(bool, panorama);
    QFETCH(bool, strict);
    QFETCH(bool, ok);

    const LMAreaMeasurements aMeasurements = measured({ { QRectF(0, 0.4, extreme ? 0.9 : 0.3, 0.2) } });
    QCOMPARE(aMeasurements.hasExtremeFormat(), extreme);
    QCOMPARE(aMeasurements.checkPanoramaness(LMLayoutFlags::fromInt(panorama ? 8 : 0), strict), ok);
}

void TestTemplateAnalysis::checkMeasurements_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<bool>("ok");

    const Boxes aTightCalm = { { QRectF(0, 0, 1, 0.7) } };
    QTest::newRow("all pass") << aTightCalm << 1 << false << true;
    QTest::newRow("all pass strictly") << aTightCalm << 1 << true << true;
    QTest::newRow("crazy fails") << Boxes({ { QRectF(0, 0, 1, 0.7), 3 } }) << 1 << false << false;
    QTest::newRow("spaciness fails") << aTightCalm << 2 << false << false;
    QTest::newRow("panorama fails") << Boxes({ { QRectF(0, 0, 1, 0.7) }, { QRectF(0, 0.8, 0.9, 0.2) } }) << 1 << false
                                    << false;
    QTest::newRow("panorama allowed") << Boxes({ { QRectF(0, 0, 1, 0.7) }, { QRectF(0, 0.8, 0.9, 0.2) } }) << 1 + 8
                                      << false << true;
}

void TestTemplateAnalysis::checkMeasurements()
{
    QFETCH(Boxes, boxes);
    QFETCH(int, flags);
    QFETCH(bool, strict);
    QFETCH(bool, ok);

    const LMLayoutFlags aFlags = LMLayoutFlags::fromInt(flags);
    QCOMPARE(measured(boxes).checkMeasurements(aFlags, strict), ok);
    QCOMPARE(LMTemplateAnalysis(photos(boxes), 1.0).checkMeasurements(aFlags, strict), ok);
}

void TestTemplateAnalysis::checkTexts_data()
{
    QTest::addColumn<int>("texts");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("ok");

    QTest::newRow("no texts, no flags") << 0 << 0 << true;
    QTest::newRow("a text, no flags") << 1 << 0 << false;
    QTest::newRow("a text, texts allowed") << 1 << 16 << true;
    QTest::newRow("texts, texts among others") << 3 << 16 + 1 + 128 << true;
    QTest::newRow("a text, every other bit") << 1 << 1023 - 16 << false;
}

void TestTemplateAnalysis::checkTexts()
{
    QFETCH(int, texts);
    QFETCH(int, flags);
    QFETCH(bool, ok);

    QCOMPARE(analysed({ ONE_AREA, texts }).checkTexts(LMLayoutFlags::fromInt(flags)), ok);
}

void TestTemplateAnalysis::layoutSortCriterium_data()
{
    QTest::addColumn<Layout>("a");
    QTest::addColumn<Layout>("b");
    QTest::addColumn<int>("order");

    const Box aSmall { QRectF(0.1, 0.1, 0.2, 0.1) };
    QTest::newRow("generated first, despite more photos")
        << Layout { { PORTRAIT, LANDSCAPE }, 0, 1 } << Layout { { PORTRAIT } } << 1;
    QTest::newRow("made by hand after generated") << Layout { { PORTRAIT } } << Layout { { PORTRAIT }, 0, 4 } << 0;
    QTest::newRow("both generated, for other pages")
        << Layout { { PORTRAIT }, 0, 1 } << Layout { { PORTRAIT }, 0, 2 } << 2;
    QTest::newRow("fewer photos first, despite more texts")
        << Layout { { PORTRAIT }, 2 } << Layout { { PORTRAIT, PORTRAIT } } << 1;
    QTest::newRow("more photos last") << Layout { { LANDSCAPE, LANDSCAPE } } << Layout { { PORTRAIT } } << 0;
    QTest::newRow("fewer texts first, despite less landscape")
        << Layout { { PORTRAIT } } << Layout { { LANDSCAPE }, 1 } << 1;
    QTest::newRow("more texts last") << Layout { { LANDSCAPE }, 2 } << Layout { { PORTRAIT }, 1 } << 0;
    QTest::newRow("more landscape first, despite more cover")
        << Layout { { LANDSCAPE, { QRectF(0, 0, 0.9, 0.5) } } } << Layout { { PORTRAIT, LANDSCAPE } } << 1;
    QTest::newRow("less landscape last") << Layout { { PORTRAIT, aSmall } } << Layout { { LANDSCAPE, LANDSCAPE } } << 0;
    QTest::newRow("less cover first") << Layout { { aSmall } } << Layout { { LANDSCAPE } } << 1;
    QTest::newRow("more cover last") << Layout { { LANDSCAPE }, 1 } << Layout { { aSmall }, 1 } << 0;
    QTest::newRow("equal cover, different places")
        << Layout { { LANDSCAPE } } << Layout { { { QRectF(0.1, 0.7, 0.4, 0.2), 10 } } } << 2;
    QTest::newRow("equal layouts") << Layout { { PORTRAIT, LANDSCAPE }, 1 } << Layout { { PORTRAIT, LANDSCAPE }, 1 }
                                   << 2;
    QTest::newRow("empty layouts") << Layout() << Layout() << 2;
}

void TestTemplateAnalysis::layoutSortCriterium()
{
    QFETCH(Layout, a);
    QFETCH(Layout, b);
    QFETCH(int, order);

    const LMTemplateAnalysis anA = analysed(a);
    const LMTemplateAnalysis aB = analysed(b);
    QCOMPARE(anA.layoutSortCriterium(aB), order);
    // Swapped, the other comes first; undecided stays undecided.
    QCOMPARE(aB.layoutSortCriterium(anA), order == LMTemplateAnalysis::Undecided ? order : 1 - order);
}

void TestTemplateAnalysis::normalizedDistance_data()
{
    QTest::addColumn<Layout>("a");
    QTest::addColumn<Layout>("b");
    QTest::addColumn<double>("distance");

    const Box aTurned { PORTRAIT.rect, 5 };
    QTest::newRow("equal") << Layout { { PORTRAIT, LANDSCAPE }, 1 } << Layout { { PORTRAIT, LANDSCAPE }, 1 } << 0.0;
    QTest::newRow("spaciousness only") << Layout { { { QRectF(0, 0, 0.5, 0.2) } } }
                                       << Layout { { { QRectF(0, 0, 0.5, 0.4) } } } << 0.1 / 100;
    QTest::newRow("inclined only") << Layout { { PORTRAIT } } << Layout { { aTurned } } << 10.0 / 100;
    QTest::newRow("orientation only") << Layout { { PORTRAIT } } << Layout { { LANDSCAPE } } << 20.0 / 100;
    QTest::newRow("one more photo") << Layout { { PORTRAIT } } << Layout { { PORTRAIT, PORTRAIT } }
                                    << (0.08 + 20 + 19) / 100;
    QTest::newRow("texts only") << Layout { { PORTRAIT }, 1 } << Layout { { PORTRAIT }, 3 } << 50.0 / 100;
    QTest::newRow("generated for a page counts for nothing")
        << Layout { { PORTRAIT }, 0, 1 } << Layout { { PORTRAIT } } << 0.0;
    QTest::newRow("everything") << Layout { { PORTRAIT } } << Layout { { aTurned, PORTRAIT }, 1 }
                                << (0.08 + 10 + 20 + 19 + 50) / 100;
}

void TestTemplateAnalysis::normalizedDistance()
{
    QFETCH(Layout, a);
    QFETCH(Layout, b);
    QFETCH(double, distance);

    const LMTemplateAnalysis anA = analysed(a);
    const LMTemplateAnalysis aB = analysed(b);
    QCOMPARE(anA.normalizedDistance(aB), distance);
    QCOMPARE(aB.normalizedDistance(anA), distance);
}

void TestTemplateAnalysis::copiesAndHashes()
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

void TestTemplateAnalysis::fromTemplate()
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

QTEST_GUILESS_MAIN(TestTemplateAnalysis)
#include "tst_templateanalysis.moc"
