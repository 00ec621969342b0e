#include "LMAutoThumbOption.h"
#include "LMCalendariumFlow.h"
#include "LMDecorationFrequency.h"
#include "LMDecorationRotationRule.h"
#include "LMDesignStyleIterate.h"
#include "LMDesignStyleListOrder.h"
#include "LMDesignStyleListReset.h"
#include "LMDesignStylePart.h"
#include "LMFrameGlassMaterial.h"
#include "LMLayoutFlags.h"
#include "LMTemplateAreaDefinitionFotoStatus.h"
#include "LMTemplateLayerType.h"
#include "LMTestSupport.h"

#include <QTest>

#include <functional>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

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

} // namespace

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
};

QTEST_GUILESS_MAIN(TestEnumTables)
#include "tst_enumtables.moc"
