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

#include <QTest>

#include <functional>

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

const QHash<QString, TableOps>& tables()
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
    return ourTables;
}

const TableOps& table(const QString& theName)
{
    const auto anIt = tables().constFind(theName);
    if (anIt == tables().cend())
        qFatal("no table %s", qPrintable(theName));
    return *anIt;
}

} // namespace

class TestEnumTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void everyWordSurvivesARoundTrip_data();
    void everyWordSurvivesARoundTrip();
    void defaultConstructed_data();
    void defaultConstructed();
    void tabType_data();
    void tabType();
    void wrapperOperations();
    void relaxSteps_data();
    void relaxSteps();
    void relaxOther_data();
    void relaxOther();
    void relaxedLeavesTheOriginal();
};

void TestEnumTables::decode_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("expected");

    const QString L = QStringLiteral("layer");
    QTest::newRow("layer: mixed case, comma and blank") << L << "template_Content_1, TEMPLATE_content_2" << 24;
    QTest::newRow("layer: empty text gives the default") << L << "" << 0;
    QTest::newRow("layer: unknown word gives the default") << L << "TEMPLATE_BOGUS" << 0;
    QTest::newRow("layer: blanks and tab around a word") << L << "  TEMPLATE_FRAME\t" << 256;
    QTest::newRow("layer: empty pieces") << L << "TEMPLATE_FRAME,,TEMPLATE_LAYOUT," << 768;
    QTest::newRow("layer: composite word") << L << "TEMPLATE_CONTENT_0_4" << 124;
    QTest::newRow("layer: second word of the composite") << L << "template_content_theme_content" << 124;
    QTest::newRow("layer: relevant for order") << L << "TEMPLATE_RELEVANT_FOR_ORDER" << 15870;
    QTest::newRow("layer: composite and single") << L << "TEMPLATE_CONTENT_0_4,TEMPLATE_CONTENT_BACKGROUND" << 125;
    QTest::newRow("layer: none word") << L << "TEMPLATE_CONTENT_NONE" << 0;
    QTest::newRow("layer: semicolon is no separator") << L << "TEMPLATE_FRAME;TEMPLATE_LAYOUT" << 0;
    QTest::newRow("layer: blank inside a word") << L << "TEMPLATE FRAME" << 0;
    QTest::newRow("layer: umlaut") << L << QStringLiteral("TEMPLATE_FRÄME") << 0;
    QTest::newRow("layer: variant") << L << "Template_Variant" << 8192;

    const QString A = QStringLiteral("autothumb");
    QTest::newRow("autothumb: empty text gives 5") << A << "" << 5;
    QTest::newRow("autothumb: unknown word gives 5") << A << "sometimes" << 5;
    QTest::newRow("autothumb: automatic is 0") << A << "AUTOMATIC" << 0;
    QTest::newRow("autothumb: frame") << A << "frame" << 5;
    QTest::newRow("autothumb: wallholder") << A << "Wallholder" << 5;
    QTest::newRow("autothumb: layout") << A << "layout" << 1;
    QTest::newRow("autothumb: background") << A << "background" << 2;
    QTest::newRow("autothumb: two words") << A << "layout, background" << 3;
    QTest::newRow("autothumb: empty piece adds the default") << A << "layout,,background" << 7;
    QTest::newRow("autothumb: trailing comma adds the default") << A << "automatic," << 5;

    const QString F = QStringLiteral("fotostatus");
    QTest::newRow("fotostatus: preview and fix") << F << "preview, fix" << 5;
    QTest::newRow("fotostatus: case") << F << "Printable" << 2;
    QTest::newRow("fotostatus: empty") << F << "" << 0;

    const QString G = QStringLiteral("glass");
    QTest::newRow("glass: the file word is glas") << G << "glas" << 2;
    QTest::newRow("glass: english spelling is unknown") << G << "glass" << 0;
    QTest::newRow("glass: none") << G << "none" << 0;
    QTest::newRow("glass: laminated") << G << "LAMINATED" << 1;

    QTest::newRow("layoutflags: no words at all") << "layoutflags"
                                                  << "tight" << 0;
    QTest::newRow("layoutflags: number text") << "layoutflags"
                                              << "1" << 0;

    const QString Q = QStringLiteral("frequency");
    QTest::newRow("frequency: 3 is no rule") << Q << "3" << 0;
    QTest::newRow("frequency: digit 4") << Q << "4" << 4;
    QTest::newRow("frequency: word and digit") << Q << "all_left_pages, 4" << 6;
    QTest::newRow("frequency: case") << Q << "ALL_PAGES" << 1;
    QTest::newRow("frequency: never") << Q << "never" << 0;

    const QString R = QStringLiteral("rotation");
    QTest::newRow("rotation: digit 3 is the fourth rule") << R << "3" << 4;
    QTest::newRow("rotation: digit 4 is the fifth rule") << R << "4" << 8;
    QTest::newRow("rotation: digits 2 and 3") << R << "2, 3" << 6;
    QTest::newRow("rotation: digit 5 is unknown") << R << "5" << 0;
    QTest::newRow("rotation: every other page") << R << "Every_Other_Page" << 4;

    const QString I = QStringLiteral("iterate");
    QTest::newRow("iterate: per cluster") << I << "perCluster" << 3;
    QTest::newRow("iterate: upper case") << I << "PERAREA" << 4;
    QTest::newRow("iterate: numbers or together") << I << "perPage, perDoublePage" << 3;
    QTest::newRow("iterate: empty") << I << "" << 0;

    const QString O = QStringLiteral("order");
    QTest::newRow("order: empty gives list") << O << "" << 1;
    QTest::newRow("order: random") << O << "random" << 2;
    QTest::newRow("order: both words") << O << "list, random" << 3;
    QTest::newRow("order: german word is unknown") << O << "Zufall" << 1;
    QTest::newRow("order: random and unknown") << O << "random, shuffled" << 3;

    const QString S = QStringLiteral("reset");
    QTest::newRow("reset: empty gives end of list") << S << "" << 1;
    QTest::newRow("reset: double page") << S << "DOUBLEPAGE" << 3;
    QTest::newRow("reset: page") << S << "page" << 2;
    QTest::newRow("reset: unknown") << S << "weekly" << 1;

    const QString P = QStringLiteral("part");
    QTest::newRow("part: misspelt alias") << P << "layoutvarints" << 5;
    QTest::newRow("part: layout alias") << P << "Layout" << 5;
    QTest::newRow("part: keywords") << P << "keywords" << 4;
    QTest::newRow("part: mixed case word, lower case text") << P << "designelementid" << 12;
    QTest::newRow("part: text formats") << P << "TEXTFORMATS" << 15;
    QTest::newRow("part: numbers or together") << P << "name, description" << 3;
    QTest::newRow("part: unknown") << P << "colours" << 0;

    const QString W = QStringLiteral("flow");
    QTest::newRow("flow: three months") << W << "3month" << 16;
    QTest::newRow("flow: three months, upper case") << W << "3MONTH" << 16;
    QTest::newRow("flow: blank inside") << W << "3 month" << 0;
    QTest::newRow("flow: family planner") << W << "famcal" << 8;
    QTest::newRow("flow: block and line") << W << "block , line" << 5;
}

