#include "LMAreaDescription.h"
#include "LMAreaPositioningConstraint.h"
#include "LMAreaType.h"
#include "LMCalendariumAppearance.h"
#include "LMClipartConfiguration.h"
#include "LMDirectoryConfig.h"
#include "LMDistance.h"
#include "LMFileHandler.h"
#include "LMFoto.h"
#include "LMMirrorRule.h"
#include "LMOsmContent.h"
#include "LMPortraitAndLandscapeCount.h"
#include "LMRotatedRect.h"
#include "LMSmartLayoutConfiguration.h"
#include "LMSVGImage.h"
#include "LMSVGImageCalendar.h"
#include "LMTestSupport.h"
#include "LMTextFormatChange.h"
#include "LMXMLElement.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::parseXml;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMAreaDescription)
Q_DECLARE_METATYPE(LMRotatedRect)
Q_DECLARE_METATYPE(LMTextFormatChange)

using Count = LMPortraitAndLandscapeCount;

namespace {
LMAreaDecoration fullDecoration()
{
    LMCornersConfiguration aCorners;
    aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShapeEnum::Convex, LMDistance(20));
    aCorners.setCorner(LMCornerEnum::BottomRight, LMCornerShapeEnum::Notched,
                       LMDistance(2, LMDistanceUnit::Millimetre));
    return LMAreaDecoration(
        LMBorderConfig(LMDistance(25), LMBorderPositionEnum::Outside, QColor(10, 20, 30), true, LMDistance(5)),
        LMShadowConfig(LMDistance(12), LMAngle(45), 128, LMDistance(4, LMDistanceUnit::Millimetre),
                       LMDistance(6, LMDistanceUnit::Millimetre)),
        aCorners);
}

const QByteArray RED_SQUARE = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20' viewBox='0 0 40 20'>"
                              "<rect class='c' x='0' y='0' width='40' height='20' fill='#ff0000'/></svg>";
const QByteArray STYLED_SQUARE = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20' viewBox='0 0 40 20'>"
                                 "<style type='text/css'>.c { fill: #ff0000; }</style>"
                                 "<rect class='c' x='0' y='0' width='40' height='20'/></svg>";
const QByteArray HUGE_SQUARE = "<svg xmlns='http://www.w3.org/2000/svg' width='1000000' height='500000'>"
                               "<rect width='10' height='10'/></svg>";
} // namespace

