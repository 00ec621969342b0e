#include "LMAngle.h"
#include "LMEmptyMeansAllSet.h"
#include "LMIntRange.h"
#include "LMTemplateDefaultTilt.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <climits>

namespace {

// Slices as flat pairs of bounds, so that rows stay one line and failures print readably.
QList<int> flatten(const QList<LMIntRange>& theRanges)
{
    QList<int> aBounds;
    for (const LMIntRange& aRange : theRanges)
        aBounds << aRange.min() << aRange.max();
    return aBounds;
}

QDomElement templateElement(QDomDocument& theDocument)
{
    QDomElement anElement = theDocument.createElement(QStringLiteral("template"));
    theDocument.appendChild(anElement);
    return anElement;
}

} // namespace

class TestSharedValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rangeContainsValue_data();
    void rangeContainsValue();
    void rangeContainsAndIntersectsRange_data();
    void rangeContainsAndIntersectsRange();
    void rangeCenter_data();
    void rangeCenter();
    void rangeExpandTo_data();
    void rangeExpandTo();
    void rangeOrder_data();
    void rangeOrder();
    void rangeSortGathersInvalidRangesFirst();
    void split_data();
    void split();
    void splitCoversExactly_data();
    void splitCoversExactly();
    void splitForCpuCores();

    void angleNormalized_data();
    void angleNormalized();
    void tiltFromXml_data();
    void tiltFromXml();
    void tiltWriteToXml_data();
    void tiltWriteToXml();
    void tiltEquality();

    void emptyMeansAll_data();
    void emptyMeansAll();
};

void TestSharedValues::init()
{
    // Only the warnings a row announces may appear.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestSharedValues::rangeContainsValue_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("expected");

    QTest::newRow("lower bound") << 2 << 5 << 2 << true;
    QTest::newRow("upper bound") << 2 << 5 << 5 << true;
    QTest::newRow("below") << 2 << 5 << 1 << false;
    QTest::newRow("above") << 2 << 5 << 6 << false;
    QTest::newRow("negative range, inside") << -5 << -2 << -5 << true;
    QTest::newRow("negative range, above") << -5 << -2 << -1 << false;
    QTest::newRow("single value") << 0 << 0 << 0 << true;
    QTest::newRow("invalid range holds nothing, between") << 5 << 2 << 3 << false;
    QTest::newRow("invalid range holds nothing, on a bound") << 5 << 2 << 5 << false;
    QTest::newRow("whole int range, INT_MIN") << INT_MIN << INT_MAX << INT_MIN << true;
    QTest::newRow("whole int range, INT_MAX") << INT_MIN << INT_MAX << INT_MAX << true;
}

void TestSharedValues::rangeContainsValue()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(bool, expected);

    const LMIntRange aRange(min, max);
    QCOMPARE(aRange.isValid(), max >= min);
    QCOMPARE(aRange.contains(value), expected);
}

void TestSharedValues::rangeContainsAndIntersectsRange_data()
{
    QTest::addColumn<LMIntRange>("range");
    QTest::addColumn<LMIntRange>("other");
    QTest::addColumn<bool>("expectedContains");
    QTest::addColumn<bool>("expectedIntersects");

    QTest::newRow("same") << LMIntRange(0, 10) << LMIntRange(0, 10) << true << true;
    QTest::newRow("nested") << LMIntRange(0, 10) << LMIntRange(2, 3) << true << true;
    QTest::newRow("around") << LMIntRange(2, 3) << LMIntRange(0, 10) << false << true;
    QTest::newRow("sticking out below") << LMIntRange(0, 10) << LMIntRange(-1, 3) << false << true;
    QTest::newRow("sticking out above") << LMIntRange(0, 10) << LMIntRange(5, 11) << false << true;
    QTest::newRow("touching in one value") << LMIntRange(0, 5) << LMIntRange(5, 9) << false << true;
    QTest::newRow("adjacent, no common value") << LMIntRange(0, 5) << LMIntRange(6, 9) << false << false;
    QTest::newRow("negative, overlapping") << LMIntRange(-10, -5) << LMIntRange(-6, 0) << false << true;
    QTest::newRow("negative, apart") << LMIntRange(-10, -5) << LMIntRange(-4, 0) << false << false;
    // Only the bounds are looked at: an invalid range whose bounds lie inside counts as inside.
    QTest::newRow("invalid other with bounds inside") << LMIntRange(0, 10) << LMIntRange(5, 3) << true << true;
    QTest::newRow("invalid range contains nothing") << LMIntRange(5, 3) << LMIntRange(4, 4) << false << false;
}

