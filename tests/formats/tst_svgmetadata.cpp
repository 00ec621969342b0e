#include "LMArticle.h"
#include "LMKeyAccount.h"
#include "LMKeyAccountId.h"
#include "LMProductCatalogue.h"
#include "LMSVGMetaData.h"
#include "LMSVGMetaData_p.h"
#include "LMTemplateSVGMetaDataElement.h"
#include "LMTestSupport.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Where the in-memory documents claim to come from; nothing lies there.
const QString STR_PATH = QStringLiteral("/nowhere/designs/4711/4711a.svg");

QByteArray svgText(const QString& theTemplateAttributes, const QString& theChildren)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                          "xmlns:lumo='urn:lumo'><metadata><lumo:template %1>%2</lumo:template></metadata>"
                          "<g lumo:layertype='1'/></svg>")
        .arg(theTemplateAttributes, theChildren)
        .toUtf8();
}

QDomDocument parse(const QByteArray& theText)
{
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(theText, QStringLiteral("test document"));
    Q_ASSERT_X(!aDocument.isNull(), "parse", "test documents are well-formed");
    return aDocument;
}

LMSVGMetaData read(const QString& theTemplateAttributes, const QString& theChildren, const QString& thePath = STR_PATH)
{
    return LMSVGMetaData(parse(svgText(theTemplateAttributes, theChildren)), QFileInfo(thePath));
}

void expectWarnings(const QStringList& theWarnings)
{
    for (const QString& aWarning : theWarnings)
        QTest::ignoreMessage(QtWarningMsg, qUtf8Printable(aWarning));
}

QStringList sorted(QStringList theList)
{
    theList.sort();
    return theList;
}

QList<int> ids(const QList<LMKeyAccountId>& theIds)
{
    QList<int> aList;
    for (const LMKeyAccountId& anId : theIds)
        aList.append(anId.id());
    return aList;
}

// Catalogue entries the tests name: a photo book, a wall-decor canvas and a poster.
const QByteArray CATALOGUE = R"({
    "currency": "EUR",
    "articles": [
        {"id": 101, "orderName": "BOOK_A4", "name": "Fotobuch A4", "class": "photobook"},
        {"id": 201, "orderName": "CANVAS_60X40", "name": "Leinwand", "class": "walldecor"},
        {"id": 202, "orderName": "ACRYL_30X20", "name": "Acrylglas", "class": "walldecor"},
        {"id": 301, "orderName": "poster_60x40", "name": "Poster", "class": "poster"}
    ]
})";
} // namespace

// The metadata block of SVG template files: every field with its default and its reading, the
// warnings, the derived values, the page files and the JSON sidecar.
class TestSVGMetaData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaults();
    void fullFile();
    void missingBlock_data();
    void missingBlock();
    void dpi_data();
    void dpi();
    void cssSheets_data();
    void cssSheets();
    void properties_data();
    void properties();
    void products_data();
    void products();
    void configuredArticles_data();
    void configuredArticles();
    void rotation_data();
    void rotation();
    void designElementId_data();
    void designElementId();
    void keyAccounts_data();
    void keyAccounts();
    void children_data();
    void children();
    void flags_data();
    void flags();
    void pages_data();
    void pages();
    void pageOrder_data();
    void pageOrder();
    void sidecar_data();
    void sidecar();
    void fileNameRules_data();
    void fileNameRules();
    void equalityAndSharing();
    void elementNames_data();
    void elementNames();
    void keyAccountIds_data();
    void keyAccountIds();
    void currentKeyAccount();

private:
    QTemporaryDir myCatalogueDir;
};

void TestSVGMetaData::initTestCase()
{
    // Read when the key account singleton comes into being, which no test has caused yet.
    qputenv(LMKeyAccount::environmentVariable(), " 42 ");
    QVERIFY(myCatalogueDir.isValid());
    const QString aPath = LMTestSupport::writeFile(myCatalogueDir, QStringLiteral("catalogue.json"), CATALOGUE);
    QVERIFY(LMProductCatalogue::instance()->load(aPath));
}

