#include "LMAngle.h"
#include "LMEmptyMeansAllSet.h"
#include "LMIntRange.h"
#include "LMTemplateDefaultTilt.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <climits>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

using Ints = QList<int>;

namespace {

// Slices as flat pairs of bounds, so that rows stay one line and failures print readably.
Ints flatten(const QList<LMIntRange>& theRanges)
{
    Ints aBounds;
    for (const LMIntRange& aRange : theRanges)
        aBounds << aRange.min() << aRange.max();
    return aBounds;
}

} // namespace

class TestSharedValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // Only the warnings a row announces may appear.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void rangeValues_data()
    {
        columns<int, int, Ints, Ints, int>("min", "max", "inside", "outside", "center");

        row("bounds, odd sum rounds down", 2, 5, Ints { 2, 5 }, Ints { 1, 6 }, 3);
        row("negative, truncated toward zero", -5, -2, Ints { -5 }, Ints { -1 }, -3);
        row("single value", 0, 0, Ints { 0 }, Ints {}, 0);
        row("invalid range holds nothing", 5, 2, Ints {}, Ints { 3, 5 }, 3);
        row("whole int range", INT_MIN, INT_MAX, Ints { INT_MIN, INT_MAX }, Ints {}, 0);
        row("large bounds do not overflow", INT_MAX - 1, INT_MAX, Ints { INT_MAX }, Ints {}, INT_MAX - 1);
        row("small bounds do not overflow", INT_MIN, INT_MIN + 1, Ints { INT_MIN }, Ints {}, INT_MIN + 1);
    }

    void rangeValues()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        const LMIntRange aRange(min, max);
        QCOMPARE(aRange.isValid(), max >= min);
        for (const int aValue : fetch<Ints>("inside"))
            QVERIFY(aRange.contains(aValue));
        for (const int aValue : fetch<Ints>("outside"))
            QVERIFY(!aRange.contains(aValue));
        QCOMPARE(aRange.center(), fetch<int>("center"));
    }

    void rangePairs_data()
    {
        columns<LMIntRange, LMIntRange, bool, bool, bool>("range", "other", "expectedContains", "expectedIntersects",
                                                          "expectedLess");

        row("nested, less by min", LMIntRange(0, 10), LMIntRange(2, 3), true, true, true);
        row("around", LMIntRange(2, 3), LMIntRange(0, 10), false, true, false);
        row("sticking out below", LMIntRange(0, 10), LMIntRange(-1, 3), false, true, false);
        row("sticking out above", LMIntRange(0, 10), LMIntRange(5, 11), false, true, true);
        row("touching in one value", LMIntRange(0, 5), LMIntRange(5, 9), false, true, true);
        row("adjacent, no common value", LMIntRange(0, 5), LMIntRange(6, 9), false, false, true);
        row("less by max when min is equal", LMIntRange(2, 3), LMIntRange(2, 4), false, true, true);
        row("greater by max", LMIntRange(2, 4), LMIntRange(2, 3), true, true, false);
        row("equal is not less", LMIntRange(-4, -1), LMIntRange(-4, -1), true, true, false);
        // Only the bounds are looked at: an invalid range whose bounds lie inside counts as inside.
        // Invalid ranges order before valid ones.
        row("invalid other with bounds inside", LMIntRange(0, 10), LMIntRange(5, 3), true, true, false);
        row("invalid range contains nothing", LMIntRange(5, 3), LMIntRange(4, 4), false, false, true);
    }

    void rangePairs()
    {
        QFETCH(LMIntRange, range);
        QFETCH(LMIntRange, other);
        QFETCH(bool, expectedIntersects);
        QTEST(range.contains(other), "expectedContains");
        QCOMPARE(range.intersects(other), expectedIntersects);
        QCOMPARE(other.intersects(range), expectedIntersects);
        QTEST(range < other, "expectedLess");
        const bool anEqual = range.min() == other.min() && range.max() == other.max();
        QCOMPARE(range == other, anEqual);
        QCOMPARE(other == range, anEqual);
        // A strict order: neither way exactly when equal.
        QCOMPARE(!(range < other) && !(other < range), anEqual);
    }

    void rangeExpandTo_data()
    {
        columns<LMIntRange, Ints, LMIntRange>("start", "values", "expected");

        row("unset range takes the value", LMIntRange(0, 0), Ints { 7 }, LMIntRange(7, 7));
        row("zero bound alone is not unset", LMIntRange(0, 4), Ints { -2 }, LMIntRange(-2, 4));
        row("a zero is forgotten while unset", LMIntRange(0, 0), Ints { 0, 5 }, LMIntRange(5, 5));
        row("grown value by value", LMIntRange(), Ints { 4, -2, 9, 3 }, LMIntRange(-2, 9));
        row("invalid range ends up holding the value", LMIntRange(5, 2), Ints { 3 }, LMIntRange(3, 3));
        row("extremes", LMIntRange(1, 1), Ints { INT_MIN, INT_MAX }, LMIntRange(INT_MIN, INT_MAX));
    }

    void rangeExpandTo()
    {
        LMIntRange aRange = fetch<LMIntRange>("start");
        for (const int aValue : fetch<Ints>("values"))
            aRange.expandTo(aValue);
        QCOMPARE(flatten({ aRange }), flatten({ fetch<LMIntRange>("expected") }));
    }

    void rangeSortGathersInvalidRangesFirst()
    {
        QList<LMIntRange> aRanges { { 3, 4 }, { 9, 1 }, { -2, 7 }, { 3, 3 }, { 0, -1 }, { -2, -2 } };
        std::sort(aRanges.begin(), aRanges.end());
        QCOMPARE(flatten(aRanges), (Ints { 0, -1, 9, 1, -2, -2, -2, 7, 3, 3, 3, 4 }));
    }

    void split_data()
    {
        columns<LMIntRange, int, Ints>("range", "parts", "expected");

        row("one part", LMIntRange(0, 9), 1, Ints { 0, 9 });
        row("three parts, larger first", LMIntRange(0, 9), 3, Ints { 0, 3, 4, 6, 7, 9 });
        row("fewer values than parts", LMIntRange(0, 2), 7, Ints { 0, 0, 1, 1, 2, 2 });
        row("empty index range of an empty list", LMIntRange(0, -1), 4, Ints {});
        row("whole int range", LMIntRange(INT_MIN, INT_MAX), 2, Ints { INT_MIN, -1, 0, INT_MAX });
        row("top of int", LMIntRange(INT_MAX - 2, INT_MAX), 7,
            Ints { INT_MAX - 2, INT_MAX - 2, INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX });
    }

    void split()
    {
        QCOMPARE(flatten(LMIntRange::splitEvenlyForCpuCores(fetch<LMIntRange>("range"), fetch<int>("parts"))),
                 fetch<Ints>("expected"));
    }

    void splitCoversExactly_data()
    {
        columns<int, int>("count", "parts");

        row("12 values, 13 parts", 12, 13);
        row("14 values, 13 parts", 14, 13);
        row("1001 values, 64 parts", 1001, 64);
    }

    void splitCoversExactly()
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

    void splitForCpuCores()
    {
        const LMIntRange aRange(0, 999);
        QCOMPARE(LMIntRange::splitEvenlyForCpuCores(aRange),
                 LMIntRange::splitEvenlyForCpuCores(aRange, QThread::idealThreadCount()));
        QCOMPARE(LMIntRange::splitEvenlyForCpuCores(LMIntRange(0, -1)).size(), 0);
        QCOMPARE(LMIntRange::splitEvenlyForCpuCores(LMIntRange(4, 4)).size(), 1);
    }

    void angleNormalized_data()
    {
        columns<int, int>("degrees", "expected");

        row("full turn", 360, 0);
        row("minus one", -1, 359);
        row("INT_MIN", INT_MIN, 232);
    }

    void angleNormalized()
    {
        QFETCH(int, degrees);
        QFETCH(int, expected);

        const LMAngle anAngle(degrees);
        QCOMPARE(anAngle.degrees(), degrees);
        QCOMPARE(LMAngle::normalizedDegrees(degrees), expected);
        QVERIFY(anAngle.normalized() == LMAngle(expected));
        QCOMPARE(qHash(anAngle.normalized(), 17), qHash(LMAngle(expected), 17));
    }

    void tiltFromXml_data()
    {
        QTest::addColumn<QString>("text"); // null: no attribute
        columns<bool, int, bool>("expectedDefined", "expectedDegrees", "expectedPortrait");

        row("absent", QString(), false, 0, false);
        row("minus 90", "-90", true, 270, true);
        row("450", "450", true, 90, true);
        row("zero", "0", true, 0, false);
        row("180 is landscape", "180", true, 180, false);
        row("minus 721", "-721", true, 359, true);
        row("largest int", "2147483647", true, 127, true);
        row("not a number", "abc", false, 0, false);
        row("empty text", "", false, 0, false);
    }

    void tiltFromXml()
    {
        QFETCH(QString, text);
        QFETCH(bool, expectedDefined);
        QFETCH(int, expectedDegrees);
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("template"));
        if (!text.isNull())
            anElement.setAttribute(QStringLiteral("defaultRotation"), text);
        if (!text.isNull() && !expectedDefined)
            QTest::ignoreMessage(QtWarningMsg, qPrintable("defaultRotation is no whole number of degrees: " + text));

        const LMTemplateDefaultTilt aTilt = LMTemplateDefaultTilt::fromXml(anElement);
        QCOMPARE(aTilt.isDefined(), expectedDefined);
        QCOMPARE(aTilt.angle().degrees(), expectedDegrees);
        QTEST(aTilt.isPortrait(), "expectedPortrait");

        // Written back normalised, or not at all when undefined; and read again as it was.
        QDomElement aWritten = aDocument.createElement(QStringLiteral("template"));
        aTilt.writeToXml(aWritten);
        QCOMPARE(aWritten.hasAttribute(QStringLiteral("defaultRotation")), expectedDefined);
        QCOMPARE(aWritten.attribute(QStringLiteral("defaultRotation")),
                 expectedDefined ? QString::number(expectedDegrees) : QString());
        QVERIFY(LMTemplateDefaultTilt::fromXml(aWritten) == aTilt);
    }

    void tiltEquality()
    {
        QVERIFY(LMTemplateDefaultTilt() == LMTemplateDefaultTilt());
        QVERIFY(!(LMTemplateDefaultTilt() == LMTemplateDefaultTilt(LMAngle(0))));
        QVERIFY(LMTemplateDefaultTilt(LMAngle(450)) == LMTemplateDefaultTilt(LMAngle(90)));
        QVERIFY(!(LMTemplateDefaultTilt(LMAngle(90)) == LMTemplateDefaultTilt(LMAngle(270))));
    }

    void emptyMeansAll_data()
    {
        columns<QStringList, QStringList, QString, bool, bool>("inserted", "removed", "probe", "expectedAll",
                                                               "expectedContains");

        const QStringList aNone;
        row("new set holds everything", aNone, aNone, "A4", true, true);
        row("named value", words("A4 A5"), aNone, "A5", false, true);
        row("value not named", words("A4 A5"), aNone, "A3", false, false);
        row("removing the last one means all again", words("A4"), words("A4"), "A3", true, true);
        row("removing one of two", words("A4 A5"), words("A4"), "A4", false, false);
    }

    void emptyMeansAll()
    {
        QFETCH(bool, expectedAll);
        LMEmptyMeansAllSet<QString> aSet;
        for (const QString& aValue : fetch<QStringList>("inserted"))
            aSet.insert(aValue);
        for (const QString& aValue : fetch<QStringList>("removed"))
            aSet.remove(aValue);
        QCOMPARE(aSet.isAll(), expectedAll);
        QTEST(aSet.contains(fetch<QString>("probe")), "expectedContains");
        QCOMPARE(aSet.values().isEmpty(), expectedAll);
        QCOMPARE(aSet == LMEmptyMeansAllSet<QString>(), expectedAll);
    }
};

QTEST_GUILESS_MAIN(TestSharedValues)
#include "tst_sharedvalues.moc"
