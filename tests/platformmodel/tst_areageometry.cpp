#include "LMAreaDescription.h"
#include "LMDistance.h"
#include "LMMirrorRule.h"
#include "LMRotatedRect.h"

#include <QDomDocument>
#include <QTest>

Q_DECLARE_METATYPE(LMRotatedRect)

// Distances, rotated rectangles, mirror rules and the geometry of area descriptions.
class TestAreaGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void distanceText_data();
    void distanceText();
    void distanceTriangle_data();
    void distanceTriangle();
    void polygon_data();
    void polygon();
    void inclined_data();
    void inclined();
    void mirrored_data();
    void mirrored();
    void mirrorRule_data();
    void mirrorRule();
    void spreadOut_data();
    void spreadOut();
    void normalizeAndScale();
    void normalizeRefusesEmptySizes_data();
    void normalizeRefusesEmptySizes();
    void fixLegacyTemplates_data();
    void fixLegacyTemplates();
};

void TestAreaGeometry::distanceText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<LMDistance>("expected");

    QTest::newRow("document units") << "12.5" << true << LMDistance(12.5);
    QTest::newRow("millimetres") << "4mm" << true << LMDistance(4, LMDistanceUnit::Millimetre);
    QTest::newRow("relative") << "0.02rel" << true << LMDistance(0.02, LMDistanceUnit::Relative);
    QTest::newRow("blanks around and between") << "  -3 mm " << true << LMDistance(-3, LMDistanceUnit::Millimetre);
    QTest::newRow("exponent") << "1e-3" << true << LMDistance(0.001);
    QTest::newRow("empty") << "" << false << LMDistance();
    QTest::newRow("unknown unit") << "5px" << false << LMDistance();
    QTest::newRow("unit only") << "mm" << false << LMDistance();
    QTest::newRow("decimal comma") << "2,5" << false << LMDistance();
    QTest::newRow("overflow") << "1e400" << false << LMDistance();
    QTest::newRow("not a number") << "nan" << false << LMDistance();
    QTest::newRow("unicode minus") << QStringLiteral("\u22123") << false << LMDistance();
}

void TestAreaGeometry::distanceText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(LMDistance, expected);

    bool anOk = !ok;
    const LMDistance aDistance = LMDistance::fromString(text, &anOk);
    QCOMPARE(anOk, ok);
    QCOMPARE(aDistance, expected);
    // The text form reads back as the same distance.
    QCOMPARE(LMDistance::fromString(aDistance.toString()), aDistance);
}

void TestAreaGeometry::distanceTriangle_data()
{
    QTest::addColumn<LMDistance>("horizontal");
    QTest::addColumn<LMDistance>("vertical");
    QTest::addColumn<LMDistance>("hypothenuse");
    QTest::addColumn<int>("angle");

    QTest::newRow("3-4-5") << LMDistance(3) << LMDistance(4) << LMDistance(5) << 53;
    QTest::newRow("straight down is clockwise 90") << LMDistance(0) << LMDistance(5) << LMDistance(5) << 90;
    QTest::newRow("left") << LMDistance(-5) << LMDistance(0) << LMDistance(5) << 180;
    QTest::newRow("up") << LMDistance(0) << LMDistance(-5) << LMDistance(5) << 270;
    QTest::newRow("null offset") << LMDistance(0) << LMDistance(0) << LMDistance(0) << 0;
    QTest::newRow("millimetres keep their unit")
        << LMDistance(3, LMDistanceUnit::Millimetre) << LMDistance(4, LMDistanceUnit::Millimetre)
        << LMDistance(5, LMDistanceUnit::Millimetre) << 53;
    QTest::newRow("mixed units meet in document units")
        << LMDistance(1, LMDistanceUnit::Millimetre) << LMDistance(10) << LMDistance(std::sqrt(200.0)) << 45;
}