void TestSVGMetaData::init()
{
    // Every warning a test expects is announced with ignoreMessage; any other fails the test.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void TestSVGMetaData::defaults()
{
    const LMSVGMetaData aNone;
    const LMSVGMetaData anEmpty = read(QString(), QString());
    for (const LMSVGMetaData& aData : { aNone, anEmpty }) {
        QCOMPARE(aData.isLocked(), false);
        QCOMPARE(aData.svgDPI(), 254.0);
        QCOMPARE(aData.stretchFactor(), 1.0);
        QCOMPARE(aData.calendariumOptions().value(), 0);
        QCOMPARE(aData.calendariumFlow().value(), 0);
        QCOMPARE(aData.score(), 0);
        QVERIFY(aData.thematicCategories().isEmpty());
        QVERIFY(aData.effectiveTargetArticles().isEmpty());
        QVERIFY(!aData.anyConfiguredProduct());
        QVERIFY(aData.firstConfiguredArticle().isNull());
        QCOMPARE(aData.imagePathPrefix(), QString());
        QCOMPARE(aData.thumbnail(), QString());
        QCOMPARE(aData.refContentID(), QString());
        QCOMPARE(aData.contentRefPrefix(), QString());
        QCOMPARE(aData.rotation(), 0);
        QCOMPARE(aData.productionRotation(), 0);
        QVERIFY(!aData.designElementID().isValid());
        QVERIFY(aData.keyAccounts().isEmpty());
        QVERIFY(aData.multipages().isEmpty());
        QVERIFY(!aData.priceClass().isValid());
        QVERIFY(aData.articleVariants().isEmpty());
        QVERIFY(!aData.pageType().isValid());
        QVERIFY(!aData.isDuplicate());
        QVERIFY(!aData.designElementMetaData().isValid());
        QVERIFY(aData.useMultiPages());
        QVERIFY(aData.cssSheets().isEmpty());
    }
    QCOMPARE(anEmpty.fileInfo().filePath(), STR_PATH);
    // A file without page files is its own only page.
    QCOMPARE(anEmpty.allMultiPageFiles(), QStringList { STR_PATH });
}

void TestSVGMetaData::fullFile()
{
    const QFileInfo aFile(LMTestSupport::dataPath(QStringLiteral("svg/metadata/4711/4711a.svg")));
    const LMSVGMetaData aData(LMXMLLoader::loadDocument(aFile), aFile);

    QCOMPARE(aData.fileInfo(), aFile);
    QCOMPARE(aData.isLocked(), true);
    QCOMPARE(aData.svgDPI(), 127.0);
    QCOMPARE(aData.stretchFactor(), 2.0);
    QCOMPARE(aData.calendariumFlow(), LMCalendariumFlow(LMCalendariumFlowEnum::FamilyPlanner));
    QCOMPARE(aData.score(), 7);
    QCOMPARE(aData.calendariumOptions(), LMTemplateCalendariumOptions(LMTemplateCalendariumOptionsEnum::All));
    QCOMPARE(sorted(aData.thematicCategories().internalNames()),
             (QStringList { QStringLiteral("flowers"), QStringLiteral("summer") }));
    QCOMPARE(aData.effectiveTargetArticles().orderTxtNames(),
             (QStringList { QStringLiteral("BOOK_A4"), QStringLiteral("poster_60x40") }));
    QCOMPARE(aData.firstConfiguredArticle().id(), 101);
    QCOMPARE(aData.articleVariants().toStringList(),
             (QStringList { QStringLiteral("cutout=heart"), QStringLiteral("frame=oak") }));
    QCOMPARE(aData.pageType(), LMPageType(LMPageTypeEnum::InnerPage));
    QCOMPARE(aData.imagePathPrefix(), QStringLiteral("designs/summer/hires"));
    QCOMPARE(aData.thumbnail(), QStringLiteral("4711a_thumb.jpg"));
    QCOMPARE(aData.refContentID(), QStringLiteral("meadow-01"));
    QCOMPARE(aData.contentRefPrefix(), QStringLiteral("design"));
    QCOMPARE(aData.rotation(), 270);
    QCOMPARE(aData.productionRotation(), 90);
    QCOMPARE(aData.designElementID(), LMDesignElementID(4711));
    QCOMPARE(ids(aData.keyAccounts()), (QList<int> { 12, 34 }));
    QCOMPARE(aData.priceClass(), LMPriceClass::create(QStringLiteral("02")));
    QVERIFY(!aData.isDuplicate());
    QCOMPARE(aData.exampleTemplateId(), QStringLiteral("a"));
    QVERIFY(!aData.fileNameQualifiesAsCover());

    const QString aFolder = aFile.absolutePath() + QLatin1Char('/');
    QCOMPARE(aData.multipages(),
             (QStringList { aFolder + QStringLiteral("4711a_2.svg"), QStringLiteral("#back"),
                            aFolder + QStringLiteral("4711a_cover.svg"), aFolder + QStringLiteral("4711a_1.svg") }));
    QVERIFY(aData.useMultiPages());
    QCOMPARE(aData.allMultiPageFiles(),
             (QStringList { aFolder + QStringLiteral("4711a_cover.svg"), aFolder + QStringLiteral("4711a_1.svg"),
                            aFolder + QStringLiteral("4711a_2.svg"), QStringLiteral("#back") }));

    // "metadata.json" is named after the folder above the file's folder: it wins over "a_other.json".
    QCOMPARE(aData.designElementMetaData().designElementId(), LMDesignElementID(4711));
    QCOMPARE(aData.designElementMetaData().name(), QStringLiteral("Sommerwiese"));
}

void TestSVGMetaData::missingBlock_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("warning");

    const QString aNoMetadata = QStringLiteral("no <metadata> element found ") + STR_PATH;
    const QString aNoTemplate
        = QStringLiteral(" svg parse error: <lumo:template> subsection not found in section <metadata>: ") + STR_PATH;
    QTest::newRow("no metadata") << QByteArray("<svg><g/></svg>") << aNoMetadata;
    QTest::newRow("template outside metadata")
        << QByteArray("<svg><lumo:template lumo:svg_dpi='127' lumo:locked='true'/></svg>") << aNoMetadata;
    QTest::newRow("metadata deeper down")
        << QByteArray("<svg><g><metadata><lumo:template lumo:svg_dpi='127'/></metadata></g></svg>") << aNoMetadata;
    QTest::newRow("root is no svg") << QByteArray(
        "<templates><metadata><lumo:template lumo:svg_dpi='127'/></metadata></templates>")
                                    << aNoMetadata;
    QTest::newRow("empty metadata") << QByteArray("<svg><metadata/></svg>") << aNoTemplate;
    QTest::newRow("other metadata") << QByteArray(
        "<svg><metadata><rdf:RDF><lumo:template lumo:svg_dpi='127'/></rdf:RDF></metadata></svg>")
                                    << aNoTemplate;
    QTest::newRow("template without prefix")
        << QByteArray("<svg><metadata><template lumo:svg_dpi='127'/></metadata></svg>") << aNoTemplate;
}

void TestSVGMetaData::missingBlock()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, warning);

    expectWarnings({ warning });
    const LMSVGMetaData aData(parse(text), QFileInfo(STR_PATH));
    QCOMPARE(aData.svgDPI(), 254.0);
    QCOMPARE(aData.isLocked(), false);
    QCOMPARE(aData.fileInfo().filePath(), STR_PATH);
}

void TestSVGMetaData::dpi_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("stretch");
    QTest::addColumn<QStringList>("warnings");

    const QString aFallback = STR_PATH + QStringLiteral(" has no usable lumo:svg_dpi; 254 used");
    QTest::newRow("absent") << QString() << 254.0 << 1.0 << QStringList();
    QTest::newRow("127") << QStringLiteral("lumo:svg_dpi='127'") << 127.0 << 2.0 << QStringList();
    QTest::newRow("508") << QStringLiteral("lumo:svg_dpi='508'") << 508.0 << 0.5 << QStringList();
    QTest::newRow("decimal") << QStringLiteral("lumo:svg_dpi='25.4'") << 25.4 << 10.0 << QStringList();
    QTest::newRow("no number") << QStringLiteral("lumo:svg_dpi='high'") << 254.0 << 1.0 << QStringList();
    QTest::newRow("empty") << QStringLiteral("lumo:svg_dpi=''") << 254.0 << 1.0 << QStringList();
    QTest::newRow("zero") << QStringLiteral("lumo:svg_dpi='0'") << 254.0 << 1.0 << QStringList { aFallback };
    QTest::newRow("negative") << QStringLiteral("lumo:svg_dpi='-127'") << 254.0 << 1.0 << QStringList { aFallback };
    QTest::newRow("locked too") << QStringLiteral("lumo:locked='yes' lumo:svg_dpi='127'") << 127.0 << 2.0
                                << QStringList();
}

void TestSVGMetaData::dpi()
{
    QFETCH(QString, attributes);
    QFETCH(double, dpi);
    QFETCH(double, stretch);
    QFETCH(QStringList, warnings);

    expectWarnings(warnings);
    const LMSVGMetaData aData = read(attributes, QString());
    QCOMPARE(aData.svgDPI(), dpi);
    QCOMPARE(aData.stretchFactor(), stretch);
    QCOMPARE(aData.isLocked(), attributes.contains(QStringLiteral("lumo:locked")));
}