// Distances, rotated rectangles, mirror rules, portrait and landscape counts and the geometry of
// area descriptions; area types and their tags, constraints, and the XML forms of descriptions,
// decorations, text formats and the small configurations of areas; photos named by URL, resource
// references of content files, and SVG images drawn with bounded sizes and one renderer per thread.
class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void distanceText_data()
    {
        columns<QString, bool, LMDistance>("text", "ok", "expected");

        row("document units", "12.5", true, LMDistance(12.5));
        row("relative", "0.02rel", true, LMDistance(0.02, LMDistanceUnit::Relative));
        row("blanks around and between", "  -3 mm ", true, LMDistance(-3, LMDistanceUnit::Millimetre));
        row("unknown unit", "5px", false, LMDistance());
        row("overflow", "1e400", false, LMDistance());
        row("not a number", "nan", false, LMDistance());
    }

    void distanceText()
    {
        QFETCH(bool, ok);

        bool anOk = !ok;
        const LMDistance aDistance = LMDistance::fromString(fetch<QString>("text"), &anOk);
        QCOMPARE(anOk, ok);
        QTEST(aDistance, "expected");
        // The text form reads back as the same distance.
        QCOMPARE(LMDistance::fromString(aDistance.toString()), aDistance);
    }

    void distanceTriangle_data()
    {
        columns<LMDistance, LMDistance, LMDistance, int>("horizontal", "vertical", "hypothenuse", "angle");

        row("3-4-5", LMDistance(3), LMDistance(4), LMDistance(5), 53);
        row("up", LMDistance(0), LMDistance(-5), LMDistance(5), 270);
        row("null offset", LMDistance(0), LMDistance(0), LMDistance(0), 0);
        row("millimetres keep their unit", LMDistance(3, LMDistanceUnit::Millimetre),
            LMDistance(4, LMDistanceUnit::Millimetre), LMDistance(5, LMDistanceUnit::Millimetre), 53);
        row("mixed units meet in document units", LMDistance(1, LMDistanceUnit::Millimetre), LMDistance(10),
            LMDistance(std::sqrt(200.0)), 45);
    }

    void distanceTriangle()
    {
        QFETCH(LMDistance, horizontal);
        QFETCH(LMDistance, vertical);

        QCOMPARE(LMDistance::hypothenuse(horizontal, vertical), fetch<LMDistance>("hypothenuse"));
        QTEST(LMDistance::angleOfSpannedTriangle(horizontal, vertical).degrees(), "angle");
    }

    void polygon_data()
    {
        columns<LMRotatedRect, QPolygonF, QRectF>("rect", "expected", "bounds");

        const QRectF aRect(0, 0, 100, 50);
        row("unturned", LMRotatedRect(aRect), QPolygonF({ { 0, 0 }, { 100, 0 }, { 100, 50 }, { 0, 50 } }), aRect);
        // Clockwise on the page (y down): the top-left corner swings up to the right.
        row("90 clockwise", LMRotatedRect(aRect, LMAngle(90)),
            QPolygonF({ { 75, -25 }, { 75, 75 }, { 25, 75 }, { 25, -25 } }), QRectF(25, -25, 50, 100));
    }

    void polygon()
    {
        QFETCH(LMRotatedRect, rect);
        // QPointF and QRectF compare fuzzily.
        QTEST(rect.polygon(), "expected");
        QTEST(rect.boundingRect(), "bounds");
        // Turning never changes the covered area.
        QCOMPARE(rect.coveredArea(), 5000.0);
    }

    void inclined_data()
    {
        columns<int, bool, bool>("degrees", "inclined", "rotated");

        row("0", 0, false, false);
        row("90", 90, false, true);
        row("360", 360, false, false);
        row("-90", -90, false, true);
        row("45", 45, true, true);
        row("-1", -1, true, true);
        row("INT_MIN", std::numeric_limits<int>::min(), true, true);
    }

    void inclined()
    {
        const LMRotatedRect aRect(QRectF(0, 0, 1, 1), LMAngle(fetch<int>("degrees")));
        QTEST(aRect.isInclined(), "inclined");
        QTEST(aRect.isRotated(), "rotated");
    }

    void mirrored_data()
    {
        columns<int, QSizeF, LMRotatedRect>("rule", "reference", "expected");

        const QSizeF aUnit(1, 1);
        row("none", 0, aUnit, LMRotatedRect(QRectF(0.1, 0.2, 0.3, 0.4), LMAngle(30)));
        row("vertical axis swaps left and right", 2, aUnit, LMRotatedRect(QRectF(0.6, 0.2, 0.3, 0.4), LMAngle(330)));
        row("horizontal axis swaps top and bottom", 1, aUnit, LMRotatedRect(QRectF(0.1, 0.4, 0.3, 0.4), LMAngle(330)));
        row("both axes keep the angle", 3, aUnit, LMRotatedRect(QRectF(0.6, 0.4, 0.3, 0.4), LMAngle(30)));
        row("page in document units", 2, QSizeF(1000, 500), LMRotatedRect(QRectF(999.6, 0.2, 0.3, 0.4), LMAngle(330)));
        row("unknown page mirrors in place", 3, QSizeF(-1, -1), LMRotatedRect(QRectF(0.1, 0.2, 0.3, 0.4), LMAngle(30)));
    }

    void mirrored()
    {
        QFETCH(int, rule);
        QFETCH(QSizeF, reference);

        const LMRotatedRect aRect(QRectF(0.1, 0.2, 0.3, 0.4), LMAngle(30));
        const LMRotatedRect aMirrored = aRect.mirrored(LMMirrorRule(LMMirrorRule::fromInt(rule)), reference);
        QTEST(aMirrored, "expected");
        // Mirroring twice by the same rule gives the rectangle back.
        QCOMPARE(aMirrored.mirrored(LMMirrorRule(LMMirrorRule::fromInt(rule)), reference), aRect);
    }

    // The rule an element names, the word written for it, its single axes and its list of words.
    void mirrorRule_data()
    {
        columns<QString, int, QString, QList<int>, QString>("xml", "rule", "written", "singles", "csv");

        row("absent", "<layout/>", 0, QString(), QList<int>(), QString());
        row("two words in any case", "<layout mirror=' Horizontal , VERTICAL'/>", 3, "both", QList<int>({ 1, 2 }),
            "horizontal, vertical");
        row("both", "<layout mirror='both'/>", 3, "both", QList<int>({ 1, 2 }), "horizontal, vertical");
        row("vertical", "<layout mirror='vertical'/>", 2, "vertical", QList<int>({ 2 }), "vertical");
        row("unknown word", "<layout mirror='diagonal'/>", 0, QString(), QList<int>(), QString());
    }

    void mirrorRule()
    {
        QFETCH(int, rule);

        QDomDocument aDocument;
        const LMMirrorRule aRule = LMMirrorRule::fromXml(parseXml(aDocument, fetch<QString>("xml")));
        QCOMPARE(aRule.value(), rule);

        QDomDocument anOut;
        QDomElement anElement = anOut.createElement(QStringLiteral("layout"));
        aRule.buildXML(anElement);
        QTEST(anElement.attribute(QStringLiteral("mirror")), "written");
        QCOMPARE(anElement.hasAttribute(QStringLiteral("mirror")), rule != 0);
        QCOMPARE(LMMirrorRule::fromXml(anElement), aRule);

        QList<int> aValues;
        for (const LMMirrorRule& aSingle : aRule.spreadOut())
            aValues.append(aSingle.value());
        QTEST(aValues, "singles");
        QTEST(aRule.encodeCSV(), "csv");
        // A rule followed by itself undoes it.
        QCOMPARE(aRule.followedBy(aRule).value(), 0);
    }

    void normalizeAndScale()
    {
        LMAreaDescription aDescription(LMRotatedRect(QRectF(100, 50, 200, 100), LMAngle(10)), LMAreaAbilityEnum::Move);
        QVERIFY(!aDescription.isNormalized());
        // In document units the rectangle already is on its page, whatever size is asked.
        QCOMPARE(aDescription.scaledRect(QSizeF(10, 10)), QRectF(100, 50, 200, 100));

        QVERIFY(aDescription.normalize(QSizeF(1000, 500)));
        QVERIFY(aDescription.isNormalized());
        QCOMPARE(aDescription.rotatedRect(), LMRotatedRect(QRectF(0.1, 0.1, 0.2, 0.2), LMAngle(10)));
        QCOMPARE(aDescription.scaledRect(QSizeF(2000, 1000)), QRectF(200, 100, 400, 200));

        const LMAreaDescription aBack = aDescription.denormalized(QSizeF(1000, 500));
        QVERIFY(!aBack.isNormalized());
        QCOMPARE(aBack.rotatedRect(), LMRotatedRect(QRectF(100, 50, 200, 100), LMAngle(10)));
        // The copy detached: the original stays normalised.
        QVERIFY(aDescription.isNormalized());
    }

    void normalizeRefusesEmptySizes_data()
    {
        columns<QSizeF, bool>("size", "warns");
        row("unknown", QSizeF(-1, -1), false);
        row("one side unknown", QSizeF(500, -1), false);
        row("zero width", QSizeF(0, 500), true);
        row("zero height", QSizeF(500, 0), true);
    }

    void normalizeRefusesEmptySizes()
    {
        QFETCH(QSizeF, size);
        QFETCH(bool, warns);

        LMAreaDescription aDescription(LMRotatedRect(QRectF(1, 2, 3, 4)), LMAreaAbility());
        if (warns)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^cannot normalise an area by the size")));
        else
            QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(!aDescription.normalize(size));
        if (warns)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^cannot denormalise an area by the size")));
        QVERIFY(!aDescription.denormalize(size));
        QCOMPARE(aDescription.rect(), QRectF(1, 2, 3, 4));
        QVERIFY(!aDescription.isNormalized());
    }

    void fixLegacyTemplates_data()
    {
        columns<QRectF, bool, int, bool, QRectF, int>("rect", "normalized", "rotation", "fixRotation", "expected",
                                                      "expectedRotation");

        // The page is 1000 x 500 document units: one unit is 0.001 across and 0.002 down when normalised.
        row("left edge short by less than a unit", QRectF(0.0009, 0.5, 0.4, 0.2), true, 0, false,
            QRectF(0, 0.5, 0.4009, 0.2), 0);
        row("left edge one unit in stays", QRectF(0.001, 0.5, 0.4, 0.2), true, 0, false, QRectF(0.001, 0.5, 0.4, 0.2),
            0);
        row("bottom edge short by less than a unit", QRectF(0.2, 0.5, 0.4, 0.4985), true, 0, false,
            QRectF(0.2, 0.5, 0.4, 0.5), 0);
        row("full bleed in document units", QRectF(0.5, -0.5, 999, 500.5), false, 0, false, QRectF(0, 0, 1000, 500), 0);
        row("negative size turned round", QRectF(0.5, 0.5, -0.2, -0.1), true, 0, false, QRectF(0.3, 0.4, 0.2, 0.1), 0);
        row("counter-clockwise rotation", QRectF(0.2, 0.2, 0.2, 0.2), true, 30, true, QRectF(0.2, 0.2, 0.2, 0.2), 330);
        row("rotation 0 stays 0", QRectF(0.2, 0.2, 0.2, 0.2), true, 0, true, QRectF(0.2, 0.2, 0.2, 0.2), 0);
        row("rotation kept without the rotation fix", QRectF(0.2, 0.2, 0.2, 0.2), true, 30, false,
            QRectF(0.2, 0.2, 0.2, 0.2), 30);
    }

    void fixLegacyTemplates()
    {
        LMAreaDescription aDescription(LMRotatedRect(fetch<QRectF>("rect"), LMAngle(fetch<int>("rotation"))),
                                       LMAreaAbility());
        if (fetch<bool>("normalized")) {
            // Normalise by a unit page, which leaves the numbers as they are.
            QVERIFY(aDescription.normalize(QSizeF(1, 1)));
        }
        aDescription.fixLegacyTemplates(QSize(1000, 500), fetch<bool>("fixRotation"));
        QCOMPARE(aDescription.rotatedRect(),
                 LMRotatedRect(fetch<QRectF>("expected"), LMAngle(fetch<int>("expectedRotation"))));
    }

    // The distance of two counts and, where both are good, how many more landscape photos the
    // first has.
    void metricDistance_data()
    {
        columns<Count, Count, int, int>("a", "b", "distance", "diff");

        row("both empty", Count(), Count(), 0, 0);
        row("equal", Count(2, 3), Count(2, 3), 0, 0);
        row("one more portrait", Count(3, 3), Count(2, 3), 1, 0);
        row("one more landscape", Count(2, 4), Count(2, 3), 1, 1);
        row("same total, swapped orientation", Count(0, 2), Count(2, 0), 4, 2);
        row("differences add up", Count(5, 0), Count(1, 2), 6, -2);
        row("bad against empty", Count::badCount(), Count(), std::numeric_limits<int>::max(), 0);
        row("bad against bad", Count::badCount(), Count::badCount(), std::numeric_limits<int>::max(), 0);
        row("negative landscape is bad", Count(1, -1), Count(1, 0), std::numeric_limits<int>::max(), 0);
        row("huge counts stay below the bad distance",
            Count(std::numeric_limits<int>::max(), std::numeric_limits<int>::max()), Count(),
            std::numeric_limits<int>::max() - 1, std::numeric_limits<int>::max());
    }

    void metricDistance()
    {
        QFETCH(Count, a);
        QFETCH(Count, b);
        QFETCH(int, distance);
        QFETCH(int, diff);

        QCOMPARE(a.metricDistance(b), distance);
        QCOMPARE(b.metricDistance(a), distance);
        if (distance < std::numeric_limits<int>::max()) {
            QCOMPARE(a.diffLandscape(b), diff);
            QCOMPARE(b.diffLandscape(a), -diff);
        }
    }

    void hashing()
    {
        QHash<Count, int> aHash;
        aHash.insert(Count(1, 2), 12);
        aHash.insert(Count(2, 1), 21);
        Count aBuilt;
        aBuilt.addPortrait();
        aBuilt.addLandscape(2);
        QCOMPARE(qHash(aBuilt), qHash(Count(1, 2)));
        QCOMPARE(aHash.value(aBuilt), 12);
        QCOMPARE(aHash.value(Count(2, 1)), 21);
        QVERIFY(!aHash.contains(Count(0, 3)));
    }

    // Tags are read in any case; groups and lists are no tags. The tag of each kind of area, written
    // and read back, is the areas' round trip (tst_areadefinitions).
    void areaTypeTags()
    {
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("SmartLayoutArea")).value(), 32768);
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("all")).value(), 0);
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("alltextareas")).value(), 0);
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("imagearea,textarea")).value(), 0);
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("fotozone")).value(), 0);
        QCOMPARE(LMAreaType(QStringLiteral("alltextareas")).value(), 8224);
    }

    void positioningConstraint_data()
    {
        columns<QString, int>("text", "value");

        row("missing", QString(), 7);
        row("unknown", "top", 7);
        row("nowhere", "nowhere", 0);
        row("leftpage", "LeftPage", 1);
        row("left and right", "left, right", 3);
    }

    void positioningConstraint()
    {
        QFETCH(int, value);

        const LMAreaPositioningConstraint aConstraint(fetch<QString>("text"));
        QCOMPARE(aConstraint.value(), value);
        // The written text reads back as the same value, also for combinations without a word.
        QCOMPARE(LMAreaPositioningConstraint(aConstraint.toText()).value(), value);
    }

    void descriptionRoundTrip_data()
    {
        QTest::addColumn<LMAreaDescription>("description");

        LMAreaDescription aFull(LMRotatedRect(QRectF(-5.25, 0.125, 1e6, 1.0 / 3), LMAngle(359)),
                                LMAreaAbilityEnum::FotoFix, fullDecoration(), LMImageFXs(QStringLiteral("sepia, blur")),
                                LMAreaCreationRuleEnum::Layout);
        aFull.setBackgroundContent(true);
        row("everything set", aFull);
        row("no abilities, no rule",
            LMAreaDescription(LMRotatedRect(QRectF(0, 0, 0, 0), LMAngle(90)), LMAreaAbility(), LMAreaDecoration(),
                              LMImageFXs(), LMAreaCreationRule()));
    }

    void descriptionRoundTrip()
    {
        QFETCH(LMAreaDescription, description);

        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("imagearea"));
        description.buildXML(anElement);
        const LMAreaDescription aRead
            = LMAreaDescription::fromXml(anElement, LMAreaAbilityEnum::Move, LMAreaCreationRuleEnum::Import);
        QCOMPARE(aRead, description);
        QCOMPARE(aRead.decoration(), description.decoration());
    }

    void descriptionBadAttributes_data()
    {
        columns<QString, QStringList, QRectF, int, int, int>("xml", "warnings", "rect", "rotation", "abilities",
                                                             "creationRule");

        const auto row
            = [](const char* theTag, const QString& theXml, const QStringList& theWarnings,
                 const QRectF& theRect = QRectF(), int theRotation = 0, int theAbilities = 1, int theRule = 16) {
                  QTest::newRow(theTag) << theXml << theWarnings << theRect << theRotation << theAbilities << theRule;
              };
        const auto bad = [](const char* theName, const char* theValue, const char* theKind) {
            return QStringLiteral("<imagearea> attribute \"%1\": \"%2\" is not %3; default used")
                .arg(theName, theValue, theKind);
        };
        row("all missing", "<imagearea/>", {});
        row("decimal comma", "<imagearea x='1,5' y='2' width='3' height='4'/>", { bad("x", "1,5", "a number") },
            QRectF(0, 2, 3, 4));
        row("infinite width", "<imagearea width='inf' height='1e999'/>",
            { bad("width", "inf", "a number"), bad("height", "1e999", "a number") });
        row("negative rotation", "<imagearea angle='-90'/>", {}, QRectF(), 270);
        row("rotation is no integer", "<imagearea angle='12.5'/>", { bad("angle", "12.5", "an integer") });
        row("ability words", "<imagearea abilities='move, rotate' creationRule='layout,import'/>", {}, QRectF(), 0, 9,
            18);
        row("unknown ability word", "<imagearea abilities='move, fly'/>",
            { bad("abilities", "move, fly", "a number or known words") });
        row("empty abilities", "<imagearea abilities=''/>", { bad("abilities", "", "a number or known words") });
    }

    void descriptionBadAttributes()
    {
        QFETCH(QStringList, warnings);

        QDomDocument aDocument;
        const QDomElement anElement = parseXml(aDocument, fetch<QString>("xml"));
        LMTestSupport::expectWarnings(warnings);
        const LMAreaDescription aRead
            = LMAreaDescription::fromXml(anElement, LMAreaAbilityEnum::Move, LMAreaCreationRuleEnum::Import);
        QCOMPARE(aRead.rect(), fetch<QRectF>("rect"));
        QCOMPARE(aRead.rotation().degrees(), fetch<int>("rotation"));
        QCOMPARE(aRead.abilities().value(), fetch<int>("abilities"));
        QCOMPARE(aRead.creationRule().value(), fetch<int>("creationRule"));
        QVERIFY(!aRead.isNormalized());
    }

    void decorationParts()
    {
        LMAreaDecoration aDecoration;
        QVERIFY(aDecoration.isEmpty());
        QVERIFY(aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Border));

        // A border with width but nothing else is still a border; a shadow without opacity is none.
        aDecoration.setBorder(LMBorderConfig(LMDistance(1), LMBorderPosition(), QColor()));
        aDecoration.setShadow(LMShadowConfig(LMDistance(10), LMAngle(0), 0, LMDistance(4)));
        QVERIFY(!aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Border));
        QVERIFY(aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Shadow));
        QVERIFY(aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Corners));

        // Corners are set only with a valid corner, a valid shape and a length.
        LMCornersConfiguration aCorners;
        aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShape(), LMDistance(5));
        aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShapeEnum::Concave, LMDistance());
        aCorners.setCorner(LMCorner(), LMCornerShapeEnum::Concave, LMDistance(5));
        QVERIFY(aCorners.isDefault());
        aCorners.setCorner(LMCornerEnum::All, LMCornerShapeEnum::Concave, LMDistance(5));
        QCOMPARE(aCorners.corners().size(), 4);
        QVERIFY(aCorners.isEnabled());
    }

    void decorationCopies()
    {
        // Copies share their parts until one of them changes.
        const LMAreaDecoration aFull = fullDecoration();
        LMAreaDecoration aCopy = aFull;
        aCopy.setBorder(LMBorderConfig());
        QCOMPARE(aFull, fullDecoration());
        QVERIFY(aCopy != aFull);
        QVERIFY(aCopy.decorationPartIsEmpty(LMAreaDecorationPart::Border));
        QCOMPARE(aCopy.shadow(), aFull.shadow());

        // Taking every part away again, or giving the default parts, is no decoration at all.
        aCopy.setShadow(LMShadowConfig());
        aCopy.setCorners(LMCornersConfiguration());
        QCOMPARE(aCopy, LMAreaDecoration());
        QCOMPARE(LMAreaDecoration(LMBorderConfig(), LMShadowConfig(), LMCornersConfiguration()), LMAreaDecoration());
        QVERIFY(aCopy.isEmpty());
        QVERIFY(LMAreaDecoration().mirrored(LMMirrorRuleEnum::BothAxes).isEmpty());

        LMAreaDecoration aMoved = std::move(aCopy);
        aMoved.setCorners(fullDecoration().corners());
        QCOMPARE(aMoved.corners(), aFull.corners());
        QVERIFY(aMoved.decorationPartIsEmpty(LMAreaDecorationPart::Border));
    }

    void decorationMirrorsAndScales()
    {
        const LMAreaDecoration aDecoration = fullDecoration();

        const LMAreaDecoration aMirrored = aDecoration.mirrored(LMMirrorRuleEnum::VerticalAxis);
        QVERIFY(aMirrored.corners().hasCorner(LMCornerEnum::TopRight));
        QVERIFY(aMirrored.corners().hasCorner(LMCornerEnum::BottomLeft));
        QVERIFY(!aMirrored.corners().hasCorner(LMCornerEnum::TopLeft));
        QCOMPARE(aMirrored.corners().corner(LMCornerEnum::TopRight).shape, LMCornerShape(LMCornerShapeEnum::Convex));
        // The shadow falls to the other side: 45 degrees becomes 135.
        QCOMPARE(aMirrored.shadow().angle().degrees(), 135);
        QCOMPARE(aDecoration.mirrored(LMMirrorRuleEnum::HorizontalAxis).shadow().angle().degrees(), 315);
        QCOMPARE(aDecoration.mirrored(LMMirrorRuleEnum::BothAxes).shadow().angle().degrees(), 225);
        QCOMPARE(aMirrored.mirrored(LMMirrorRuleEnum::VerticalAxis), aDecoration);

        const LMAreaDecoration aScaled = aDecoration.scaled(2.0);
        QCOMPARE(aScaled.border().width(), LMDistance(50));
        QCOMPARE(aScaled.border().offset(), LMDistance(10));
        QCOMPARE(aScaled.shadow().blur(), LMDistance(8, LMDistanceUnit::Millimetre));
        QCOMPARE(aScaled.corners().corner(LMCornerEnum::TopLeft).length, LMDistance(40));
        QCOMPARE(aDecoration.scaled(1.0), aDecoration);
    }

    void textFormatChangeMerge()
    {
        LMTextFormat aFirst;
        aFirst.setFontFamily(QStringLiteral("Fira Sans"));
        aFirst.setFontSize(12);
        const LMTextFormatChange aFamilyAndSize(aFirst, LMTextFormat::FontFamily | LMTextFormat::FontSize);

        LMTextFormat aSecond;
        aSecond.setFontSize(14);
        aSecond.setBold(true);
        aSecond.setFontFamily(QStringLiteral("ignored: not a field of the change"));
        const LMTextFormatChange aSizeAndBold(aSecond, LMTextFormat::FontSize | LMTextFormat::Bold);

        LMTextFormatChange aMerged = aFamilyAndSize;
        aMerged.merge(aSizeAndBold);
        QCOMPARE(aMerged.fields(), LMTextFormat::FontFamily | LMTextFormat::FontSize | LMTextFormat::Bold);
        QCOMPARE(aMerged.format().fontFamily(), QStringLiteral("Fira Sans"));
        QCOMPARE(aMerged.format().fontSize(), 14.0);
        QVERIFY(aMerged.format().isBold());

        LMTextFormat aBase;
        aBase.setItalic(true);
        aBase.setFontSize(8);
        const LMTextFormat anApplied = aMerged.appliedTo(aBase);
        QVERIFY(anApplied.isItalic());
        QCOMPARE(anApplied.fontSize(), 14.0);
        QCOMPARE(anApplied.fontFamily(), QStringLiteral("Fira Sans"));
        // The base itself is untouched.
        QCOMPARE(aBase.fontSize(), 8.0);

        // Only a change that sets the size scales it.
        LMTextFormatChange aBoldOnly(aSecond, LMTextFormat::Bold);
        aBoldOnly.scaleFontSize(2.0);
        QCOMPARE(aBoldOnly.format().fontSize(), 14.0);
        aMerged.scaleFontSize(0.5);
        QCOMPARE(aMerged.format().fontSize(), 7.0);

        // Equality looks only at the fields a change sets.
        LMTextFormat aThird;
        aThird.setBold(true);
        aThird.setFontSize(99);
        QCOMPARE(LMTextFormatChange(aSecond, LMTextFormat::Bold), LMTextFormatChange(aThird, LMTextFormat::Bold));
        QVERIFY(
            !(LMTextFormatChange(aSecond, LMTextFormat::Bold) == LMTextFormatChange(aSecond, LMTextFormat::Italic)));
    }

    void textFormatChangeXml_data()
    {
        QTest::addColumn<LMTextFormatChange>("change");

        row("empty", LMTextFormatChange());
        LMTextFormat aFormat;
        aFormat.setFontFamily(QStringLiteral("Ünicode Grotesk"));
        aFormat.setFontSize(10.5);
        aFormat.setBold(true);
        aFormat.setItalic(true);
        aFormat.setFontColor(QColor(1, 2, 3));
        aFormat.setBackgroundColor(QColor(255, 0, 0, 128));
        aFormat.setPaddingHorizontal(LMDistance(1.5, LMDistanceUnit::Millimetre));
        aFormat.setPaddingVertical(LMDistance(3));
        aFormat.setOutline(LMOutlineConfig(LMDistance(0.2, LMDistanceUnit::Millimetre), QColor(Qt::white)));
        aFormat.setAlignmentHorizontal(Qt::AlignJustify);
        aFormat.setAlignmentVertical(Qt::AlignBottom);
        aFormat.setLetterSpacing(LMDistance(0.1, LMDistanceUnit::Millimetre));
        aFormat.setLineHeightPercent(120);
        aFormat.setSpotColorBackground(true);
        aFormat.setSpotColorText(true);
        row("every field", LMTextFormatChange(aFormat, LMTextFormat::AllFields));
        row("some fields", LMTextFormatChange(aFormat, LMTextFormat::Outline | LMTextFormat::AlignmentVertical));
    }

    void textFormatChangeXml()
    {
        QFETCH(LMTextFormatChange, change);

        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("textarea"));
        change.buildXML(anElement);
        QCOMPARE(anElement.firstChildElement(QStringLiteral("textformat")).isNull(), change.isEmpty());
        QCOMPARE(LMTextFormatChange::fromXml(anElement), change);
    }

    void clipartConfiguration_data()
    {
        columns<QString, int, bool, bool>("xml", "mirror", "gsel", "changes");

        row("none", "<image/>", 0, false, false);
        row("mirrored", "<image mirror='horizontal'/>", 1, false, true);
        row("spot colour", "<image gsel='yes'/>", 0, true, true);
        row("malformed boolean", "<image gsel='maybe'/>", 0, false, false);
    }

    void clipartConfiguration()
    {
        QFETCH(int, mirror);

        QDomDocument aDocument;
        const QDomElement anElement = parseXml(aDocument, fetch<QString>("xml"));
        if (anElement.attribute(QStringLiteral("gsel")) == QLatin1String("maybe"))
            QTest::ignoreMessage(QtWarningMsg, "<image> attribute \"gsel\": \"maybe\" is not a boolean; default used");
        const LMClipartConfiguration aConfiguration = LMClipartConfiguration::fromXml(anElement);
        QCOMPARE(aConfiguration.mirrorRule().value(), mirror);
        QCOMPARE(aConfiguration.isSpotColorEnabled(), fetch<bool>("gsel"));
        QTEST(aConfiguration.hasChanges(), "changes");
        // Mirroring adds up and undoes itself.
        QCOMPARE(aConfiguration.mirrored(LMMirrorRuleEnum::BothAxes).mirrorRule().value(), mirror ^ 3);
        QCOMPARE(aConfiguration.mirrored(LMMirrorRuleEnum::VerticalAxis).mirrored(LMMirrorRuleEnum::VerticalAxis),
                 aConfiguration);
    }

    void smartLayoutConfiguration()
    {
        LMSmartLayoutConfiguration aConfiguration;
        aConfiguration.setSpacing(LMDistance(20));
        aConfiguration.setElegant(true);
        aConfiguration.setElegantPaddings(QMarginsF(10, 5, 30, 15));

        const QSizeF aPage(1000, 500);
        const LMSmartLayoutConfiguration aNormalized = aConfiguration.normalized(aPage);
        QCOMPARE(aNormalized.spacing(), LMDistance(0.02, LMDistanceUnit::Relative));
        QCOMPARE(aNormalized.elegantPaddings(), QMarginsF(0.01, 0.01, 0.03, 0.03));
        QCOMPARE(aNormalized.denormalized(aPage), aConfiguration);
        // Millimetres become document units on the way.
        LMSmartLayoutConfiguration aMillimetres;
        aMillimetres.setSpacing(LMDistance(2, LMDistanceUnit::Millimetre));
        QCOMPARE(aMillimetres.normalized(aPage).spacing(), LMDistance(0.02, LMDistanceUnit::Relative));
        // An unusable size changes nothing.
        QCOMPARE(aConfiguration.normalized(QSizeF(0, 500)), aConfiguration);

        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("layoutArea"));
        aNormalized.buildXML(anElement);
        QCOMPARE(LMSmartLayoutConfiguration::fromXml(anElement), aNormalized);
    }

    void osmContent()
    {
        QDomDocument aDocument;
        const QDomElement anElement = parseXml(
            aDocument,
            QStringLiteral(
                "<g xmlns:lumo='urn:lumo'><lumo:osm lumo:lat='47.5' lumo:lon='8.25' lumo:zoom='11' lumo:style='winter'>"
                "<lumo:marker lumo:id='home' lumo:lat='47.4' lumo:lon='8.5'/><lumo:marker lumo:id='' lumo:lat='1'/>"
                "</lumo:osm></g>"));
        const LMOsmContent aContent = LMOsmContent::read(anElement.firstChildElement(), QStringLiteral("lumo:"));
        QVERIFY(aContent.isValid());
        QCOMPARE(aContent.center(), QPointF(8.25, 47.5));
        QCOMPARE(aContent.zoom(), 11.0);
        QCOMPARE(aContent.style(), QStringLiteral("winter"));
        // A marker without id ties nothing to the map.
        QCOMPARE(aContent.positions().size(), 1);
        QCOMPARE(aContent.positions().value(LMAreaAssociationId(QStringLiteral("home"))), QPointF(8.5, 47.4));

        QDomDocument anOut;
        QDomElement anArea = anOut.createElement(QStringLiteral("maparea"));
        aContent.buildXML(anArea);
        QCOMPARE(LMOsmContent::fromXml(anArea), aContent);

        LMOsmContent anOffGlobe = aContent;
        anOffGlobe.setCenter(QPointF(-180, -90));
        QVERIFY(anOffGlobe.isValid());
        anOffGlobe.setCenter(QPointF(181, 0));
        QVERIFY(!anOffGlobe.isValid());
        anOffGlobe.setCenter(QPointF(0, 90.5));
        QVERIFY(!anOffGlobe.isValid());
        QVERIFY(!LMOsmContent().isValid());
    }

    void calendariumAppearance()
    {
        // The default appearance writes nothing; the layout and the language are written besides
        // what the areas' round trip sets.
        LMCalendariumAppearance anAppearance;
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("calendararea"));
        anAppearance.buildXML(anElement);
        QVERIFY(anElement.firstChildElement().isNull());

        anAppearance.setColorSchema(QStringLiteral("Herbst"));
        anAppearance.setLayout(QStringLiteral("block"));
        anAppearance.setLanguage(QStringLiteral("de"));
        anAppearance.setMonthOffset(-2);
        anAppearance.buildXML(anElement);
        QCOMPARE(LMCalendariumAppearance::fromXml(anElement), anAppearance);
    }

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

    // A default size of none: the data is no SVG image.
    void svgImage_data()
    {
        columns<QByteArray, QSizeF, QSize, QSize>("data", "defaultSize", "requested", "imageSize");

        row("small", RED_SQUARE, QSizeF(40, 20), QSize(80, 40), QSize(80, 40));
        row("declared size bounded", HUGE_SQUARE, QSizeF(8192, 4096), QSize(100, 50), QSize(100, 50));
        row("requested size bounded", RED_SQUARE, QSizeF(40, 20), QSize(20000, 10), QSize(8192, 4));
        row("empty request gives a null image", RED_SQUARE, QSizeF(40, 20), QSize(0, 10), QSize(0, 0));
        row("empty", QByteArray(), QSizeF(), QSize(10, 10), QSize(0, 0));
        row("not xml", QByteArray("not an svg <<"), QSizeF(), QSize(10, 10), QSize(0, 0));
        row("xml but no svg", QByteArray("<html><body/></html>"), QSizeF(), QSize(10, 10), QSize(0, 0));
    }

    void svgImage()
    {
        QFETCH(QByteArray, data);
        QFETCH(QSizeF, defaultSize);

        // Qt SVG reports its own parse problems; only ours is asserted.
        if (defaultSize.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SVG image could not be read")));
        const LMSVGImage anImage(data);
        QCOMPARE(anImage.isValid(), !defaultSize.isEmpty());
        QCOMPARE(anImage.type(), LMSVGImageAbstract::Type::Plain);
        QCOMPARE(anImage.defaultSize(), defaultSize);
        const QImage aPicture = anImage.toImage(fetch<QSize>("requested"));
        QTEST(aPicture.size(), "imageSize");
        if (!aPicture.isNull() && data == RED_SQUARE)
            QCOMPARE(aPicture.pixelColor(aPicture.width() / 2, aPicture.height() / 2), QColor(Qt::red));
        QImage aTarget(10, 10, QImage::Format_ARGB32_Premultiplied);
        QPainter aPainter(&aTarget);
        QCOMPARE(anImage.render(&aPainter, QRectF(0, 0, 10, 10)), anImage.isValid());
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

        // A plain image is not equal to a calendar image of the same document.
        const LMSVGImage aPlain(anImage.data());
        QVERIFY(!aPlain.equals(anImage));
        QVERIFY(aPlain.clone()->equals(aPlain));
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

QTEST_MAIN(TestModel)
#include "tst_model.moc"