void TestSharedValues::rangeContainsAndIntersectsRange()
{
    QFETCH(LMIntRange, range);
    QFETCH(LMIntRange, other);
    QFETCH(bool, expectedContains);
    QFETCH(bool, expectedIntersects);

    QCOMPARE(range.contains(other), expectedContains);
    QCOMPARE(range.intersects(other), expectedIntersects);
    QCOMPARE(other.intersects(range), expectedIntersects);
}

void TestSharedValues::rangeCenter_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("expected");

    QTest::newRow("odd sum rounds down when positive") << 2 << 5 << 3;
    QTest::newRow("even sum") << 2 << 6 << 4;
    QTest::newRow("odd negative sum truncates toward zero") << -5 << -2 << -3;
    QTest::newRow("minus one and a half becomes minus one") << -3 << 0 << -1;
    QTest::newRow("around zero") << -3 << 3 << 0;
    QTest::newRow("large bounds do not overflow") << INT_MAX - 1 << INT_MAX << INT_MAX - 1;
    QTest::newRow("small bounds do not overflow") << INT_MIN << INT_MIN + 1 << INT_MIN + 1;
    QTest::newRow("whole int range") << INT_MIN << INT_MAX << 0;
}

void TestSharedValues::rangeCenter()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, expected);

    QCOMPARE(LMIntRange(min, max).center(), expected);
}

void TestSharedValues::rangeExpandTo_data()
{
    QTest::addColumn<LMIntRange>("start");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<LMIntRange>("expected");

    QTest::newRow("unset range takes the value") << LMIntRange(0, 0) << QList<int> { 7 } << LMIntRange(7, 7);
    QTest::newRow("unset range takes a negative value") << LMIntRange(0, 0) << QList<int> { -3 } << LMIntRange(-3, -3);
    QTest::newRow("max raised") << LMIntRange(2, 5) << QList<int> { 9 } << LMIntRange(2, 9);
    QTest::newRow("min lowered") << LMIntRange(2, 5) << QList<int> { -1 } << LMIntRange(-1, 5);
    QTest::newRow("value inside changes nothing") << LMIntRange(2, 5) << QList<int> { 3 } << LMIntRange(2, 5);
    QTest::newRow("zero bound alone is not unset") << LMIntRange(0, 4) << QList<int> { -2 } << LMIntRange(-2, 4);
    QTest::newRow("a zero is forgotten while unset") << LMIntRange(0, 0) << QList<int> { 0, 5 } << LMIntRange(5, 5);
    QTest::newRow("grown value by value") << LMIntRange() << QList<int> { 4, -2, 9, 3 } << LMIntRange(-2, 9);
    QTest::newRow("invalid range ends up holding the value")
        << LMIntRange(5, 2) << QList<int> { 3 } << LMIntRange(3, 3);
    QTest::newRow("extremes") << LMIntRange(1, 1) << QList<int> { INT_MIN, INT_MAX } << LMIntRange(INT_MIN, INT_MAX);
}

void TestSharedValues::rangeExpandTo()
{
    QFETCH(LMIntRange, start);
    QFETCH(QList<int>, values);
    QFETCH(LMIntRange, expected);

    LMIntRange aRange = start;
    for (const int aValue : values)
        aRange.expandTo(aValue);
    QCOMPARE(flatten({ aRange }), flatten({ expected }));
    QVERIFY(aRange == expected);
}

void TestSharedValues::rangeOrder_data()
{
    QTest::addColumn<LMIntRange>("left");
    QTest::addColumn<LMIntRange>("right");
    QTest::addColumn<bool>("expectedLess");
    QTest::addColumn<bool>("expectedEqual");

    QTest::newRow("by min") << LMIntRange(1, 9) << LMIntRange(2, 3) << true << false;
    QTest::newRow("by max when min is equal") << LMIntRange(2, 3) << LMIntRange(2, 4) << true << false;
    QTest::newRow("greater") << LMIntRange(2, 4) << LMIntRange(2, 3) << false << false;
    QTest::newRow("equal is not less") << LMIntRange(-4, -1) << LMIntRange(-4, -1) << false << true;
    QTest::newRow("negative min first") << LMIntRange(-4, -1) << LMIntRange(0, 0) << true << false;
    QTest::newRow("invalid before valid") << LMIntRange(5, 2) << LMIntRange(0, 0) << true << false;
    QTest::newRow("valid after invalid") << LMIntRange(0, 0) << LMIntRange(5, 2) << false << false;
    QTest::newRow("invalid ones by min") << LMIntRange(5, 2) << LMIntRange(6, 1) << true << false;
    QTest::newRow("equal invalid ones") << LMIntRange(5, 2) << LMIntRange(5, 2) << false << true;
}