void TestSVGMetaData::cssSheets_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("defaultTitle");
    QTest::addColumn<QStringList>("warnings");

    const QByteArray aBlock = svgText(QString(), QString());
    QTest::newRow("none") << aBlock << QStringList() << QString() << QStringList();
    QTest::newRow("one") << QByteArray("<?xml-stylesheet href='css/warm.css' title='warm'?>") + aBlock
                         << QStringList { QStringLiteral("warm") } << QStringLiteral("warm") << QStringList();
    QTest::newRow("alternate first")
        << QByteArray("<?xml-stylesheet href='a.css' alternate='yes'?><?xml-stylesheet href='b.css'?>") + aBlock
        << QStringList { QStringLiteral("a"), QStringLiteral("b") } << QStringLiteral("b") << QStringList();
    QTest::newRow("without a block") << QByteArray("<?xml-stylesheet href='cold.css'?><svg/>")
                                     << QStringList { QStringLiteral("cold") } << QStringLiteral("cold")
                                     << QStringList { QStringLiteral("no <metadata> element found ") + STR_PATH };
}

void TestSVGMetaData::cssSheets()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, titles);
    QFETCH(QString, defaultTitle);
    QFETCH(QStringList, warnings);

    expectWarnings(warnings);
    const LMSVGMetaData aData(parse(text), QFileInfo(STR_PATH));
    QCOMPARE(aData.cssSheets().titles(), titles);
    QCOMPARE(aData.cssSheets().defaultTitle(), defaultTitle);
    if (!titles.isEmpty())
        QCOMPARE(aData.cssSheets().sheetId(titles.first()), titles.first() + QStringLiteral(".css"));
    // The sheets take part in equality.
    QCOMPARE(aData == LMSVGMetaData(parse(svgText(QString(), QString())), QFileInfo(STR_PATH)),
             titles.isEmpty() && warnings.isEmpty());
}

void TestSVGMetaData::properties_data()
{
    QTest::addColumn<QString>("properties");
    QTest::addColumn<int>("flow");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("options");
    QTest::addColumn<QStringList>("variants");

    QTest::newRow("empty") << QString() << 0 << 0 << 0 << QStringList();
    QTest::newRow("famcal and score") << QStringLiteral("calendarium:famcal;score:7") << 8 << 7 << 0 << QStringList();
    QTest::newRow("score no integer") << QStringLiteral("calendarium:famcal;score:seven") << 8 << 0 << 0
                                      << QStringList();
    QTest::newRow("score decimal") << QStringLiteral("score:7.5") << 0 << 0 << 0 << QStringList();
    QTest::newRow("score empty") << QStringLiteral("score:") << 0 << 0 << 0 << QStringList();
    QTest::newRow("score negative") << QStringLiteral("score:-3") << 0 << -3 << 0 << QStringList();
    QTest::newRow("later score wins") << QStringLiteral("score:9;score:x") << 0 << 0 << 0 << QStringList();
    QTest::newRow("blanks") << QStringLiteral(" calendarium : 3month ; score : 12 ;") << 16 << 12 << 0 << QStringList();
    QTest::newRow("unknown flow") << QStringLiteral("calendarium:weekly") << 0 << 0 << 0 << QStringList();
    QTest::newRow("holidays") << QStringLiteral("calendarium:block;hasHolidays:true") << 1 << 0 << 3 << QStringList();
    QTest::newRow("holidays any case") << QStringLiteral("HASHOLIDAYS:TRUE") << 0 << 0 << 3 << QStringList();
    QTest::newRow("holidays false") << QStringLiteral("hasHolidays:false") << 0 << 0 << 0 << QStringList();
    QTest::newRow("custom events alone") << QStringLiteral("hasCustomEvents:true") << 0 << 0 << 0 << QStringList();
    QTest::newRow("cut-out") << QStringLiteral("form_parameter-cutout:heart;score:1") << 0 << 1 << 0
                             << QStringList { QStringLiteral("cutout=heart") };
    QTest::newRow("cut-out empty") << QStringLiteral("form_parameter-cutout:") << 0 << 0 << 0 << QStringList();
    QTest::newRow("pair without colon") << QStringLiteral("calendarium;score:4") << 0 << 4 << 0 << QStringList();
    QTest::newRow("unicode value") << QStringLiteral("form_parameter-cutout:herz♥") << 0 << 0 << 0
                                   << QStringList { QStringLiteral("cutout=herz♥") };
}

void TestSVGMetaData::properties()
{
    QFETCH(QString, properties);
    QFETCH(int, flow);
    QFETCH(int, score);
    QFETCH(int, options);
    QFETCH(QStringList, variants);

    const LMSVGMetaData aData = read(QStringLiteral("lumo:properties='%1'").arg(properties), QString());
    QCOMPARE(aData.calendariumFlow().value(), flow);
    QCOMPARE(aData.score(), score);
    QCOMPARE(aData.calendariumOptions().value(), options);
    QCOMPARE(aData.articleVariants().toStringList(), variants);
}

void TestSVGMetaData::products_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QStringList>("orderNames");

    const auto product = [](const QString& theText) {
        return QStringLiteral("<lumo:product>%1</lumo:product>").arg(theText);
    };
    QTest::newRow("upper-cased") << product(QStringLiteral("book_a4")) << QStringList { QStringLiteral("BOOK_A4") };
    QTest::newRow("poster size kept") << product(QStringLiteral("poster_60x40"))
                                      << QStringList { QStringLiteral("poster_60x40") };
    QTest::newRow("size inside kept") << product(QStringLiteral("Wall 30x20 matt"))
                                      << QStringList { QStringLiteral("Wall 30x20 matt") };
    QTest::newRow("capital X is no size")
        << product(QStringLiteral("canvas_60X40")) << QStringList { QStringLiteral("CANVAS_60X40") };
    QTest::newRow("x without digits") << product(QStringLiteral("box_ax4"))
                                      << QStringList { QStringLiteral("BOX_AX4") };
    QTest::newRow("trimmed") << product(QStringLiteral("  book_a4 \n")) << QStringList { QStringLiteral("BOOK_A4") };
    QTest::newRow("empty") << product(QString()) << QStringList();
    QTest::newRow("unicode") << product(QStringLiteral("album_été")) << QStringList { QStringLiteral("ALBUM_ÉTÉ") };
    QTest::newRow("list order") << product(QStringLiteral("b")) + product(QStringLiteral("a"))
            + product(QStringLiteral("b"))
                                << QStringList { QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("B") };
}