void TestEnumTables::decode()
{
    QFETCH(QString, table);
    QFETCH(QString, text);
    QFETCH(qint32, expected);

    QCOMPARE(::table(table).decode(text), expected);
}

void TestEnumTables::encode_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("expectedEncode");
    QTest::addColumn<QString>("expectedCSV");

    const QString L = QStringLiteral("layer");
    QTest::newRow("layer: composite written by its first word")
        << L << 124 << "TEMPLATE_CONTENT_0_4"
        << "TEMPLATE_CONTENT_0, TEMPLATE_CONTENT_1, TEMPLATE_CONTENT_2, TEMPLATE_CONTENT_3, TEMPLATE_CONTENT_4";
    QTest::newRow("layer: 0 has a word but no bits") << L << 0 << "TEMPLATE_CONTENT_NONE"
                                                     << "";
    QTest::newRow("layer: relevant for order, bits lowest first")
        << L << 15870 << "TEMPLATE_RELEVANT_FOR_ORDER"
        << "TEMPLATE_CONTENT_FOREGROUND_MASK, TEMPLATE_CONTENT_0, TEMPLATE_CONTENT_1, TEMPLATE_CONTENT_2, "
           "TEMPLATE_CONTENT_3, TEMPLATE_CONTENT_4, TEMPLATE_CONTENT_BACKGROUND_MASK, TEMPLATE_FRAME, "
           "TEMPLATE_WALLHOLDER, TEMPLATE_PASSEPARTOUT, TEMPLATE_FRAME_GLASS, TEMPLATE_VARIANT";
    QTest::newRow("layer: combination without a word of its own") << L << 768 << ""
                                                                  << "TEMPLATE_FRAME, TEMPLATE_LAYOUT";
    QTest::newRow("layer: single bit, case kept") << L << 512 << "TEMPLATE_LAYOUT"
                                                  << "TEMPLATE_LAYOUT";
    QTest::newRow("layer: negative value") << L << -1 << ""
                                           << "";
    QTest::newRow("layer: unknown bit writes an empty piece") << L << (1 | (1 << 20)) << ""
                                                              << "TEMPLATE_CONTENT_BACKGROUND, ";

    const QString A = QStringLiteral("autothumb");
    QTest::newRow("autothumb: 5 is default") << A << 5 << "default"
                                             << "layout, ";
    QTest::newRow("autothumb: first of the repeated word") << A << 0 << "automatic"
                                                           << "";
    QTest::newRow("autothumb: background") << A << 2 << "background"
                                           << "background";

    QTest::newRow("fotostatus: all three") << "fotostatus" << 7 << ""
                                           << "preview, printable, fix";
    QTest::newRow("glass: german word") << "glass" << 2 << "glas"
                                        << "glas";
    QTest::newRow("layoutflags: unnamed bits write empty pieces") << "layoutflags" << 3 << ""
                                                                  << ", ";

    QTest::newRow("frequency: word before digit") << "frequency" << 0 << "never"
                                                  << "";
    QTest::newRow("frequency: left and right") << "frequency" << 6 << ""
                                               << "all_left_pages, all_right_pages";
    QTest::newRow("rotation: word, not the ordinal") << "rotation" << 4 << "every_other_page"
                                                     << "every_other_page";
    QTest::newRow("rotation: every cluster") << "rotation" << 8 << "every_cluster"
                                             << "every_cluster";

    QTest::newRow("iterate: a number, not bits") << "iterate" << 3 << "perCluster"
                                                 << "perPage, perDoublePage";
    QTest::newRow("order: both words have no name") << "order" << 3 << ""
                                                    << "list, random";
    QTest::newRow("reset: double page") << "reset" << 3 << "doublePage"
                                        << "endOfList, page";

    QTest::newRow("part: first word of 4") << "part" << 4 << "subcategories"
                                           << "subcategories";
    QTest::newRow("part: first word of 5") << "part" << 5 << "layoutvariants"
                                           << "name, subcategories";
    QTest::newRow("part: case as inserted") << "part" << 12 << "designElementId"
                                            << "subcategories, layoutflags";

    QTest::newRow("flow: bits lowest first, not as inserted") << "flow" << 24 << ""
                                                              << "famcal, 3month";
    QTest::newRow("flow: three months") << "flow" << 16 << "3month"
                                        << "3month";
}

