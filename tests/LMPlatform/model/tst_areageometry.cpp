#include "LMAreaDescription.h"
#include "LMDistance.h"
#include "LMMirrorRule.h"
#include "LMPortraitAndLandscapeCount.h"
#include "LMRotatedRect.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QHash>
#include <QTest>

#include <limits>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMRotatedRect)

using Count = LMPortraitAndLandscapeCount;

// Distances, rotated rectangles, mirror rules and the geometry of area descriptions.
class TestAreaGeometry : public QObject
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

    void mirrorRule_data()
    {
        columns<QString, int, QString>("xml", "rule", "written");

        row("absent", "<layout/>", 0, QString());
        row("two words in any case", "<layout mirror=' Horizontal , VERTICAL'/>", 3, "both");
        row("both", "<layout mirror='both'/>", 3, "both");
        row("unknown word", "<layout mirror='diagonal'/>", 0, QString());
    }

    void mirrorRule()
    {
        QFETCH(int, rule);

        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(fetch<QString>("xml")));
        const LMMirrorRule aRule = LMMirrorRule::fromXml(aDocument.documentElement());
        QCOMPARE(aRule.value(), rule);

        QDomDocument anOut;
        QDomElement anElement = anOut.createElement(QStringLiteral("layout"));
        aRule.buildXML(anElement);
        QTEST(anElement.attribute(QStringLiteral("mirror")), "written");
        QCOMPARE(anElement.hasAttribute(QStringLiteral("mirror")), rule != 0);
        QCOMPARE(LMMirrorRule::fromXml(anElement), aRule);
    }

    void spreadOut_data()
    {
        columns<int, QList<int>, QString>("rule", "singles", "csv");

        row("none", 0, QList<int>(), QString());
        row("vertical", 2, QList<int>({ 2 }), "vertical");
        row("both", 3, QList<int>({ 1, 2 }), "horizontal, vertical");
    }

    void spreadOut()
    {
        const LMMirrorRule aRule(LMMirrorRule::fromInt(fetch<int>("rule")));
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

    void metricDistance_data()
    {
        columns<Count, Count, int>("a", "b", "distance");

        row("both empty", Count(), Count(), 0);
        row("equal", Count(2, 3), Count(2, 3), 0);
        row("one more portrait", Count(3, 3), Count(2, 3), 1);
        row("one more landscape", Count(2, 4), Count(2, 3), 1);
        row("same total, swapped orientation", Count(0, 2), Count(2, 0), 4);
        row("differences add up", Count(5, 0), Count(1, 2), 6);
        row("bad against empty", Count::badCount(), Count(), std::numeric_limits<int>::max());
        row("bad against bad", Count::badCount(), Count::badCount(), std::numeric_limits<int>::max());
        row("negative landscape is bad", Count(1, -1), Count(1, 0), std::numeric_limits<int>::max());
        row("huge counts stay below the bad distance",
            Count(std::numeric_limits<int>::max(), std::numeric_limits<int>::max()), Count(),
            std::numeric_limits<int>::max() - 1);
    }

    void metricDistance()
    {
        QFETCH(Count, a);
        QFETCH(Count, b);
        QFETCH(int, distance);

        QCOMPARE(a.metricDistance(b), distance);
        QCOMPARE(b.metricDistance(a), distance);
    }

    void badCountLosesToEveryRealCount_data()
    {
        columns<Count, Count>("wanted", "layout");

        row("one portrait, eight landscape areas", Count(1, 0), Count(0, 8));
        row("many photos, one area", Count(40, 60), Count(1, 0));
    }

    void badCountLosesToEveryRealCount()
    {
        QFETCH(Count, wanted);
        QFETCH(Count, layout);

        QVERIFY(!Count::badCount().isValid());
        QVERIFY(layout.isValid());
        QVERIFY(wanted.metricDistance(layout) < wanted.metricDistance(Count::badCount()));
    }

    void diffLandscape_data()
    {
        columns<Count, Count, int>("a", "b", "diff");

        row("equal", Count(1, 2), Count(1, 2), 0);
        row("this has more landscape", Count(0, 3), Count(0, 1), 2);
        row("portrait does not count", Count(5, 1), Count(0, 1), 0);
    }

    void diffLandscape()
    {
        QFETCH(Count, a);
        QFETCH(Count, b);
        QFETCH(int, diff);

        QCOMPARE(a.diffLandscape(b), diff);
        QCOMPARE(b.diffLandscape(a), -diff);
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
};

QTEST_GUILESS_MAIN(TestAreaGeometry)
#include "tst_areageometry.moc"