void TestSVGMetaData::products()
{
    QFETCH(QString, children);
    QFETCH(QStringList, orderNames);

    const LMSVGMetaData aData = read(QString(), children);
    QCOMPARE(aData.effectiveTargetArticles().orderTxtNames(), orderNames);
    QCOMPARE(aData.anyConfiguredProduct(), !orderNames.isEmpty());
}

void TestSVGMetaData::configuredArticles_data()
{
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<int>("firstConfigured");
    QTest::addColumn<bool>("useMultiPages");

    QTest::newRow("none") << QStringList() << 0 << true;
    QTest::newRow("unknown only") << QStringList { QStringLiteral("nothing_known") } << 0 << true;
    QTest::newRow("unknown before known")
        << QStringList { QStringLiteral("nothing_known"), QStringLiteral("book_a4") } << 101 << true;
    QTest::newRow("poster kept and found") << QStringList { QStringLiteral("poster_60x40") } << 301 << true;
    QTest::newRow("wall decor only") << QStringList { QStringLiteral("canvas_60X40"), QStringLiteral("acryl_30X20") }
                                     << 201 << false;
    QTest::newRow("wall decor and book") << QStringList { QStringLiteral("canvas_60X40"), QStringLiteral("book_a4") }
                                         << 201 << true;
    QTest::newRow("wall decor and unknown")
        << QStringList { QStringLiteral("canvas_60X40"), QStringLiteral("nothing_known") } << 201 << true;
}

void TestSVGMetaData::configuredArticles()
{
    QFETCH(QStringList, products);
    QFETCH(int, firstConfigured);
    QFETCH(bool, useMultiPages);

    QString aChildren;
    for (const QString& aProduct : products)
        aChildren += QStringLiteral("<lumo:product>%1</lumo:product>").arg(aProduct);
    aChildren += QStringLiteral("<lumo:pages><lumo:page xlink:href='4711a_1.svg'/></lumo:pages>");
    const LMSVGMetaData aData = read(QString(), aChildren);

    QCOMPARE(aData.firstConfiguredArticle().id(), firstConfigured);
    QCOMPARE(aData.firstConfiguredArticle().isNull(), firstConfigured == 0);
    QCOMPARE(aData.useMultiPages(), useMultiPages);
    const QString aPage = QStringLiteral("/nowhere/designs/4711/4711a_1.svg");
    QCOMPARE(aData.multipages(), QStringList { aPage });
    QCOMPARE(aData.allMultiPageFiles(), QStringList { useMultiPages ? aPage : STR_PATH });
}

void TestSVGMetaData::rotation_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<int>("production");
    QTest::addColumn<QStringList>("warnings");

    const auto rotation = [](const QString& theAttributes) {
        return QStringLiteral("<lumo:rotation %1/>").arg(theAttributes);
    };
    const QString aWarning = QStringLiteral("found a non-integer rotation=0");
    QTest::newRow("zero") << rotation(QStringLiteral("lumo:default='0' lumo:production='0'")) << 0 << 0
                          << QStringList();
    QTest::newRow("minus 90") << rotation(QStringLiteral("lumo:default='-90'")) << 270 << 0 << QStringList();
    QTest::newRow("450") << rotation(QStringLiteral("lumo:production='450'")) << 0 << 90 << QStringList();
    QTest::newRow("359") << rotation(QStringLiteral("lumo:default='359'")) << 359 << 0 << QStringList();
    QTest::newRow("360") << rotation(QStringLiteral("lumo:default='360'")) << 0 << 0 << QStringList();
    QTest::newRow("minus 1") << rotation(QStringLiteral("lumo:default='-1'")) << 359 << 0 << QStringList();
    QTest::newRow("minus 360") << rotation(QStringLiteral("lumo:default='-360'")) << 0 << 0 << QStringList();
    QTest::newRow("minus 720") << rotation(QStringLiteral("lumo:default='-720' lumo:production='-450'")) << 0 << 270
                               << QStringList();
    QTest::newRow("plus sign and blanks")
        << rotation(QStringLiteral("lumo:default=' +180 '")) << 180 << 0 << QStringList();
    QTest::newRow("largest int") << rotation(QStringLiteral("lumo:default='2147483647'")) << 127 << 0 << QStringList();
    QTest::newRow("smallest int") << rotation(QStringLiteral("lumo:default='-2147483648'")) << 232 << 0
                                  << QStringList();
    QTest::newRow("beyond int") << rotation(QStringLiteral("lumo:default='2147483648'")) << 0 << 0
                                << QStringList { aWarning };
    QTest::newRow("no integer") << rotation(QStringLiteral("lumo:default='ninety'")) << 0 << 0
                                << QStringList { aWarning };
    QTest::newRow("decimal") << rotation(QStringLiteral("lumo:default='12.5' lumo:production='90'")) << 0 << 90
                             << QStringList { aWarning };
    QTest::newRow("both bad") << rotation(QStringLiteral("lumo:default='' lumo:production='x'")) << 0 << 0
                              << QStringList { aWarning, aWarning };
    QTest::newRow("no attributes") << rotation(QString()) << 0 << 0 << QStringList();
    QTest::newRow("bad keeps the earlier value") << rotation(QStringLiteral("lumo:default='90' lumo:production='180'"))
            + rotation(QStringLiteral("lumo:default='abc'"))
                                                 << 90 << 180 << QStringList { aWarning };
    QTest::newRow("later replaces") << rotation(QStringLiteral("lumo:default='90'"))
            + rotation(QStringLiteral("lumo:default='-180'"))
                                    << 180 << 0 << QStringList();
}

void TestSVGMetaData::rotation()
{
    QFETCH(QString, children);
    QFETCH(int, rotation);
    QFETCH(int, production);
    QFETCH(QStringList, warnings);

    expectWarnings(warnings);
    const LMSVGMetaData aData = read(QString(), children);
    QCOMPARE(aData.rotation(), rotation);
    QCOMPARE(aData.productionRotation(), production);
}

void TestSVGMetaData::designElementId_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("number") << QStringLiteral("4711") << 4711 << QStringList();
    QTest::newRow("blanks") << QStringLiteral("  12\n") << 12 << QStringList();
    QTest::newRow("zero is no element") << QStringLiteral("0") << 0 << QStringList();
    QTest::newRow("letters") << QStringLiteral("abc") << 0
                             << QStringList { QStringLiteral("found a non-integer designElementId=abc") };
    QTest::newRow("decimal") << QStringLiteral("47.11") << 0
                             << QStringList { QStringLiteral("found a non-integer designElementId=47.11") };
    QTest::newRow("empty") << QString() << 0 << QStringList { QStringLiteral("found a non-integer designElementId=") };
    QTest::newRow("unicode digits") << QStringLiteral("٤٧") << 0
                                    << QStringList { QStringLiteral("found a non-integer designElementId=٤٧") };
}