void TestAreaGeometry::distanceTriangle()
{
    QFETCH(LMDistance, horizontal);
    QFETCH(LMDistance, vertical);
    QFETCH(LMDistance, hypothenuse);
    QFETCH(int, angle);

    QCOMPARE(LMDistance::hypothenuse(horizontal, vertical), hypothenuse);
    QCOMPARE(LMDistance::angleOfSpannedTriangle(horizontal, vertical).degrees(), angle);
}

void TestAreaGeometry::polygon_data()
{
    QTest::addColumn<LMRotatedRect>("rect");
    QTest::addColumn<QPolygonF>("expected");
    QTest::addColumn<QRectF>("bounds");

    const QRectF aRect(0, 0, 100, 50);
    QTest::newRow("unturned") << LMRotatedRect(aRect) << QPolygonF({ { 0, 0 }, { 100, 0 }, { 100, 50 }, { 0, 50 } })
                              << aRect;
    // Clockwise on the page (y down): the top-left corner swings up to the right.
    QTest::newRow("90 clockwise") << LMRotatedRect(aRect, LMAngle(90))
                                  << QPolygonF({ { 75, -25 }, { 75, 75 }, { 25, 75 }, { 25, -25 } })
                                  << QRectF(25, -25, 50, 100);
    QTest::newRow("180 keeps the covered rectangle")
        << LMRotatedRect(aRect, LMAngle(180)) << QPolygonF({ { 100, 50 }, { 0, 50 }, { 0, 0 }, { 100, 0 } }) << aRect;
    QTest::newRow("-270 equals 90") << LMRotatedRect(aRect, LMAngle(-270))
                                    << QPolygonF({ { 75, -25 }, { 75, 75 }, { 25, 75 }, { 25, -25 } })
                                    << QRectF(25, -25, 50, 100);
}

void TestAreaGeometry::polygon()
{
    QFETCH(LMRotatedRect, rect);
    QFETCH(QPolygonF, expected);
    QFETCH(QRectF, bounds);

    const QPolygonF aPolygon = rect.polygon();
    QCOMPARE(aPolygon.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(std::abs(aPolygon.at(i).x() - expected.at(i).x()) < 1e-9
                     && std::abs(aPolygon.at(i).y() - expected.at(i).y()) < 1e-9,
                 qPrintable(QStringLiteral("corner %1").arg(i)));
    }
    const QRectF aBounds = rect.boundingRect();
    QVERIFY(std::abs(aBounds.x() - bounds.x()) < 1e-9 && std::abs(aBounds.y() - bounds.y()) < 1e-9);
    QVERIFY(std::abs(aBounds.width() - bounds.width()) < 1e-9 && std::abs(aBounds.height() - bounds.height()) < 1e-9);
    // Turning never changes the covered area.
    QCOMPARE(rect.coveredArea(), 5000.0);
}

void TestAreaGeometry::inclined_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<bool>("inclined");
    QTest::addColumn<bool>("rotated");

    QTest::newRow("0") << 0 << false << false;
    QTest::newRow("90") << 90 << false << true;
    QTest::newRow("180") << 180 << false << true;
    QTest::newRow("270") << 270 << false << true;
    QTest::newRow("360") << 360 << false << false;
    QTest::newRow("-90") << -90 << false << true;
    QTest::newRow("1") << 1 << true << true;
    QTest::newRow("5") << 5 << true << true;
    QTest::newRow("45") << 45 << true << true;
    QTest::newRow("359") << 359 << true << true;
    QTest::newRow("-1") << -1 << true << true;
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min() << true << true;
}

void TestAreaGeometry::inclined()
{
    QFETCH(int, degrees);
    QFETCH(bool, inclined);
    QFETCH(bool, rotated);

    const LMRotatedRect aRect(QRectF(0, 0, 1, 1), LMAngle(degrees));
    QCOMPARE(aRect.isInclined(), inclined);
    QCOMPARE(aRect.isRotated(), rotated);
}