void TestEnumTables::encode()
{
    QFETCH(QString, table);
    QFETCH(qint32, value);
    QFETCH(QString, expectedEncode);
    QFETCH(QString, expectedCSV);

    QCOMPARE(::table(table).encode(value), expectedEncode);
    QCOMPARE(::table(table).encodeCSV(value), expectedCSV);
}

void TestEnumTables::everyWordSurvivesARoundTrip_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("wordCount");

    // Distinct words after lower-casing; "automatic" is inserted twice.
    QTest::newRow("layer") << "layer" << 18;
    QTest::newRow("autothumb") << "autothumb" << 6;
    QTest::newRow("fotostatus") << "fotostatus" << 3;
    QTest::newRow("glass") << "glass" << 2;
    QTest::newRow("layoutflags") << "layoutflags" << 0;
    QTest::newRow("frequency") << "frequency" << 8;
    QTest::newRow("rotation") << "rotation" << 10;
    QTest::newRow("iterate") << "iterate" << 5;
    QTest::newRow("order") << "order" << 2;
    QTest::newRow("reset") << "reset" << 3;
    QTest::newRow("part") << "part" << 19;
    QTest::newRow("flow") << "flow" << 5;
}

void TestEnumTables::everyWordSurvivesARoundTrip()
{
    QFETCH(QString, table);
    QFETCH(int, wordCount);

    const TableOps& anOps = ::table(table);
    const QStringList aWords = anOps.words();
    QCOMPARE(aWords.size(), wordCount);
    for (const QString& aWord : aWords) {
        const qint32 aValue = anOps.decode(aWord);
        // Every value that has a word writes one that reads back to it.
        QVERIFY2(anOps.decode(anOps.encode(aValue)) == aValue, qPrintable(aWord));
    }
}

void TestEnumTables::defaultConstructed_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<qint32>("expected");

    for (const QString& aName : tables().keys()) {
        // A design style list starts with order "list" and reset "endOfList".
        const bool aStartsWithOne = aName == QLatin1String("order") || aName == QLatin1String("reset");
        QTest::newRow(qPrintable(aName)) << aName << (aStartsWithOne ? 1 : 0);
    }
}

void TestEnumTables::defaultConstructed()
{
    QFETCH(QString, table);
    QFETCH(qint32, expected);

    QCOMPARE(::table(table).defaultConstructed(), expected);
}