void TestSVGMetaData::designElementId()
{
    QFETCH(QString, text);
    QFETCH(int, id);
    QFETCH(QStringList, warnings);

    expectWarnings(warnings);
    const LMSVGMetaData aData
        = read(QString(), QStringLiteral("<lumo:designelementid>%1</lumo:designelementid>").arg(text));
    QCOMPARE(aData.designElementID().id(), id);
}

void TestSVGMetaData::keyAccounts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("none") << QStringList() << QList<int>() << QStringList();
    QTest::newRow("one") << QStringList { QStringLiteral("7") } << QList<int> { 7 } << QStringList();
    QTest::newRow("in file order") << QStringList { QStringLiteral("9"), QStringLiteral(" 3 ") } << QList<int> { 9, 3 }
                                   << QStringList();
    QTest::newRow("bad one skipped") << QStringList { QStringLiteral("7"), QStringLiteral("x7"), QStringLiteral("8") }
                                     << QList<int> { 7, 8 }
                                     << QStringList { QStringLiteral("found a non-integer keyaccount=x7") };
    QTest::newRow("empty") << QStringList { QString() } << QList<int>()
                           << QStringList { QStringLiteral("found a non-integer keyaccount=") };
    QTest::newRow("comma list is one bad text") << QStringList { QStringLiteral("1,2") } << QList<int>()
                                                << QStringList { QStringLiteral("found a non-integer keyaccount=1,2") };
}

void TestSVGMetaData::keyAccounts()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, ids);
    QFETCH(QStringList, warnings);

    QString aChildren;
    for (const QString& aText : texts)
        aChildren += QStringLiteral("<lumo:keyaccount>%1</lumo:keyaccount>").arg(aText);
    expectWarnings(warnings);
    const LMSVGMetaData aData = read(QString(), aChildren);
    QCOMPARE(::ids(aData.keyAccounts()), ids);
}

void TestSVGMetaData::children_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QString>("imagePathPrefix");
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<QString>("contentRefPrefix");
    QTest::addColumn<QString>("priceClass");
    QTest::addColumn<QStringList>("variants");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QStringList>("warnings");

    const QStringList aNone;
    QTest::newRow("categories") << QStringLiteral("<lumo:category>b</lumo:category><lumo:category> a </lumo:category>"
                                                  "<lumo:category>b</lumo:category><lumo:category/>")
                                << QStringList { QStringLiteral("a"), QStringLiteral("b") } << QString() << QString()
                                << QString() << QString() << aNone << 0 << aNone;
    QTest::newRow("image path alone") << QStringLiteral(
        "<lumo:imagepath>designs/summer</lumo:imagepath><lumo:imagesubpath> </lumo:imagesubpath>")
                                      << aNone << QStringLiteral("designs/summer") << QString() << QString()
                                      << QString() << aNone << 0 << aNone;
    QTest::newRow("image path with sub path")
        << QStringLiteral("<lumo:imagesubpath>hires</lumo:imagesubpath><lumo:imagepath>designs</lumo:imagepath>")
        << aNone << QStringLiteral("designs/hires") << QString() << QString() << QString() << aNone << 0 << aNone;
    QTest::newRow("sub path alone") << QStringLiteral("<lumo:imagesubpath>hires</lumo:imagesubpath>") << aNone
                                    << QStringLiteral("/hires") << QString() << QString() << QString() << aNone << 0
                                    << aNone;
    QTest::newRow("thumbnail") << QStringLiteral("<lumo:thumbnail xlink:href='thumbs/a b.png'>ignored</lumo:thumbnail>")
                               << aNone << QString() << QStringLiteral("thumbs/a b.png") << QString() << QString()
                               << aNone << 0 << aNone;
    QTest::newRow("thumbnail without reference")
        << QStringLiteral("<lumo:thumbnail>text.png</lumo:thumbnail>") << aNone << QString() << QString() << QString()
        << QString() << aNone << 0 << aNone;
    QTest::newRow("reference") << QStringLiteral("<lumo:reference>meadow</lumo:reference>") << aNone << QString()
                               << QString() << QStringLiteral("design") << QString() << aNone << 0 << aNone;
    QTest::newRow("empty reference") << QStringLiteral("<lumo:reference>  </lumo:reference>") << aNone << QString()
                                     << QString() << QString() << QString() << aNone << 0 << aNone;
    QTest::newRow("price class") << QStringLiteral("<lumo:priceclass> 3 </lumo:priceclass>") << aNone << QString()
                                 << QString() << QString() << QStringLiteral("03") << aNone << 0 << aNone;
    QTest::newRow("price class word") << QStringLiteral("<lumo:priceclass>Premium</lumo:priceclass>") << aNone
                                      << QString() << QString() << QString() << QStringLiteral("premium") << aNone << 0
                                      << aNone;
    QTest::newRow("variants") << QStringLiteral("<lumo:variant>frame=oak</lumo:variant><lumo:variant/>"
                                                "<lumo:variant>glossy</lumo:variant>")
                              << aNone << QString() << QString() << QString() << QString()
                              << QStringList { QStringLiteral("frame=oak"), QStringLiteral("glossy") } << 0 << aNone;
    QTest::newRow("page type") << QStringLiteral("<lumo:pagetype>cover</lumo:pagetype>") << aNone << QString()
                               << QString() << QString() << QString() << aNone << 0x321 << aNone;
    QTest::newRow("unknown page type kept out")
        << QStringLiteral("<lumo:pagetype>inner</lumo:pagetype><lumo:pagetype>back_of_beyond</lumo:pagetype>") << aNone
        << QString() << QString() << QString() << QString() << aNone << 8 << aNone;
    QTest::newRow("ignored kinds") << QStringLiteral("<lumo:title>T</lumo:title><lumo:author>A</lumo:author>"
                                                     "<lumo:comment>C</lumo:comment>")
                                   << aNone << QString() << QString() << QString() << QString() << aNone << 0 << aNone;
    QTest::newRow("unknown element") << QStringLiteral(
        "<lumo:colour> red </lumo:colour><lumo:category>x</lumo:category>")
                                     << QStringList { QStringLiteral("x") } << QString() << QString() << QString()
                                     << QString() << aNone << 0
                                     << QStringList { QStringLiteral("unknown attribute lumo:colour red") };
    QTest::newRow("names are case-sensitive")
        << QStringLiteral("<lumo:Category>x</lumo:Category>") << aNone << QString() << QString() << QString()
        << QString() << aNone << 0 << QStringList { QStringLiteral("unknown attribute lumo:Category x") };
    QTest::newRow("property key is no element")
        << QStringLiteral("<duplicate/>") << aNone << QString() << QString() << QString() << QString() << aNone << 0
        << QStringList { QStringLiteral("unknown attribute duplicate ") };
    QTest::newRow("element without prefix")
        << QStringLiteral("<category>x</category>") << aNone << QString() << QString() << QString() << QString()
        << aNone << 0 << QStringList { QStringLiteral("unknown attribute category x") };
}