void TestAreaGeometry::mirrored_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QSizeF>("reference");
    QTest::addColumn<LMRotatedRect>("expected");

    const QSizeF aUnit(1, 1);
    QTest::newRow("none") << 0 << aUnit << LMRotatedRect(QRectF(0.1, 0.2, 0.3, 0.4), LMAngle(30));
    QTest::newRow("vertical axis swaps left and right")
        << 2 << aUnit << LMRotatedRect(QRectF(0.6, 0.2, 0.3, 0.4), LMAngle(330));
    QTest::newRow("horizontal axis swaps top and bottom")
        << 1 << aUnit << LMRotatedRect(QRectF(0.1, 0.4, 0.3, 0.4), LMAngle(330));
    QTest::newRow("both axes keep the angle") << 3 << aUnit << LMRotatedRect(QRectF(0.6, 0.4, 0.3, 0.4), LMAngle(30));
    QTest::newRow("page in document units")
        << 2 << QSizeF(1000, 500) << LMRotatedRect(QRectF(999.6, 0.2, 0.3, 0.4), LMAngle(330));
    QTest::newRow("unknown page mirrors in place")
        << 3 << QSizeF(-1, -1) << LMRotatedRect(QRectF(0.1, 0.2, 0.3, 0.4), LMAngle(30));
}

void TestAreaGeometry::mirrored()
{
    QFETCH(int, rule);
    QFETCH(QSizeF, reference);
    QFETCH(LMRotatedRect, expected);

    const LMRotatedRect aRect(QRectF(0.1, 0.2, 0.3, 0.4), LMAngle(30));
    const LMRotatedRect aMirrored = aRect.mirrored(LMMirrorRule(LMMirrorRule::fromInt(rule)), reference);
    QCOMPARE(aMirrored, expected);
    // Mirroring twice by the same rule gives the rectangle back.
    QCOMPARE(aMirrored.mirrored(LMMirrorRule(LMMirrorRule::fromInt(rule)), reference), aRect);
}

void TestAreaGeometry::mirrorRule_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("written");

    QTest::newRow("absent") << "<layout/>" << 0 << QString();
    QTest::newRow("vertical") << "<layout mirror='vertical'/>" << 2 << "vertical";
    QTest::newRow("two words in any case") << "<layout mirror=' Horizontal , VERTICAL'/>" << 3 << "both";
    QTest::newRow("both") << "<layout mirror='both'/>" << 3 << "both";
    QTest::newRow("unknown word") << "<layout mirror='diagonal'/>" << 0 << QString();
    QTest::newRow("empty") << "<layout mirror=''/>" << 0 << QString();
}

void TestAreaGeometry::mirrorRule()
{
    QFETCH(QString, xml);
    QFETCH(int, rule);
    QFETCH(QString, written);

    QDomDocument aDocument;
    QVERIFY(aDocument.setContent(xml));
    const LMMirrorRule aRule = LMMirrorRule::fromXml(aDocument.documentElement());
    QCOMPARE(aRule.value(), rule);

    QDomDocument anOut;
    QDomElement anElement = anOut.createElement(QStringLiteral("layout"));
    aRule.buildXML(anElement);
    QCOMPARE(anElement.attribute(QStringLiteral("mirror")), written);
    QCOMPARE(anElement.hasAttribute(QStringLiteral("mirror")), rule != 0);
    QCOMPARE(LMMirrorRule::fromXml(anElement), aRule);
}

void TestAreaGeometry::spreadOut_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QList<int>>("singles");
    QTest::addColumn<QString>("csv");

    QTest::newRow("none") << 0 << QList<int>() << QString();
    QTest::newRow("horizontal") << 1 << QList<int>({ 1 }) << "horizontal";
    QTest::newRow("vertical") << 2 << QList<int>({ 2 }) << "vertical";
    QTest::newRow("both") << 3 << QList<int>({ 1, 2 }) << "horizontal, vertical";
}

void TestAreaGeometry::spreadOut()
{
    QFETCH(int, rule);
    QFETCH(QList<int>, singles);
    QFETCH(QString, csv);

    const LMMirrorRule aRule(LMMirrorRule::fromInt(rule));
    QList<int> aValues;
    for (const LMMirrorRule& aSingle : aRule.spreadOut())
        aValues.append(aSingle.value());
    QCOMPARE(aValues, singles);
    QCOMPARE(aRule.encodeCSV(), csv);
    // A rule followed by itself undoes it.
    QCOMPARE(aRule.followedBy(aRule).value(), 0);
}