void TestSharedValues::rangeOrder()
{
    QFETCH(LMIntRange, left);
    QFETCH(LMIntRange, right);
    QFETCH(bool, expectedLess);
    QFETCH(bool, expectedEqual);

    QCOMPARE(left < right, expectedLess);
    QCOMPARE(left == right, expectedEqual);
    QCOMPARE(right == left, expectedEqual);
    // A strict order: never both ways, and neither way exactly when equal.
    QVERIFY(!(left < right && right < left));
    QCOMPARE(!(left < right) && !(right < left), expectedEqual);
}

void TestSharedValues::rangeSortGathersInvalidRangesFirst()
{
    QList<LMIntRange> aRanges { { 3, 4 }, { 9, 1 }, { -2, 7 }, { 3, 3 }, { 0, -1 }, { -2, -2 } };
    std::sort(aRanges.begin(), aRanges.end());
    const QList<int> anExpected { 0, -1, 9, 1, -2, -2, -2, 7, 3, 3, 3, 4 };
    QCOMPARE(flatten(aRanges), anExpected);
}

void TestSharedValues::split_data()
{
    QTest::addColumn<LMIntRange>("range");
    QTest::addColumn<int>("parts");
    QTest::addColumn<QList<int>>("expected");

    const LMIntRange aTen(0, 9);
    QTest::newRow("one part") << aTen << 1 << QList<int> { 0, 9 };
    QTest::newRow("two parts") << aTen << 2 << QList<int> { 0, 4, 5, 9 };
    QTest::newRow("three parts, larger first") << aTen << 3 << QList<int> { 0, 3, 4, 6, 7, 9 };
    QTest::newRow("seven parts") << aTen << 7 << QList<int> { 0, 1, 2, 3, 4, 5, 6, 6, 7, 7, 8, 8, 9, 9 };
    QTest::newRow("fewer values than parts") << LMIntRange(0, 2) << 7 << QList<int> { 0, 0, 1, 1, 2, 2 };
    QTest::newRow("single value") << LMIntRange(5, 5) << 3 << QList<int> { 5, 5 };
    QTest::newRow("empty index range of an empty list") << LMIntRange(0, -1) << 4 << QList<int> {};
    QTest::newRow("invalid range") << LMIntRange(3, 1) << 1 << QList<int> {};
    QTest::newRow("negative range") << LMIntRange(-7, -1) << 3 << QList<int> { -7, -5, -4, -3, -2, -1 };
    QTest::newRow("across zero") << LMIntRange(-2, 2) << 2 << QList<int> { -2, 0, 1, 2 };
    QTest::newRow("whole int range") << LMIntRange(INT_MIN, INT_MAX) << 2 << QList<int> { INT_MIN, -1, 0, INT_MAX };
    QTest::newRow("top of int") << LMIntRange(INT_MAX - 2, INT_MAX) << 7
                                << QList<int> { INT_MAX - 2, INT_MAX - 2, INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX };
}

void TestSharedValues::split()
{
    QFETCH(LMIntRange, range);
    QFETCH(int, parts);
    QFETCH(QList<int>, expected);

    QCOMPARE(flatten(LMIntRange::splitEvenlyForCpuCores(range, parts)), expected);
}

void TestSharedValues::splitCoversExactly_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("parts");

    QTest::newRow("1 value, 1 part") << 1 << 1;
    QTest::newRow("1 value, 2 parts") << 1 << 2;
    QTest::newRow("12 values, 13 parts") << 12 << 13;
    QTest::newRow("13 values, 13 parts") << 13 << 13;
    QTest::newRow("14 values, 13 parts") << 14 << 13;
    QTest::newRow("1000 values, 7 parts") << 1000 << 7;
    QTest::newRow("1001 values, 64 parts") << 1001 << 64;
}