void TestSVGMetaData::children()
{
    QFETCH(QString, children);
    QFETCH(QStringList, categories);
    QFETCH(QString, imagePathPrefix);
    QFETCH(QString, thumbnail);
    QFETCH(QString, contentRefPrefix);
    QFETCH(QString, priceClass);
    QFETCH(QStringList, variants);
    QFETCH(int, pageType);
    QFETCH(QStringList, warnings);

    expectWarnings(warnings);
    const LMSVGMetaData aData = read(QString(), children);
    QCOMPARE(sorted(aData.thematicCategories().internalNames()), categories);
    QCOMPARE(aData.imagePathPrefix(), imagePathPrefix);
    QCOMPARE(aData.thumbnail(), thumbnail);
    QCOMPARE(aData.contentRefPrefix(), contentRefPrefix);
    QCOMPARE(aData.priceClass().toString(), priceClass);
    QCOMPARE(aData.articleVariants().toStringList(), variants);
    QCOMPARE(aData.pageType().value(), pageType);
}

void TestSVGMetaData::flags_data()
{
    QTest::addColumn<QString>("properties");
    QTest::addColumn<bool>("duplicate");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("none") << QString() << false << QStringList();
    QTest::newRow("duplicate") << QStringLiteral("<lumo:property key='duplicate'/>") << true << QStringList();
    QTest::newRow("duplicate among unknown")
        << QStringLiteral("<lumo:property key='shiny'/><lumo:property key='duplicate'/>") << true
        << QStringList { QStringLiteral("unknown property key shiny") };
    QTest::newRow("keys are case-sensitive") << QStringLiteral("<lumo:property key='Duplicate'/>") << false
                                             << QStringList { QStringLiteral("unknown property key Duplicate") };
    QTest::newRow("no key") << QStringLiteral("<lumo:property>duplicate</lumo:property>") << false
                            << QStringList { QStringLiteral("unknown property key ") };
    QTest::newRow("element name as key") << QStringLiteral("<lumo:property key='lumo:product'/>") << false
                                         << QStringList { QStringLiteral("unknown property key lumo:product") };
    QTest::newRow("other children skipped") << QStringLiteral("<lumo:flag key='duplicate'/>") << false << QStringList();
}

void TestSVGMetaData::flags()
{
    QFETCH(QString, properties);
    QFETCH(bool, duplicate);
    QFETCH(QStringList, warnings);

    expectWarnings(warnings);
    const LMSVGMetaData aData = read(QString(), QStringLiteral("<lumo:flags>%1</lumo:flags>").arg(properties));
    QCOMPARE(aData.isDuplicate(), duplicate);
}

void TestSVGMetaData::pages_data()
{
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QStringList>("multipages");

    const QString aFolder = QStringLiteral("/nowhere/designs/4711/");
    QTest::newRow("relative") << QStringLiteral("<lumo:page xlink:href='4711a_1.svg'/>")
                              << QStringList { aFolder + QStringLiteral("4711a_1.svg") };
    QTest::newRow("up and down") << QStringLiteral("<lumo:page xlink:href='../4712/./p.svg'/>")
                                 << QStringList { QStringLiteral("/nowhere/designs/4712/p.svg") };
    QTest::newRow("absolute") << QStringLiteral("<lumo:page xlink:href='/elsewhere/p.svg'/>")
                              << QStringList { QStringLiteral("/elsewhere/p.svg") };
    QTest::newRow("fragment kept") << QStringLiteral("<lumo:page xlink:href='#page2'/>")
                                   << QStringList { QStringLiteral("#page2") };
    QTest::newRow("empty and missing skipped")
        << QStringLiteral("<lumo:page xlink:href=''/><lumo:page/><lumo:page xlink:href='b.svg'/>")
        << QStringList { aFolder + QStringLiteral("b.svg") };
    QTest::newRow("other children skipped") << QStringLiteral("<lumo:file xlink:href='a.svg'/>") << QStringList();
    QTest::newRow("unicode") << QStringLiteral("<lumo:page xlink:href='Seite ä.svg'/>")
                             << QStringList { aFolder + QStringLiteral("Seite ä.svg") };
    QTest::newRow("file order") << QStringLiteral("<lumo:page xlink:href='b.svg'/><lumo:page xlink:href='a.svg'/>")
                                << QStringList { aFolder + QStringLiteral("b.svg"), aFolder + QStringLiteral("a.svg") };
}

void TestSVGMetaData::pages()
{
    QFETCH(QString, pages);
    QFETCH(QStringList, multipages);

    const LMSVGMetaData aData = read(QString(), QStringLiteral("<lumo:pages>%1</lumo:pages>").arg(pages));
    QCOMPARE(aData.multipages(), multipages);

    // Two page elements add up.
    const LMSVGMetaData aTwice
        = read(QString(), QStringLiteral("<lumo:pages>%1</lumo:pages><lumo:pages>%1</lumo:pages>").arg(pages));
    QCOMPARE(aTwice.multipages(), multipages + multipages);
}