void TestAreaGeometry::normalizeAndScale()
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

void TestAreaGeometry::normalizeRefusesEmptySizes_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<bool>("warns");
    QTest::newRow("unknown") << QSizeF(-1, -1) << false;
    QTest::newRow("invalid") << QSizeF() << false;
    QTest::newRow("one side unknown") << QSizeF(500, -1) << false;
    QTest::newRow("zero width") << QSizeF(0, 500) << true;
    QTest::newRow("zero height") << QSizeF(500, 0) << true;
    QTest::newRow("empty") << QSizeF(0, 0) << true;
}

void TestAreaGeometry::normalizeRefusesEmptySizes()
{
    QFETCH(QSizeF, size);
    QFETCH(bool, warns);

    LMAreaDescription aDescription(LMRotatedRect(QRectF(1, 2, 3, 4)), LMAreaAbility());
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^cannot normalise an area by the size")));
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

void TestAreaGeometry::fixLegacyTemplates_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<bool>("normalized");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("fixRotation");
    QTest::addColumn<QRectF>("expected");
    QTest::addColumn<int>("expectedRotation");

    // The page is 1000 x 500 document units: one unit is 0.001 across and 0.002 down when normalised.
    QTest::newRow("left edge short by less than a unit")
        << QRectF(0.0009, 0.5, 0.4, 0.2) << true << 0 << false << QRectF(0, 0.5, 0.4009, 0.2) << 0;
    QTest::newRow("left edge one unit in stays")
        << QRectF(0.001, 0.5, 0.4, 0.2) << true << 0 << false << QRectF(0.001, 0.5, 0.4, 0.2) << 0;
    QTest::newRow("bottom edge short by less than a unit")
        << QRectF(0.2, 0.5, 0.4, 0.4985) << true << 0 << false << QRectF(0.2, 0.5, 0.4, 0.5) << 0;
    QTest::newRow("full bleed in document units")
        << QRectF(0.5, -0.5, 999, 500.5) << false << 0 << false << QRectF(0, 0, 1000, 500) << 0;
    QTest::newRow("negative size turned round")
        << QRectF(0.5, 0.5, -0.2, -0.1) << true << 0 << false << QRectF(0.3, 0.4, 0.2, 0.1) << 0;
    QTest::newRow("counter-clockwise rotation")
        << QRectF(0.2, 0.2, 0.2, 0.2) << true << 30 << true << QRectF(0.2, 0.2, 0.2, 0.2) << 330;
    QTest::newRow("rotation 0 stays 0") << QRectF(0.2, 0.2, 0.2, 0.2) << true << 0 << true << QRectF(0.2, 0.2, 0.2, 0.2)
                                        << 0;
    QTest::newRow("rotation kept without the rotation fix")
        << QRectF(0.2, 0.2, 0.2, 0.2) << true << 30 << false << QRectF(0.2, 0.2, 0.2, 0.2) << 30;
}

void TestAreaGeometry::fixLegacyTemplates()
{
    QFETCH(QRectF, rect);
    QFETCH(bool, normalized);
    QFETCH(int, rotation);
    QFETCH(bool, fixRotation);
    QFETCH(QRectF, expected);
    QFETCH(int, expectedRotation);

    LMAreaDescription aDescription(LMRotatedRect(rect, LMAngle(rotation)), LMAreaAbility());
    if (normalized) {
        // Normalise by a unit page, which leaves the numbers as they are.
        QVERIFY(aDescription.normalize(QSizeF(1, 1)));
    }
    aDescription.fixLegacyTemplates(QSize(1000, 500), fixRotation);
    QCOMPARE(aDescription.rotatedRect(), LMRotatedRect(expected, LMAngle(expectedRotation)));
}

QTEST_GUILESS_MAIN(TestAreaGeometry)
#include "tst_areageometry.moc"