void TestSharedValues::splitCoversExactly()
{
    QFETCH(int, count);
    QFETCH(int, parts);

    // Offset so that the slices do not start at zero by accident.
    const LMIntRange aRange(-3, count - 4);
    const QList<LMIntRange> aSlices = LMIntRange::splitEvenlyForCpuCores(aRange, parts);
    QCOMPARE(aSlices.size(), qMin(count, parts));
    QCOMPARE(aSlices.first().min(), aRange.min());
    QCOMPARE(aSlices.last().max(), aRange.max());
    int aSmallest = INT_MAX;
    int aLargest = 0;
    for (qsizetype anIndex = 0; anIndex < aSlices.size(); ++anIndex) {
        const LMIntRange& aSlice = aSlices.at(anIndex);
        QVERIFY(aSlice.isValid());
        if (anIndex > 0)
            QCOMPARE(aSlice.min(), aSlices.at(anIndex - 1).max() + 1);
        aSmallest = qMin(aSmallest, aSlice.max() - aSlice.min() + 1);
        aLargest = qMax(aLargest, aSlice.max() - aSlice.min() + 1);
    }
    QVERIFY(aLargest - aSmallest <= 1);
}

void TestSharedValues::splitForCpuCores()
{
    const LMIntRange aRange(0, 999);
    const QList<LMIntRange> aSlices = LMIntRange::splitEvenlyForCpuCores(aRange);
    QCOMPARE(aSlices, LMIntRange::splitEvenlyForCpuCores(aRange, QThread::idealThreadCount()));
    QCOMPARE(LMIntRange::splitEvenlyForCpuCores(LMIntRange(0, -1)).size(), 0);
    QCOMPARE(LMIntRange::splitEvenlyForCpuCores(LMIntRange(4, 4)).size(), 1);
}

void TestSharedValues::angleNormalized_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("359") << 359 << 359;
    QTest::newRow("full turn") << 360 << 0;
    QTest::newRow("minus one") << -1 << 359;
    QTest::newRow("minus a full turn") << -360 << 0;
    QTest::newRow("INT_MAX") << INT_MAX << 127;
    QTest::newRow("INT_MIN") << INT_MIN << 232;
}

void TestSharedValues::angleNormalized()
{
    QFETCH(int, degrees);
    QFETCH(int, expected);

    const LMAngle anAngle(degrees);
    QCOMPARE(anAngle.degrees(), degrees);
    QCOMPARE(anAngle.normalized().degrees(), expected);
    QCOMPARE(LMAngle::normalizedDegrees(degrees), expected);
    QVERIFY(anAngle.normalized() == LMAngle(expected));
    QCOMPARE(qHash(anAngle.normalized(), 17), qHash(LMAngle(expected), 17));
}

void TestSharedValues::tiltFromXml_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expectedDefined");
    QTest::addColumn<int>("expectedDegrees");
    QTest::addColumn<bool>("expectedPortrait");

    QTest::newRow("absent") << false << QString() << false << 0 << false;
    QTest::newRow("minus 90") << true << "-90" << true << 270 << true;
    QTest::newRow("minus 360") << true << "-360" << true << 0 << false;
    QTest::newRow("450") << true << "450" << true << 90 << true;
    QTest::newRow("zero") << true << "0" << true << 0 << false;
    QTest::newRow("180 is landscape") << true << "180" << true << 180 << false;
    QTest::newRow("minus 180") << true << "-180" << true << 180 << false;
    QTest::newRow("full turn") << true << "360" << true << 0 << false;
    QTest::newRow("minus one") << true << "-1" << true << 359 << true;
    QTest::newRow("minus 721") << true << "-721" << true << 359 << true;
    QTest::newRow("plus sign") << true << "+90" << true << 90 << true;
    QTest::newRow("blanks around") << true << " 270 " << true << 270 << true;
    QTest::newRow("leading zeros") << true << "0090" << true << 90 << true;
    QTest::newRow("largest int") << true << "2147483647" << true << 127 << true;
    QTest::newRow("smallest int") << true << "-2147483648" << true << 232 << true;
    QTest::newRow("not a number") << true << "abc" << false << 0 << false;
    QTest::newRow("empty text") << true << "" << false << 0 << false;
    QTest::newRow("fraction") << true << "90.5" << false << 0 << false;
    QTest::newRow("one beyond int") << true << "2147483648" << false << 0 << false;
    QTest::newRow("one below int") << true << "-2147483649" << false << 0 << false;
    QTest::newRow("huge") << true << "99999999999999999999" << false << 0 << false;
    QTest::newRow("hexadecimal") << true << "0x5A" << false << 0 << false;
    QTest::newRow("blank inside") << true << "9 0" << false << 0 << false;
    QTest::newRow("arabic-indic digits") << true << QStringLiteral("\u0669\u0660") << false << 0 << false;
}