void TestSVGMetaData::pageOrder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("ordered");

    QTest::newRow("empty") << QStringList() << QStringList();
    QTest::newRow("numbers, not text") << QStringList {
        QStringLiteral("/d/p10.svg"), QStringLiteral("/d/p9.svg"), QStringLiteral("/d/p1.svg")
    } << QStringList { QStringLiteral("/d/p1.svg"), QStringLiteral("/d/p9.svg"), QStringLiteral("/d/p10.svg") };
    QTest::newRow("cover first") << QStringList { QStringLiteral("/d/4711_2.svg"), QStringLiteral("/d/4711_Cover.svg"),
                                                  QStringLiteral("/d/4711_1.svg") }
                                 << QStringList { QStringLiteral("/d/4711_Cover.svg"), QStringLiteral("/d/4711_1.svg"),
                                                  QStringLiteral("/d/4711_2.svg") };
    QTest::newRow("unnumbered last, in list order")
        << QStringList { QStringLiteral("/d/zeta.svg"), QStringLiteral("/d/p2.svg"), QStringLiteral("/d/alpha.svg") }
        << QStringList { QStringLiteral("/d/p2.svg"), QStringLiteral("/d/zeta.svg"), QStringLiteral("/d/alpha.svg") };
    QTest::newRow("equal numbers keep list order")
        << QStringList { QStringLiteral("/b/p3.svg"), QStringLiteral("/a/p3.svg"), QStringLiteral("/a/p03.svg") }
        << QStringList { QStringLiteral("/b/p3.svg"), QStringLiteral("/a/p3.svg"), QStringLiteral("/a/p03.svg") };
    QTest::newRow("fragments") << QStringList {
        QStringLiteral("#page2"), QStringLiteral("/d/p1.svg"), QStringLiteral("#cover")
    } << QStringList { QStringLiteral("#cover"), QStringLiteral("/d/p1.svg"), QStringLiteral("#page2") };
    QTest::newRow("numbers beyond 64 bits") << QStringList { QStringLiteral("/d/p123456789012345678901.svg"),
                                                             QStringLiteral("/d/p99999999999999999999.svg") }
                                            << QStringList { QStringLiteral("/d/p99999999999999999999.svg"),
                                                             QStringLiteral("/d/p123456789012345678901.svg") };
    QTest::newRow("folder numbers do not count")
        << QStringList { QStringLiteral("/d9/p2.svg"), QStringLiteral("/d1/p3.svg") }
        << QStringList { QStringLiteral("/d9/p2.svg"), QStringLiteral("/d1/p3.svg") };
}

void TestSVGMetaData::pageOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, ordered);

    QCOMPARE(LMArticle::sortPageFileNameListInInternOrder(files), ordered);
}

void TestSVGMetaData::sidecar_data()
{
    QTest::addColumn<QStringList>("jsonFiles");
    QTest::addColumn<int>("expectedId");

    // The design lies in "<tmp>/summer/pages/page.svg"; the sidecar is looked for in "<tmp>/summer".
    QTest::newRow("named after the folder")
        << QStringList { QStringLiteral("a.json"), QStringLiteral("summer.json") } << 2;
    QTest::newRow("first by name") << QStringList { QStringLiteral("b.json"), QStringLiteral("a.json") } << 1;
    QTest::newRow("none") << QStringList() << 0;
    QTest::newRow("not in the file's own folder") << QStringList { QStringLiteral("pages/pages.json") } << 0;
    QTest::newRow("not above the upper folder") << QStringList { QStringLiteral("../summer.json") } << 0;
}

void TestSVGMetaData::sidecar()
{
    QFETCH(QStringList, jsonFiles);
    QFETCH(int, expectedId);

    QTemporaryDir aRoot;
    QVERIFY(aRoot.isValid());
    const QString aDesign = QStringLiteral("inner/summer/");
    for (const QString& aName : jsonFiles) {
        // Each record carries an id of its own: a.json 1, summer.json 2, anything else 3.
        const int anId = aName == QLatin1String("a.json") ? 1 : aName == QLatin1String("summer.json") ? 2 : 3;
        LMTestSupport::writeFile(aRoot, QDir::cleanPath(aDesign + aName),
                                 QStringLiteral("{\"designElementId\": %1}").arg(anId).toUtf8());
    }
    const QString aPath
        = LMTestSupport::writeFile(aRoot, aDesign + QStringLiteral("pages/page.svg"), svgText(QString(), QString()));
    const LMSVGMetaData aData(parse(svgText(QString(), QString())), QFileInfo(aPath));
    QCOMPARE(aData.designElementMetaData().designElementId().id(), expectedId);
    QCOMPARE(aData.designElementMetaData().isValid(), expectedId != 0);
}

void TestSVGMetaData::fileNameRules_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exampleId");
    QTest::addColumn<bool>("cover");

    QTest::newRow("example a") << QStringLiteral("/c/4711/4711a.svg") << QStringLiteral("a") << false;
    QTest::newRow("cover") << QStringLiteral("/c/4711/47110.svg") << QStringLiteral("0") << true;
    QTest::newRow("cover with suffix") << QStringLiteral("/c/4711/47110_front.svg") << QStringLiteral("0") << true;
    QTest::newRow("folder name alone") << QStringLiteral("/c/4711/4711.svg") << QString() << false;
    QTest::newRow("other name") << QStringLiteral("/c/4711/x4711a.svg") << QString() << false;
    QTest::newRow("case matters") << QStringLiteral("/c/Summer/summer0.svg") << QString() << false;
    QTest::newRow("base name before the first dot") << QStringLiteral("/c/4711/4711.b.svg") << QString() << false;
    QTest::newRow("unicode") << QStringLiteral("/c/Wiese/Wieseß0.svg") << QStringLiteral("ß") << false;
    QTest::newRow("unicode cover") << QStringLiteral("/c/Müller/Müller0.svg") << QStringLiteral("0") << true;
}

void TestSVGMetaData::fileNameRules()
{
    QFETCH(QString, path);
    QFETCH(QString, exampleId);
    QFETCH(bool, cover);

    const LMSVGMetaData aData = read(QString(), QString(), path);
    QCOMPARE(aData.exampleTemplateId(), exampleId);
    QCOMPARE(aData.fileNameQualifiesAsCover(), cover);
}

void TestSVGMetaData::equalityAndSharing()
{
    const QString aChildren
        = QStringLiteral("<lumo:product>book_a4</lumo:product><lumo:thumbnail xlink:href='t.png'/>");
    const LMSVGMetaData aFirst = read(QStringLiteral("lumo:properties='calendarium:line'"), aChildren);
    const LMSVGMetaData aSecond = read(QStringLiteral("lumo:properties='calendarium:line'"), aChildren);
    QVERIFY(aFirst == aSecond);
    QVERIFY(!(aFirst != aSecond));

    LMSVGMetaData aCopy = aFirst;
    aCopy.setThumbnail(QStringLiteral("other.png"));
    QCOMPARE(aCopy.thumbnail(), QStringLiteral("other.png"));
    QCOMPARE(aFirst.thumbnail(), QStringLiteral("t.png"));
    QVERIFY(aCopy != aFirst);
    aCopy.setThumbnail(QStringLiteral("t.png"));
    QVERIFY(aCopy == aFirst);

    aCopy.setCalendariumFlow(LMCalendariumFlow(LMCalendariumFlowEnum::Block));
    QCOMPARE(aCopy.calendariumFlow().value(), 1);
    QCOMPARE(aFirst.calendariumFlow().value(), 4);
    QVERIFY(aCopy != aFirst);

    // Each field takes part: files, products and the rest of the block.
    QVERIFY(read(QStringLiteral("lumo:properties='calendarium:line'"), aChildren, QStringLiteral("/other/4711a.svg"))
            != aFirst);
    QVERIFY(read(QStringLiteral("lumo:properties='calendarium:line'"), QString()) != aFirst);
    QVERIFY(read(QStringLiteral("lumo:properties='calendarium:line' lumo:locked='true'"), aChildren) != aFirst);
    QVERIFY(read(QStringLiteral("lumo:properties='calendarium:line'"),
                 aChildren + QStringLiteral("<lumo:keyaccount>1</lumo:keyaccount>"))
            != aFirst);
    QVERIFY(read(QStringLiteral("lumo:properties='calendarium:line'"),
                 aChildren + QStringLiteral("<lumo:flags><lumo:property key='duplicate'/></lumo:flags>"))
            != aFirst);

    LMSVGMetaData aMoved = std::move(aCopy);
    QCOMPARE(aMoved.calendariumFlow().value(), 1);
    aMoved = aSecond;
    QVERIFY(aMoved == aFirst);
}

