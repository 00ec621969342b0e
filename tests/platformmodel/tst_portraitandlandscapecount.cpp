#include "LMPortraitAndLandscapeCount.h"

#include <QHash>
#include <QTest>

#include <limits>

using Count = LMPortraitAndLandscapeCount;

// Distances between portrait/landscape counts, the bad count that stands for no layout, and hashing.
class TestPortraitAndLandscapeCount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metricDistance_data();
    void metricDistance();
    void badCountLosesToEveryRealCount_data();
    void badCountLosesToEveryRealCount();
    void diffLandscape_data();
    void diffLandscape();
    void hashing();
};

void TestPortraitAndLandscapeCount::metricDistance_data()
{
    QTest::addColumn<Count>("a");
    QTest::addColumn<Count>("b");
    QTest::addColumn<int>("distance");

    QTest::newRow("both empty") << Count() << Count() << 0;
    QTest::newRow("equal") << Count(2, 3) << Count(2, 3) << 0;
    QTest::newRow("one more portrait") << Count(3, 3) << Count(2, 3) << 1;
    QTest::newRow("one more landscape") << Count(2, 4) << Count(2, 3) << 1;
    QTest::newRow("same total, swapped orientation") << Count(0, 2) << Count(2, 0) << 4;
    QTest::newRow("differences add up") << Count(5, 0) << Count(1, 2) << 6;
    QTest::newRow("bad against empty") << Count::badCount() << Count() << std::numeric_limits<int>::max();
    QTest::newRow("empty against bad") << Count() << Count::badCount() << std::numeric_limits<int>::max();
    QTest::newRow("bad against bad") << Count::badCount() << Count::badCount() << std::numeric_limits<int>::max();
    QTest::newRow("negative landscape is bad") << Count(1, -1) << Count(1, 0) << std::numeric_limits<int>::max();
    QTest::newRow("huge counts stay below the bad distance")
        << Count(std::numeric_limits<int>::max(), std::numeric_limits<int>::max()) << Count()
        << std::numeric_limits<int>::max() - 1;
}

void TestPortraitAndLandscapeCount::metricDistance()
{
    QFETCH(Count, a);
    QFETCH(Count, b);
    QFETCH(int, distance);

    QCOMPARE(a.metricDistance(b), distance);
    QCOMPARE(b.metricDistance(a), distance);
}

void TestPortraitAndLandscapeCount::badCountLosesToEveryRealCount_data()
{
    QTest::addColumn<Count>("wanted");
    QTest::addColumn<Count>("layout");

    QTest::newRow("nothing wanted, empty layout") << Count() << Count();
    QTest::newRow("one portrait, eight landscape areas") << Count(1, 0) << Count(0, 8);
    QTest::newRow("many photos, one area") << Count(40, 60) << Count(1, 0);
}

void TestPortraitAndLandscapeCount::badCountLosesToEveryRealCount()
{
    QFETCH(Count, wanted);
    QFETCH(Count, layout);

    QVERIFY(!Count::badCount().isValid());
    QVERIFY(layout.isValid());
    QVERIFY(wanted.metricDistance(layout) < wanted.metricDistance(Count::badCount()));
}

void TestPortraitAndLandscapeCount::diffLandscape_data()
{
    QTest::addColumn<Count>("a");
    QTest::addColumn<Count>("b");
    QTest::addColumn<int>("diff");

    QTest::newRow("equal") << Count(1, 2) << Count(1, 2) << 0;
    QTest::newRow("this has more landscape") << Count(0, 3) << Count(0, 1) << 2;
    QTest::newRow("other has more landscape") << Count(0, 1) << Count(0, 3) << -2;
    QTest::newRow("portrait does not count") << Count(5, 1) << Count(0, 1) << 0;
}

void TestPortraitAndLandscapeCount::diffLandscape()
{
    QFETCH(Count, a);
    QFETCH(Count, b);
    QFETCH(int, diff);

    QCOMPARE(a.diffLandscape(b), diff);
    QCOMPARE(b.diffLandscape(a), -diff);
}

void TestPortraitAndLandscapeCount::hashing()
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

QTEST_GUILESS_MAIN(TestPortraitAndLandscapeCount)
#include "tst_portraitandlandscapecount.moc"
