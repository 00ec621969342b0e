#include "LMAngle.h"
#include "LMAutoThumbOption.h"
#include "LMCalendariumFlow.h"
#include "LMDecorationFrequency.h"
#include "LMDecorationRotationRule.h"
#include "LMDesignStyleIterate.h"
#include "LMDesignStyleListOrder.h"
#include "LMDesignStyleListReset.h"
#include "LMDesignStylePart.h"
#include "LMEmptyMeansAllSet.h"
#include "LMFrameGlassMaterial.h"
#include "LMIntRange.h"
#include "LMLayoutFlags.h"
#include "LMTemplateAreaDefinitionFotoStatus.h"
#include "LMTemplateDefaultTilt.h"
#include "LMTemplateLayerType.h"
#include "LMTestSupport.h"
#include "LMXMLElement.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <climits>
#include <functional>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

using Ints = QList<int>;

namespace {

// The operations of one table, reached by the table's name so that one data table can hold rows
// of every enumeration.
struct TableOps
{
    std::function<qint32(const QString&)> decode;
    std::function<QString(qint32)> encode;
    std::function<QString(qint32)> encodeCSV;
    std::function<qint32()> defaultConstructed;
    std::function<QStringList()> words;
};

template <typename W> TableOps opsOf()
{
    return TableOps {
        [](const QString& theText) {
            // The constructor and the static decoding must agree.
            const qint32 aValue = W(theText).value();
            return aValue == W::decodeCSV(theText) ? aValue : -1;
        },
        [](qint32 theValue) { return W::fromInt(theValue).encode(); },
        [](qint32 theValue) { return W::fromInt(theValue).encodeCSV(); },
        [] { return W().value(); },
        [] { return W::enumToStringTable().strings(); },
    };
}

const TableOps& table(const QString& theName)
{
    static const QHash<QString, TableOps> ourTables {
        { QStringLiteral("layer"), opsOf<LMTemplateLayerType>() },
        { QStringLiteral("autothumb"), opsOf<LMAutoThumbOption>() },
        { QStringLiteral("fotostatus"), opsOf<LMTemplateAreaDefinitionFotoStatus>() },
        { QStringLiteral("glass"), opsOf<LMFrameGlassMaterial>() },
        { QStringLiteral("layoutflags"), opsOf<LMLayoutFlags>() },
        { QStringLiteral("frequency"), opsOf<LMDecorationFrequency>() },
        { QStringLiteral("rotation"), opsOf<LMDecorationRotationRule>() },
        { QStringLiteral("iterate"), opsOf<LMDesignStyleIterate>() },
        { QStringLiteral("order"), opsOf<LMDesignStyleListOrder>() },
        { QStringLiteral("reset"), opsOf<LMDesignStyleListReset>() },
        { QStringLiteral("part"), opsOf<LMDesignStylePart>() },
        { QStringLiteral("flow"), opsOf<LMCalendariumFlow>() },
    };
    const auto anIt = ourTables.constFind(theName);
    if (anIt == ourTables.cend())
        qFatal("no table %s", qPrintable(theName));
    return *anIt;
}

// One row of the current data table; the row's name starts with the table's name.
template <typename... T> void tableRow(const char* theName, const T&... theValues)
{
    const QString aTable = QString::fromLatin1(theName).section(QLatin1Char(':'), 0, 0);
    (QTest::newRow(theName) << aTable << ... << theValues);
}

// Slices as flat pairs of bounds, so that rows stay one line and failures print readably.
Ints flatten(const QList<LMIntRange>& theRanges)
{
    Ints aBounds;
    for (const LMIntRange& aRange : theRanges)
        aBounds << aRange.min() << aRange.max();
    return aBounds;
}

} // namespace