void TestSVGMetaData::elementNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");

    QTest::newRow("category") << QStringLiteral("lumo:category") << 1;
    QTest::newRow("product") << QStringLiteral("lumo:product") << 2;
    QTest::newRow("image path") << QStringLiteral("lumo:imagepath") << 3;
    QTest::newRow("image sub path") << QStringLiteral("lumo:imagesubpath") << 4;
    QTest::newRow("thumbnail") << QStringLiteral("lumo:thumbnail") << 5;
    QTest::newRow("title") << QStringLiteral("lumo:title") << 6;
    QTest::newRow("reference") << QStringLiteral("lumo:reference") << 7;
    QTest::newRow("rotation") << QStringLiteral("lumo:rotation") << 8;
    QTest::newRow("design element id") << QStringLiteral("lumo:designelementid") << 9;
    QTest::newRow("key account") << QStringLiteral("lumo:keyaccount") << 11;
    QTest::newRow("pages") << QStringLiteral("lumo:pages") << 12;
    QTest::newRow("price class") << QStringLiteral("lumo:priceclass") << 13;
    QTest::newRow("duplicate key") << QStringLiteral("duplicate") << 14;
    QTest::newRow("flags") << QStringLiteral("lumo:flags") << 15;
    QTest::newRow("author") << QStringLiteral("lumo:author") << 17;
    QTest::newRow("variant") << QStringLiteral("lumo:variant") << 18;
    QTest::newRow("page type") << QStringLiteral("lumo:pagetype") << 19;
    QTest::newRow("comment") << QStringLiteral("lumo:comment") << 20;
    QTest::newRow("properties attribute is no element") << QStringLiteral("lumo:properties") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("upper case") << QStringLiteral("LUMO:CATEGORY") << 0;
    QTest::newRow("blanks") << QStringLiteral(" lumo:category") << 0;
    QTest::newRow("two names") << QStringLiteral("lumo:category,lumo:product") << 0;
    QTest::newRow("without prefix") << QStringLiteral("category") << 0;
}

void TestSVGMetaData::elementNames()
{
    QFETCH(QString, name);
    QFETCH(int, kind);

    const LMTemplateSVGMetaDataElement anElement = LMTemplateSVGMetaDataElement::fromName(name);
    QCOMPARE(anElement.value(), kind);
    QCOMPARE(LMTemplateSVGMetaDataElement(name).value(), kind);
    if (kind != 0)
        QCOMPARE(anElement.name(), name);
    else
        QCOMPARE(anElement.name(), QString());
    // The retired kinds have no name.
    QCOMPARE(LMTemplateSVGMetaDataElement(LMTemplateSVGMetaDataElement::fromInt(10)).name(), QString());
    QCOMPARE(LMTemplateSVGMetaDataElement(LMTemplateSVGMetaDataElement::fromInt(16)).name(), QString());
}

void TestSVGMetaData::keyAccountIds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("valid");

    QTest::newRow("number") << QStringLiteral("42") << 42 << true;
    QTest::newRow("blanks") << QStringLiteral(" 7\t") << 7 << true;
    QTest::newRow("zero") << QStringLiteral("0") << 0 << false;
    QTest::newRow("negative") << QStringLiteral("-5") << -5 << false;
    QTest::newRow("letters") << QStringLiteral("seven") << 0 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("beyond int") << QStringLiteral("2147483648") << 0 << false;
    QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647 << true;
}

void TestSVGMetaData::keyAccountIds()
{
    QFETCH(QString, text);
    QFETCH(int, id);
    QFETCH(bool, valid);

    const LMKeyAccountId anId = LMKeyAccountId::fromString(text);
    QCOMPARE(anId.id(), id);
    QCOMPARE(anId.isValid(), valid);
    QCOMPARE(anId == LMKeyAccountId(id), true);
    QCOMPARE(anId != LMKeyAccountId(id ^ 1), true);
    QCOMPARE(qHash(anId), qHash(LMKeyAccountId(id)));
    QVERIFY(!LMKeyAccountId().isValid());
}

void TestSVGMetaData::currentKeyAccount()
{
    LMKeyAccount* anAccount = LMKeyAccount::instance();
    // Set from the environment in initTestCase, before the first use.
    QCOMPARE(anAccount->keyAccountId(), LMKeyAccountId(42));

    anAccount->setKeyAccountId(LMKeyAccountId(7));
    QCOMPARE(anAccount->keyAccountId(), LMKeyAccountId(7));
    QCOMPARE(LMKeyAccount::instance()->keyAccountId().id(), 7);

    anAccount->setKeyAccountId(LMKeyAccountId(-3));
    QVERIFY(!anAccount->keyAccountId().isValid());
    QCOMPARE(anAccount->keyAccountId(), LMKeyAccountId());

    // The account a design names is compared with the current one.
    anAccount->setKeyAccountId(LMKeyAccountId(34));
    const QFileInfo aFile(LMTestSupport::dataPath(QStringLiteral("svg/metadata/4711/4711a.svg")));
    const LMSVGMetaData aData(LMXMLLoader::loadDocument(aFile), aFile);
    QVERIFY(aData.keyAccounts().contains(anAccount->keyAccountId()));
    anAccount->setKeyAccountId(LMKeyAccountId(35));
    QVERIFY(!aData.keyAccounts().contains(anAccount->keyAccountId()));
    anAccount->setKeyAccountId(LMKeyAccountId());
}

QTEST_GUILESS_MAIN(TestSVGMetaData)
#include "tst_svgmetadata.moc"