void TestSharedValues::tiltFromXml()
{
    QFETCH(bool, present);
    QFETCH(QString, text);
    QFETCH(bool, expectedDefined);
    QFETCH(int, expectedDegrees);
    QFETCH(bool, expectedPortrait);

    QDomDocument aDocument;
    QDomElement anElement = templateElement(aDocument);
    if (present)
        anElement.setAttribute(QStringLiteral("defaultRotation"), text);
    if (present && !expectedDefined) {
        const QString aMessage = QStringLiteral("defaultRotation is no whole number of degrees: ") + text;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aMessage));
    }

    const LMTemplateDefaultTilt aTilt = LMTemplateDefaultTilt::fromXml(anElement);
    QCOMPARE(aTilt.isDefined(), expectedDefined);
    QCOMPARE(aTilt.angle().degrees(), expectedDegrees);
    QCOMPARE(aTilt.isPortrait(), expectedPortrait);
}

void TestSharedValues::tiltWriteToXml_data()
{
    QTest::addColumn<LMTemplateDefaultTilt>("tilt");
    QTest::addColumn<QString>("expected");

    QTest::newRow("undefined writes nothing") << LMTemplateDefaultTilt() << QString();
    QTest::newRow("defined zero is written") << LMTemplateDefaultTilt(LMAngle(0)) << QStringLiteral("0");
    QTest::newRow("negative written normalised") << LMTemplateDefaultTilt(LMAngle(-90)) << QStringLiteral("270");
}

void TestSharedValues::tiltWriteToXml()
{
    QFETCH(LMTemplateDefaultTilt, tilt);
    QFETCH(QString, expected);

    QDomDocument aDocument;
    QDomElement anElement = templateElement(aDocument);
    tilt.writeToXml(anElement);
    QCOMPARE(anElement.hasAttribute(QStringLiteral("defaultRotation")), tilt.isDefined());
    QCOMPARE(anElement.attribute(QStringLiteral("defaultRotation")), expected);
    QVERIFY(LMTemplateDefaultTilt::fromXml(anElement) == tilt);
}

void TestSharedValues::tiltEquality()
{
    QVERIFY(LMTemplateDefaultTilt() == LMTemplateDefaultTilt());
    QVERIFY(!(LMTemplateDefaultTilt() == LMTemplateDefaultTilt(LMAngle(0))));
    QVERIFY(LMTemplateDefaultTilt(LMAngle(450)) == LMTemplateDefaultTilt(LMAngle(90)));
    QVERIFY(!(LMTemplateDefaultTilt(LMAngle(90)) == LMTemplateDefaultTilt(LMAngle(270))));
}

void TestSharedValues::emptyMeansAll_data()
{
    QTest::addColumn<QStringList>("inserted");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("expectedAll");
    QTest::addColumn<bool>("expectedContains");

    QTest::newRow("new set holds everything") << QStringList() << QStringList() << "A4" << true << true;
    QTest::newRow("named value") << QStringList { "A4", "A5" } << QStringList() << "A5" << false << true;
    QTest::newRow("value not named") << QStringList { "A4", "A5" } << QStringList() << "A3" << false << false;
    QTest::newRow("case matters") << QStringList { "a4" } << QStringList() << "A4" << false << false;
    QTest::newRow("unicode value") << QStringList { QStringLiteral("Größe") } << QStringList()
                                   << QStringLiteral("Größe") << false << true;
    QTest::newRow("removing the last one means all again")
        << QStringList { "A4" } << QStringList { "A4" } << "A3" << true << true;
    QTest::newRow("removing one of two") << QStringList { "A4", "A5" } << QStringList { "A4" } << "A4" << false
                                         << false;
    QTest::newRow("removing an unnamed value")
        << QStringList { "A4" } << QStringList { "A5" } << "A5" << false << false;
}

void TestSharedValues::emptyMeansAll()
{
    QFETCH(QStringList, inserted);
    QFETCH(QStringList, removed);
    QFETCH(QString, probe);
    QFETCH(bool, expectedAll);
    QFETCH(bool, expectedContains);

    LMEmptyMeansAllSet<QString> aSet;
    for (const QString& aValue : inserted)
        aSet.insert(aValue);
    for (const QString& aValue : removed)
        aSet.remove(aValue);
    QCOMPARE(aSet.isAll(), expectedAll);
    QCOMPARE(aSet.contains(probe), expectedContains);
    QCOMPARE(aSet.values().isEmpty(), expectedAll);
    QCOMPARE(aSet == LMEmptyMeansAllSet<QString>(), expectedAll);
}

QTEST_GUILESS_MAIN(TestSharedValues)
#include "tst_sharedvalues.moc"