// Enumeration tables and shared value types: ranges and their slices, angles, tilts, sets where
// empty means all.
class TestEnumTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        columns<QString, QString, qint32>("table", "text", "expected");

        tableRow("layer: mixed case, comma and blank", "template_Content_1, TEMPLATE_content_2", 24);
        tableRow("layer: empty text gives the default", "", 0);
        tableRow("layer: blanks and tab around a word", "  TEMPLATE_FRAME\t", 256);
        tableRow("layer: empty pieces", "TEMPLATE_FRAME,,TEMPLATE_LAYOUT,", 768);
        tableRow("layer: composite word", "TEMPLATE_CONTENT_0_4", 124);
        tableRow("layer: second word of the composite", "template_content_theme_content", 124);
        tableRow("layer: semicolon is no separator", "TEMPLATE_FRAME;TEMPLATE_LAYOUT", 0);
        tableRow("autothumb: empty text gives 5", "", 5);
        tableRow("autothumb: unknown word gives 5", "sometimes", 5);
        tableRow("autothumb: automatic is 0", "AUTOMATIC", 0);
        tableRow("autothumb: two words", "layout, background", 3);
        tableRow("autothumb: empty piece adds the default", "layout,,background", 7);
        tableRow("fotostatus: preview and fix, any case", "Preview, FIX", 5);
        tableRow("glass: the file word is glas", "glas", 2);
        tableRow("glass: english spelling is unknown", "glass", 0);
        tableRow("layoutflags: no words at all", "tight", 0);
        tableRow("frequency: word and digit", "all_left_pages, 4", 6);
        tableRow("rotation: digits 2 and 3", "2, 3", 6);
        tableRow("iterate: numbers or together", "perPage, perDoublePage", 3);
        tableRow("order: empty gives list", "", 1);
        tableRow("order: random and unknown", "random, shuffled", 3);
        tableRow("reset: empty gives end of list", "", 1);
        tableRow("reset: double page", "DOUBLEPAGE", 3);
        tableRow("part: misspelt alias", "layoutvarints", 5);
        tableRow("part: mixed case word, lower case text", "designelementid", 12);
        tableRow("part: unknown", "colours", 0);
        tableRow("flow: blank inside", "3 month", 0);
        tableRow("flow: block and line", "block , line", 5);
    }

    void decode()
    {
        QFETCH(QString, table);
        QCOMPARE(::table(table).decode(fetch<QString>("text")), fetch<qint32>("expected"));
    }

    void encode_data()
    {
        columns<QString, qint32, QString, QString>("table", "value", "expectedEncode", "expectedCSV");

        tableRow("layer: composite written by its first word", 124, "TEMPLATE_CONTENT_0_4",
                 "TEMPLATE_CONTENT_0, TEMPLATE_CONTENT_1, TEMPLATE_CONTENT_2, TEMPLATE_CONTENT_3, TEMPLATE_CONTENT_4");
        tableRow("layer: 0 has a word but no bits", 0, "TEMPLATE_CONTENT_NONE", "");
        tableRow("layer: combination without a word of its own", 768, "", "TEMPLATE_FRAME, TEMPLATE_LAYOUT");
        tableRow("layer: negative value", -1, "", "");
        tableRow("layer: unknown bit writes an empty piece", 1 | (1 << 20), "", "TEMPLATE_CONTENT_BACKGROUND, ");
        tableRow("autothumb: 5 is default", 5, "default", "layout, ");
        tableRow("autothumb: first of the repeated word", 0, "automatic", "");
        tableRow("fotostatus: all three", 7, "", "preview, printable, fix");
        tableRow("layoutflags: unnamed bits write empty pieces", 3, "", ", ");
        tableRow("frequency: word before digit", 0, "never", "");
        tableRow("rotation: word, not the ordinal", 4, "every_other_page", "every_other_page");
        tableRow("iterate: a number, not bits", 3, "perCluster", "perPage, perDoublePage");
        tableRow("order: both words have no name", 3, "", "list, random");
        tableRow("reset: double page", 3, "doublePage", "endOfList, page");
        tableRow("part: first word of 4", 4, "subcategories", "subcategories");
        tableRow("part: first word of 5", 5, "layoutvariants", "name, subcategories");
        tableRow("part: case as inserted", 12, "designElementId", "subcategories, layoutflags");
        tableRow("flow: bits lowest first, not as inserted", 24, "", "famcal, 3month");
    }

    void encode()
    {
        QFETCH(QString, table);
        QFETCH(qint32, value);
        QTEST(::table(table).encode(value), "expectedEncode");
        QCOMPARE(::table(table).encodeCSV(value), fetch<QString>("expectedCSV"));
    }

    void everyTable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("wordCount"); // distinct words after lower-casing
        QTest::addColumn<qint32>("defaultValue");

        tableRow("layer", 18, 0);
        tableRow("autothumb", 6, 0); // "automatic" is inserted twice
        tableRow("fotostatus", 3, 0);
        tableRow("glass", 2, 0);
        tableRow("layoutflags", 0, 0);
        tableRow("frequency", 8, 0);
        tableRow("rotation", 10, 0);
        tableRow("iterate", 5, 0);
        tableRow("order", 2, 1); // a design style list starts with order "list" and reset "endOfList"
        tableRow("reset", 3, 1);
        tableRow("part", 19, 0);
        tableRow("flow", 5, 0);
    }

    void everyTable()
    {
        QFETCH(QString, table);
        const TableOps& anOps = ::table(table);
        QTEST(anOps.defaultConstructed(), "defaultValue");
        const QStringList aWords = anOps.words();
        QTEST(int(aWords.size()), "wordCount");
        for (const QString& aWord : aWords) {
            const qint32 aValue = anOps.decode(aWord);
            // Every value that has a word writes one that reads back to it.
            QVERIFY2(anOps.decode(anOps.encode(aValue)) == aValue, qPrintable(aWord));
        }
    }

    void tabType_data()
    {
        columns<QList<qint32>, int>("layers", "expectedTab");

        row("background", QList<qint32> { 1 }, 3);
        row("contents", QList<qint32> { 4, 8, 16, 32, 64, 124 }, 4);
        row("frame", QList<qint32> { 256 }, 7);
        row("layout", QList<qint32> { 512 }, 1);
        row("frame glass", QList<qint32> { 4096 }, 8);
        row("passepartout", QList<qint32> { 2048 }, 9);
        row("wallholder", QList<qint32> { 1024 }, 10);
        row("variant", QList<qint32> { 8192 }, 19);
        row("whole page without frame", QList<qint32> { 767 }, 18);
        // None, the masks, two contents, the page with its frame, every layer, negative.
        row("no tab", QList<qint32> { 0, 2, 128, 12, 1023, 15870, -1 }, 0);
    }

    void tabType()
    {
        for (const qint32 aLayer : fetch<QList<qint32>>("layers"))
            QCOMPARE(int(LMTemplateLayerType(LMTemplateLayerType::fromInt(aLayer)).tabType()),
                     fetch<int>("expectedTab"));
    }

    void wrapperOperations()
    {
        using E = LMTemplateLayerTypeEnum;
        LMTemplateLayerType aLayer(E::Content0To4);
        aLayer.exclude(E::Content2);
        QCOMPARE(aLayer.value(), 108);
        QCOMPARE(aLayer.encode(), QString());
        QCOMPARE(aLayer.reducedTo(E::RelevantForOrder), 108);
        aLayer.expandTo(LMTemplateLayerType(E::Background));
        QCOMPARE(aLayer.value(), 109);
        aLayer.reduceTo(E::Content0To4);
        QCOMPARE(aLayer.value(), 108);
        QVERIFY(aLayer
                == LMTemplateLayerType(QStringLiteral("template_content_0,TEMPLATE_CONTENT_1, "
                                                      "template_content_3, TEMPLATE_CONTENT_4")));
        QVERIFY(aLayer != E::Content0To4);
        QVERIFY(!LMTemplateLayerType().isValid());
        QVERIFY(LMTemplateLayerType::fromInt(-2) < LMTemplateLayerType(E::None));
    }

    void relaxSteps_data()
    {
        columns<qint32, QList<qint32>>("start", "addedBits");

        row("from nothing", 0, QList<qint32> { 512, 8, 256, 1, 2, 128 });
        row("panorama already set", 8, QList<qint32> { 512, 256, 1, 2, 128 });
        row("crazy required is not crazy allowed", 64, QList<qint32> { 512, 8, 256, 1, 2, 128 });
        row("all set already", (512 | 8 | 256 | 1 | 2 | 128), QList<qint32> {});
    }

    void relaxSteps()
    {
        LMLayoutFlags aFlags = LMLayoutFlags::fromInt(fetch<qint32>("start"));
        for (const qint32 aBit : fetch<QList<qint32>>("addedBits")) {
            const qint32 aBefore = aFlags.value();
            QVERIFY(aFlags.relax());
            QCOMPARE(aFlags.value(), aBefore | aBit);
        }
        const qint32 aFinal = aFlags.value();
        QVERIFY(!aFlags.relax());
        QCOMPARE(aFlags.value(), aFinal);
    }

    void relaxOther_data()
    {
        columns<qint32, qint32, bool, qint32>("start", "other", "expectedAdded", "expectedValue");

        row("new bit", 1, 2, true, 3);
        row("one shared bit refuses all", 1, 3, false, 1);
        row("nothing to add", 5, 0, true, 5);
    }

    void relaxOther()
    {
        LMLayoutFlags aFlags = LMLayoutFlags::fromInt(fetch<qint32>("start"));
        QTEST(aFlags.relax(LMLayoutFlags::fromInt(fetch<qint32>("other"))), "expectedAdded");
        QCOMPARE(aFlags.value(), fetch<qint32>("expectedValue"));
    }

    void relaxedLeavesTheOriginal()
    {
        const LMLayoutFlags aFlags(LMLayoutFlagsEnum::Panorama);
        const LMLayoutFlags aRelaxed = aFlags.relaxed();
        QCOMPARE(aFlags.value(), 8);
        QCOMPARE(aRelaxed.value(), 8 | 512);
        QCOMPARE(aRelaxed.relaxed().value(), 8 | 512 | 256);
    }

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

QTEST_GUILESS_MAIN(TestEnumTables)
#include "tst_enumtables.moc"