void TestEnumTables::tabType_data()
{
    QTest::addColumn<qint32>("layer");
    QTest::addColumn<int>("expectedTab");

    QTest::newRow("background") << 1 << 3;
    QTest::newRow("content 0") << 4 << 4;
    QTest::newRow("content 1") << 8 << 4;
    QTest::newRow("content 2") << 16 << 4;
    QTest::newRow("content 3") << 32 << 4;
    QTest::newRow("content 4") << 64 << 4;
    QTest::newRow("all content layers") << 124 << 4;
    QTest::newRow("frame") << 256 << 7;
    QTest::newRow("layout") << 512 << 1;
    QTest::newRow("frame glass") << 4096 << 8;
    QTest::newRow("passepartout") << 2048 << 9;
    QTest::newRow("wallholder") << 1024 << 10;
    QTest::newRow("variant") << 8192 << 19;
    QTest::newRow("whole page without frame") << 767 << 18;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("foreground mask has no tab") << 2 << 0;
    QTest::newRow("background mask has no tab") << 128 << 0;
    QTest::newRow("two content layers") << 12 << 0;
    QTest::newRow("whole page with frame") << 1023 << 0;
    QTest::newRow("relevant for order") << 15870 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestEnumTables::tabType()
{
    QFETCH(qint32, layer);
    QFETCH(int, expectedTab);

    QCOMPARE(int(LMTemplateLayerType(LMTemplateLayerType::fromInt(layer)).tabType()), expectedTab);
}

void TestEnumTables::wrapperOperations()
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
            == LMTemplateLayerType(QStringLiteral("template_content_0,TEMPLATE_CONTENT_1, template_content_3, "
                                                  "TEMPLATE_CONTENT_4")));
    QVERIFY(aLayer != E::Content0To4);
    QVERIFY(!LMTemplateLayerType().isValid());
    QVERIFY(LMTemplateLayerType::fromInt(-2) < LMTemplateLayerType(E::None));
}

void TestEnumTables::relaxSteps_data()
{
    QTest::addColumn<qint32>("start");
    QTest::addColumn<QList<qint32>>("addedBits");

    QTest::newRow("from nothing") << 0 << QList<qint32> { 512, 8, 256, 1, 2, 128 };
    QTest::newRow("panorama already set") << 8 << QList<qint32> { 512, 256, 1, 2, 128 };
    QTest::newRow("crazy required is not crazy allowed") << 64 << QList<qint32> { 512, 8, 256, 1, 2, 128 };
    QTest::newRow("only crazy allowed is left") << (512 | 8 | 256 | 1 | 2) << QList<qint32> { 128 };
    QTest::newRow("all set already") << (512 | 8 | 256 | 1 | 2 | 128) << QList<qint32> {};
    QTest::newRow("texts bit is kept") << 16 << QList<qint32> { 512, 8, 256, 1, 2, 128 };
}

void TestEnumTables::relaxSteps()
{
    QFETCH(qint32, start);
    QFETCH(QList<qint32>, addedBits);

    LMLayoutFlags aFlags = LMLayoutFlags::fromInt(start);
    for (const qint32 aBit : addedBits) {
        const qint32 aBefore = aFlags.value();
        QVERIFY(aFlags.relax());
        QCOMPARE(aFlags.value(), aBefore | aBit);
        QVERIFY(aBefore != aFlags.value());
    }
    const qint32 aFinal = aFlags.value();
    QVERIFY(!aFlags.relax());
    QVERIFY(!aFlags.relax());
    QCOMPARE(aFlags.value(), aFinal);
}

void TestEnumTables::relaxOther_data()
{
    QTest::addColumn<qint32>("start");
    QTest::addColumn<qint32>("other");
    QTest::addColumn<bool>("expectedAdded");
    QTest::addColumn<qint32>("expectedValue");

    QTest::newRow("new bit") << 1 << 2 << true << 3;
    QTest::newRow("one shared bit refuses all") << 1 << 3 << false << 1;
    QTest::newRow("crazy setting over crazy required") << 64 << 224 << false << 64;
    QTest::newRow("nothing to add") << 5 << 0 << true << 5;
}

void TestEnumTables::relaxOther()
{
    QFETCH(qint32, start);
    QFETCH(qint32, other);
    QFETCH(bool, expectedAdded);
    QFETCH(qint32, expectedValue);

    LMLayoutFlags aFlags = LMLayoutFlags::fromInt(start);
    QCOMPARE(aFlags.relax(LMLayoutFlags::fromInt(other)), expectedAdded);
    QCOMPARE(aFlags.value(), expectedValue);
}

void TestEnumTables::relaxedLeavesTheOriginal()
{
    const LMLayoutFlags aFlags(LMLayoutFlagsEnum::Panorama);
    const LMLayoutFlags aRelaxed = aFlags.relaxed();
    QCOMPARE(aFlags.value(), 8);
    QCOMPARE(aRelaxed.value(), 8 | 512);
    QCOMPARE(aRelaxed.relaxed().value(), 8 | 512 | 256);
}

QTEST_GUILESS_MAIN(TestEnumTables)
#include "tst_enumtables.moc"
