#include "LMArticle.h"
#include "LMJobLoadTemplateFile.h"
#include "LMKeyAccount.h"
#include "LMKeyAccountId.h"
#include "LMProductCatalogue.h"
#include "LMSVGMetaData.h"
#include "LMTemplate.h"
#include "LMTemplateFactorySVG.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTestSupport.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::expectWarnings;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

namespace {
// Where the in-memory documents claim to come from; nothing lies there.
const QString STR_FOLDER = QStringLiteral("/nowhere/designs/4711/");
const QString STR_PATH = STR_FOLDER + QStringLiteral("4711a.svg");

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

LMSVGMetaData fullFile()
{
    const QFileInfo aFile(LMTestSupport::dataPath("svg/metadata/4711/4711a.svg"));
    return LMSVGMetaData(LMXMLLoader::loadDocument(aFile), aFile);
}

// Every value of the block that is not its default, in one line; page files below the file's own
// folder are named relative to it.
QString summary(const LMSVGMetaData& theData)
{
    QStringList aParts;
    const auto add = [&](bool theSet, const char* theKey, const QString& theValue) {
        if (theSet)
            aParts.append(QLatin1String(theKey) + QLatin1Char('=') + theValue);
    };
    const auto number = [](double theValue) {
        return QString::number(theValue);
    };
    QStringList aCategories = theData.thematicCategories().internalNames();
    aCategories.sort();
    QStringList anIds;
    for (const LMKeyAccountId& anId : theData.keyAccounts())
        anIds.append(number(anId.id()));
    const QString aFolder = theData.fileInfo().absolutePath() + QLatin1Char('/');
    QStringList aPages = theData.multipages();
    aPages.replaceInStrings(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(aFolder)), QString());
    add(theData.isLocked(), "locked", QStringLiteral("yes"));
    add(theData.svgDPI() != 254.0, "dpi",
        number(theData.svgDPI()) + QLatin1Char('/') + number(theData.stretchFactor()));
    add(theData.calendariumFlow().value() != 0, "flow", number(theData.calendariumFlow().value()));
    add(theData.score() != 0, "score", number(theData.score()));
    add(theData.calendariumOptions().value() != 0, "options", number(theData.calendariumOptions().value()));
    add(!theData.articleVariants().isEmpty(), "variants", theData.articleVariants().toStringList().join(u','));
    add(!aCategories.isEmpty(), "categories", aCategories.join(u','));
    add(theData.anyConfiguredProduct(), "products", theData.effectiveTargetArticles().orderTxtNames().join(u','));
    add(!theData.firstConfiguredArticle().isNull(), "first", number(theData.firstConfiguredArticle().id()));
    add(!theData.useMultiPages(), "single", QStringLiteral("yes"));
    add(!theData.imagePathPrefix().isEmpty(), "images", theData.imagePathPrefix());
    add(!theData.thumbnail().isEmpty(), "thumbnail", theData.thumbnail());
    add(!theData.refContentID().isEmpty() || !theData.contentRefPrefix().isEmpty(), "reference",
        theData.contentRefPrefix() + QLatin1Char(':') + theData.refContentID());
    add(theData.rotation() != 0 || theData.productionRotation() != 0, "rotation",
        number(theData.rotation()) + QLatin1Char('/') + number(theData.productionRotation()));
    add(theData.designElementID().isValid(), "id", number(theData.designElementID().id()));
    add(!anIds.isEmpty(), "accounts", anIds.join(u','));
    add(!aPages.isEmpty(), "pages", aPages.join(u','));
    add(theData.priceClass().isValid(), "price", theData.priceClass().toString());
    add(theData.pageType().isValid(), "page", number(theData.pageType().value()));
    add(theData.isDuplicate(), "duplicate", QStringLiteral("yes"));
    return aParts.join(u' ');
}

QString tagged(const char* theTag, const QString& theText)
{
    return QStringLiteral("<lumo:%1>%2</lumo:%1>").arg(QLatin1String(theTag), theText);
}

// A value of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 where the system does not tell.
qint64 statusBytes(const QByteArray& theKey)
{
    QFile aStatus(QStringLiteral("/proc/self/status"));
    if (!aStatus.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& aLine : aStatus.readAll().split('\n'))
        if (aLine.startsWith(theKey + ':'))
            return aLine.mid(theKey.size() + 1).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

// The templates the load job reads from the file.
LMUnconfiguredTemplateList loaded(const QString& thePath)
{
    LMTemplateLoaderLoadingInfo anInfo { QFileInfo(thePath) };
    LMJobLoadTemplateFile(&anInfo).doStuff();
    return anInfo.takeTemplates();
}

// Sets the process's peak of resident memory back to what it holds now.
bool resetPeakMemory()
{
    QFile aFile(QStringLiteral("/proc/self/clear_refs"));
    return aFile.open(QIODevice::WriteOnly) && aFile.write("5") == 1;
}
} // namespace

// The metadata block of SVG template files: every field with its default and its reading, the
// warnings, the derived values, the page files and the JSON sidecar; what the readers keep but
// warn of.
class TestSVGMetaData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Read when the key account singleton comes into being, which no test has caused yet.
        qputenv(LMKeyAccount::environmentVariable(), " 42 ");
        QVERIFY(LMProductCatalogue::instance()->load(LMTestSupport::dataPath("formats/catalogue_metadata.json")));
    }
    // Every warning a test expects is announced with ignoreMessage; any other fails the test.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    void defaults()
    {
        const LMSVGMetaData aData = read(QString(), QString());
        QCOMPARE(summary(aData), QString());
        QVERIFY(!aData.designElementMetaData().isValid());
        QVERIFY(aData.cssSheets().isEmpty());
        // A file without page files is its own only page.
        QCOMPARE(read(QString(), QString()).allMultiPageFiles(), QStringList { STR_PATH });
    }

    void fullFile()
    {
        const LMSVGMetaData aData = ::fullFile();
        QCOMPARE(summary(aData),
                 QStringLiteral("locked=yes dpi=127/2 flow=8 score=7 options=3 variants=cutout=heart,frame=oak "
                                "categories=flowers,summer products=BOOK_A4,poster_60x40 first=101 "
                                "images=designs/summer/hires thumbnail=4711a_thumb.jpg reference=design:meadow-01 "
                                "rotation=270/90 id=4711 accounts=12,34 pages=4711a_2.svg,#back,4711a_cover.svg,"
                                "4711a_1.svg price=02 page=8"));
        QCOMPARE(aData.exampleTemplateId(), QStringLiteral("a"));
        QVERIFY(!aData.fileNameQualifiesAsCover());
        const QString aFolder = aData.fileInfo().absolutePath() + QLatin1Char('/');
        QCOMPARE(aData.allMultiPageFiles(),
                 (QStringList { aFolder + QStringLiteral("4711a_cover.svg"), aFolder + QStringLiteral("4711a_1.svg"),
                                aFolder + QStringLiteral("4711a_2.svg"), QStringLiteral("#back") }));
        // "metadata.json" is named after the folder above the file's folder: it wins over "a_other.json".
        QCOMPARE(aData.designElementMetaData().designElementId(), LMDesignElementID(4711));
        QCOMPARE(aData.designElementMetaData().name(), QStringLiteral("Sommerwiese"));
    }

    void missingBlock_data()
    {
        columns<QByteArray, QString>("text", "warning");
        const QString aNoMetadata = QStringLiteral("no <metadata> element found ") + STR_PATH;
        row("no metadata", QByteArray("<svg><lumo:template lumo:svg_dpi='127'/></svg>"), aNoMetadata);
        row("root is no svg",
            QByteArray("<templates><metadata><lumo:template lumo:svg_dpi='127'/></metadata></templates>"), aNoMetadata);
        row("template without prefix", QByteArray("<svg><metadata><template lumo:svg_dpi='127'/></metadata></svg>"),
            QStringLiteral(" svg parse error: <lumo:template> subsection not found in section <metadata>: ")
                + STR_PATH);
    }
    void missingBlock()
    {
        expectWarnings({ fetch<QString>("warning") });
        const LMSVGMetaData aData(parse(fetch<QByteArray>("text")), QFileInfo(STR_PATH));
        QCOMPARE(summary(aData), QString());
        QCOMPARE(aData.fileInfo().filePath(), STR_PATH);
    }

    void block_data()
    {
        columns<QString, QString, QString, QStringList>("attributes", "children", "expected", "warnings");
        const QStringList aNone;
        const auto properties = [](const char* theText) {
            return QStringLiteral("lumo:properties='%1'").arg(QLatin1String(theText));
        };
        const auto rotation = [](const char* theAttributes) {
            return QStringLiteral("<lumo:rotation %1/>").arg(QLatin1String(theAttributes));
        };
        const auto products = [](const QStringList& theNames) {
            QString aText;
            for (const QString& aName : theNames)
                aText += tagged("product", aName);
            return aText;
        };
        const QString aDpiWarning = STR_PATH + QStringLiteral(" has no usable lumo:svg_dpi; 254 used");
        // The warning shows the text that was refused.
        const QString aRotationWarning = QStringLiteral("found a non-integer rotation=2147483648");

        row("DPI and lock", "lumo:svg_dpi='127' lumo:locked='yes'", QString(), "locked=yes dpi=127/2", aNone);
        row("DPI no number", "lumo:svg_dpi='high'", QString(), QString(), aNone);
        row("DPI zero", "lumo:svg_dpi='0'", QString(), QString(), QStringList { aDpiWarning });

        row("family planner and score", properties("calendarium:famcal;score:7"), QString(), "flow=8 score=7", aNone);
        row("score no integer", properties("calendarium:famcal;score:seven"), QString(), "flow=8", aNone);
        row("later score wins", properties("score:9;score:x"), QString(), QString(), aNone);
        row("blanks", properties(" calendarium : 3month ; score : 12 ;"), QString(), "flow=16 score=12", aNone);
        row("unknown flow", properties("calendarium:weekly"), QString(), QString(), aNone);
        row("holidays", properties("calendarium:block;hasHolidays:true"), QString(), "flow=1 options=3", aNone);
        row("cut-out", properties("form_parameter-cutout:heart;score:1"), QString(), "score=1 variants=cutout=heart",
            aNone);
        row("cut-out empty", properties("form_parameter-cutout:"), QString(), QString(), aNone);
        row("pair without colon", properties("calendarium;score:4"), QString(), "score=4", aNone);

        row("products upper-cased, trimmed, in list order", QString(), products({ "b", "  book_a4 \n", "b", "" }),
            "products=B,BOOK_A4,B first=101", aNone);
        row("poster size kept", QString(), products({ "poster_60x40" }), "products=poster_60x40 first=301", aNone);
        row("capital X is no size", QString(), products({ "canvas_60X40" }),
            "products=CANVAS_60X40 first=201 single=yes", aNone);
        row("unknown only", QString(), products({ "nothing_known" }), "products=NOTHING_KNOWN", aNone);
        row("wall decor and unknown: pages used", QString(),
            products({ "canvas_60X40", "nothing_known" }) + tagged("pages", "<lumo:page xlink:href='p.svg'/>"),
            "products=CANVAS_60X40,NOTHING_KNOWN first=201 pages=p.svg", aNone);

        row("rotations turned into a turn", QString(), rotation("lumo:default='-90' lumo:production='450'"),
            "rotation=270/90", aNone);
        row("int bounds", QString(), rotation("lumo:default='2147483647' lumo:production='-2147483648'"),
            "rotation=127/232", aNone);
        row("beyond int", QString(), rotation("lumo:default='2147483648' lumo:production='90'"), "rotation=0/90",
            QStringList { aRotationWarning });
        row("no attributes", QString(), rotation(""), QString(), aNone);
        row("bad keeps the earlier value, later replaces", QString(),
            rotation("lumo:default='90' lumo:production='180'") + rotation("lumo:default='12.5' lumo:production='45'"),
            "rotation=90/45", QStringList { QStringLiteral("found a non-integer rotation=12.5") });

        row("design element id", QString(), tagged("designelementid", "  12\n"), "id=12", aNone);
        row("design element id zero", QString(), tagged("designelementid", "0"), QString(), aNone);
        row("design element id letters", QString(), tagged("designelementid", "abc"), QString(),
            QStringList { "found a non-integer designElementId=abc" });
        row("key accounts, bad one skipped", QString(),
            tagged("keyaccount", "9") + tagged("keyaccount", "x7") + tagged("keyaccount", " 3 "), "accounts=9,3",
            QStringList { "found a non-integer keyaccount=x7" });

        row("categories", QString(),
            tagged("category", "b") + tagged("category", " a ") + tagged("category", "b") + "<lumo:category/>",
            "categories=a,b", aNone);
        row("image path, empty sub path", QString(),
            tagged("imagepath", "designs/summer") + tagged("imagesubpath", " "), "images=designs/summer", aNone);
        row("image path with sub path", QString(), tagged("imagesubpath", "hires") + tagged("imagepath", "designs"),
            "images=designs/hires", aNone);
        row("price class", QString(), tagged("priceclass", " 3 "), "price=03", aNone);
        row("unknown page type kept out", QString(), tagged("pagetype", "inner") + tagged("pagetype", "back_of_beyond"),
            "page=8", aNone);
        row("ignored kinds", QString(), tagged("title", "T") + tagged("author", "A") + tagged("comment", "C"),
            QString(), aNone);
        row("unknown element", QString(), "<lumo:colour> red </lumo:colour><lumo:category>x</lumo:category>",
            "categories=x", QStringList { "unknown attribute lumo:colour red" });
        row("property key is no element", QString(), "<duplicate/>", QString(),
            QStringList { "unknown attribute duplicate " });

        row("duplicate among unknown", QString(),
            tagged("flags", "<lumo:property key='shiny'/><lumo:property key='duplicate'/><lumo:flag key='x'/>"),
            "duplicate=yes", QStringList { "unknown property key shiny" });
        row("other flag children skipped", QString(), tagged("flags", "<lumo:flag key='duplicate'/>"), QString(),
            aNone);

        row("pages in file order, cleaned, two lists add up", QString(),
            tagged("pages", "<lumo:page xlink:href='b.svg'/><lumo:page xlink:href='../4712/./p.svg'/>")
                + tagged("pages", "<lumo:page xlink:href='/elsewhere/p.svg'/><lumo:page xlink:href='#page2'/>"),
            "pages=b.svg,/nowhere/designs/4712/p.svg,/elsewhere/p.svg,#page2", aNone);
        row("empty, missing and other children skipped", QString(),
            tagged("pages", "<lumo:page xlink:href=''/><lumo:page/><lumo:file xlink:href='a.svg'/>"), QString(), aNone);
    }
    void block()
    {
        expectWarnings(fetch<QStringList>("warnings"));
        QTEST(summary(read(fetch<QString>("attributes"), fetch<QString>("children"))), "expected");
    }

    void cssSheets_data()
    {
        columns<QByteArray, QStringList, QString, QStringList>("text", "titles", "defaultTitle", "warnings");
        row("titled, in a folder",
            QByteArray("<?xml-stylesheet href='css/warm.css' title='warm'?>") + svgText(QString(), QString()),
            QStringList { "warm" }, "warm", QStringList());
        row("alternate first",
            QByteArray("<?xml-stylesheet href='a.css' alternate='yes'?><?xml-stylesheet href='b.css'?>")
                + svgText(QString(), QString()),
            QStringList { "a", "b" }, "b", QStringList());
        row("without a block", QByteArray("<?xml-stylesheet href='cold.css'?><svg/>"), QStringList { "cold" }, "cold",
            QStringList { QStringLiteral("no <metadata> element found ") + STR_PATH });
    }
    void cssSheets()
    {
        QFETCH(QStringList, titles);
        expectWarnings(fetch<QStringList>("warnings"));
        const LMSVGMetaData aData(parse(fetch<QByteArray>("text")), QFileInfo(STR_PATH));
        QCOMPARE(aData.cssSheets().titles(), titles);
        QTEST(aData.cssSheets().defaultTitle(), "defaultTitle");
        QCOMPARE(aData.cssSheets().sheetId(titles.first()), titles.first() + QStringLiteral(".css"));
        // The sheets take part in equality.
        QVERIFY(aData != read(QString(), QString()));
    }

    void pageOrder_data()
    {
        columns<QStringList, QStringList>("files", "ordered");
        row("numbers, not text", words("/d/p10.svg /d/p9.svg /d/p1.svg"), words("/d/p1.svg /d/p9.svg /d/p10.svg"));
        row("cover first", words("/d/4711_2.svg /d/4711_Cover.svg /d/4711_1.svg"),
            words("/d/4711_Cover.svg /d/4711_1.svg /d/4711_2.svg"));
        row("unnumbered last, in list order", words("/d/zeta.svg /d/p2.svg /d/alpha.svg"),
            words("/d/p2.svg /d/zeta.svg /d/alpha.svg"));
        row("equal numbers keep list order", words("/b/p3.svg /a/p3.svg /a/p03.svg"),
            words("/b/p3.svg /a/p3.svg /a/p03.svg"));
        row("fragments", words("#page2 /d/p1.svg #cover"), words("#cover /d/p1.svg #page2"));
        row("numbers beyond 64 bits", words("/d/p123456789012345678901.svg /d/p99999999999999999999.svg"),
            words("/d/p99999999999999999999.svg /d/p123456789012345678901.svg"));
        row("folder numbers do not count", words("/d9/p2.svg /d1/p3.svg"), words("/d9/p2.svg /d1/p3.svg"));
    }
    void pageOrder() { QTEST(LMArticle::sortPageFileNameListInInternOrder(fetch<QStringList>("files")), "ordered"); }

    void sidecar_data()
    {
        columns<QStringList, int>("jsonFiles", "expectedId");
        // The design lies in "<tmp>/summer/pages/page.svg"; the sidecar is looked for in "<tmp>/summer".
        row("named after the folder", QStringList { "a.json", "summer.json" }, 2);
        row("first by name", QStringList { "b.json", "a.json" }, 1);
        row("none", QStringList(), 0);
        row("not in the file's own folder", QStringList { "pages/pages.json" }, 0);
        row("not above the upper folder", QStringList { "../summer.json" }, 0);
    }
    void sidecar()
    {
        QFETCH(int, expectedId);
        QTemporaryDir aRoot;
        QVERIFY(aRoot.isValid());
        const QString aDesign = QStringLiteral("inner/summer/");
        for (const QString& aName : fetch<QStringList>("jsonFiles")) {
            // Each record carries an id of its own: a.json 1, summer.json 2, anything else 3.
            const int anId = aName == QLatin1String("a.json") ? 1 : aName == QLatin1String("summer.json") ? 2 : 3;
            LMTestSupport::writeFile(aRoot, QDir::cleanPath(aDesign + aName),
                                     QStringLiteral("{\"designElementId\": %1}").arg(anId).toUtf8());
        }
        const QString aPath = LMTestSupport::writeFile(aRoot, aDesign + QStringLiteral("pages/page.svg"), "<svg/>");
        const LMSVGMetaData aData(parse(svgText(QString(), QString())), QFileInfo(aPath));
        QCOMPARE(aData.designElementMetaData().designElementId().id(), expectedId);
        QCOMPARE(aData.designElementMetaData().isValid(), expectedId != 0);
    }

    void fileNameRules_data()
    {
        columns<QString, QString, bool>("path", "exampleId", "cover");
        row("example a", "/c/4711/4711a.svg", "a", false);
        row("cover with suffix", "/c/4711/47110_front.svg", "0", true);
        row("folder name alone", "/c/4711/4711.svg", QString(), false);
        row("other name", "/c/4711/x4711a.svg", QString(), false);
        row("case matters", "/c/Summer/summer0.svg", QString(), false);
        row("base name before the first dot", "/c/4711/4711.b.svg", QString(), false);
    }
    void fileNameRules()
    {
        const LMSVGMetaData aData = read(QString(), QString(), fetch<QString>("path"));
        QTEST(aData.exampleTemplateId(), "exampleId");
        QTEST(aData.fileNameQualifiesAsCover(), "cover");
    }

    void equality()
    {
        const QString anAttributes = QStringLiteral("lumo:properties='calendarium:line'");
        const QString aChildren = tagged("product", "book_a4") + QStringLiteral("<lumo:thumbnail xlink:href='t.png'/>");
        const LMSVGMetaData aFirst = read(anAttributes, aChildren);
        QVERIFY(read(anAttributes, aChildren) == aFirst);
        // Each field takes part: files, products and the rest of the block.
        QVERIFY(read(anAttributes, aChildren, QStringLiteral("/other/4711a.svg")) != aFirst);
        QVERIFY(read(anAttributes, QString()) != aFirst);
        QVERIFY(read(anAttributes + QStringLiteral(" lumo:locked='true'"), aChildren) != aFirst);
        QVERIFY(read(anAttributes, aChildren + tagged("keyaccount", "1")) != aFirst);
        QVERIFY(read(anAttributes, aChildren + tagged("flags", "<lumo:property key='duplicate'/>")) != aFirst);

        // Pages that name the same categories keep one set of them.
        const QString aCategories = tagged("category", "Reise") + tagged("category", "Hochzeit");
        const LMSVGMetaData aPage = read(anAttributes, aCategories);
        const LMSVGMetaData anOtherPage = read(anAttributes, aCategories, QStringLiteral("/other/4711a.svg"));
        QCOMPARE(anOtherPage.thematicCategories().size(), 2);
        QCOMPARE(&*aPage.thematicCategories().cbegin(), &*anOtherPage.thematicCategories().cbegin());
    }

    void currentKeyAccount()
    {
        LMKeyAccount* anAccount = LMKeyAccount::instance();
        // Set from the environment in initTestCase, before the first use.
        QCOMPARE(anAccount->keyAccountId(), LMKeyAccountId(42));
        anAccount->setKeyAccountId(LMKeyAccountId(-3));
        QVERIFY(!anAccount->keyAccountId().isValid());
        QCOMPARE(anAccount->keyAccountId(), LMKeyAccountId());
        // The account a design names is compared with the current one.
        const LMSVGMetaData aData = ::fullFile();
        anAccount->setKeyAccountId(LMKeyAccountId(34));
        QVERIFY(aData.keyAccounts().contains(LMKeyAccount::instance()->keyAccountId()));
        anAccount->setKeyAccountId(LMKeyAccountId(35));
        QVERIFY(!aData.keyAccounts().contains(anAccount->keyAccountId()));
        anAccount->setKeyAccountId(LMKeyAccountId());
    }

    // What the readers take as written (their fallbacks stay) but say a word about: areas off their
    // page or of negative size, layouts without a page, SVG slots beyond any sheet, resolutions no
    // page is made at; and the bounds that keep a hostile file's cost in proportion: attribute length
    // and templates per block. Each case expects its one warning; any other fails.
    void layouts_data()
    {
        columns<QString, QString, int>("layout", "warning", "areas");

        const QString aPage = QStringLiteral("<total width='1000' height='1000'/>");
        row("area on its page", aPage + "<imagearea x='-50' y='0' width='100' height='100'/>", QString(), 1);
        row("area off its page", aPage + "<imagearea x='1000' y='0' width='100' height='100'/>",
            "<imagearea> at (1000, 0, 100 x 100) of layout \"L\" lies outside its page of 1000 x 1000", 1);
        row("area above its page", aPage + "<textarea x='0' y='-300' width='100' height='200'/>",
            "<textarea> at (0, -300, 100 x 200) of layout \"L\" lies outside its page of 1000 x 1000", 1);
        row("negative size", aPage + "<imagearea x='10' y='10' width='-100' height='100'/>",
            "<imagearea> at (10, 10, -100 x 100) of layout \"L\" has a negative size", 1);
        row("no page", "<imagearea x='0' y='0' width='100' height='100'/>",
            "layout \"L\" has no usable page size (-1 x -1): its areas are left out", 0);
        row("page of no width", "<total width='0' height='1000'/><imagearea x='0' y='0' width='100' height='100'/>",
            "layout \"L\" has no usable page size (0 x 1000): its areas are left out", 0);
        row("page alone", "<total width='0' height='0'/>", QString(), 0);
    }

    void layouts()
    {
        QFETCH(QString, layout);
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        LMUnconfiguredTemplateList aTemplates = LMTemplateFactoryXML2::buildTemplates(
            QStringLiteral("<templates2 version='2'><template name='L'><layout>%1</layout></template></templates2>")
                .arg(layout));
        QCOMPARE(aTemplates.size(), 1);
        QCOMPARE(aTemplates.first()->areaDefinitions().count(), fetch<int>("areas"));
        aTemplates.deleteEntriesAndClear();
    }

    void svgSlots_data()
    {
        columns<QString, QString>("attributes", "warning");

        row("usual", "x='10' y='10' width='100' height='50'", QString());
        row("negative width", "x='10' y='10' width='-100' height='50'",
            "element \"slot\" has a negative size (-100 x 50)");
        row("far off", "x='1e9' y='10' width='100' height='50'",
            "element \"slot\" has geometry beyond any page (1e+09, 10, 100 x 50)");
        row("astronomic", "x='1e308' y='10' width='1e308' height='50'",
            "element \"slot\" has no finite geometry: left empty");
    }

    void svgSlots()
    {
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QDomDocument aDocument;
        QVERIFY(
            aDocument.setContent(QStringLiteral("<svg><image id='slot' %1/></svg>").arg(fetch<QString>("attributes"))));
        LMTemplateFactorySVG::readRotatedRectStretched(aDocument.documentElement().firstChildElement(), 1.0, nullptr);
    }

    void resolutions_data()
    {
        columns<QString, double, QString>("dpi", "kept", "warning");

        row("print", "300", 300.0, QString());
        row("a dot per inch", "1", 1.0, "page.svg has lumo:svg_dpi=1, far from the usual 254");
        row("a billion", "1e9", 1e9, "page.svg has lumo:svg_dpi=1e+09, far from the usual 254");
        row("none", "0", 254.0, "page.svg has no usable lumo:svg_dpi; 254 used");
    }

    void resolutions()
    {
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QDomDocument aDocument;
        QVERIFY(
            aDocument.setContent(QStringLiteral("<svg><metadata><lumo:template lumo:svg_dpi='%1'/></metadata></svg>")
                                     .arg(fetch<QString>("dpi"))));
        QCOMPARE(LMSVGMetaData(aDocument, QFileInfo(QStringLiteral("page.svg"))).svgDPI(), fetch<double>("kept"));
    }

    void bounds_data()
    {
        columns<qsizetype, bool>("attributeLength", "refused");

        row("longest attribute", LMXMLLoader::ourMaximumAttributeLength, false);
        row("one character more", LMXMLLoader::ourMaximumAttributeLength + 1, true);
    }

    void bounds()
    {
        QFETCH(bool, refused);

        const QByteArray aText = "<r>\n<a v=\"" + QByteArray(fetch<qsizetype>("attributeLength"), 'x') + "\"/></r>";
        if (refused)
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("refused XML file long.xml: an attribute "
                                                           "longer than %1 characters at line 2")
                                                .arg(LMXMLLoader::ourMaximumAttributeLength)));
        QCOMPARE(LMXMLLoader::loadDocumentFromData(aText, QStringLiteral("long.xml")).isNull(), refused);
    }

    // Version-2 blocks from the DOM and from the stream, and version-1 lists, each as many
    // templates as fit in one and one more.
    void templatesPerBlock_data()
    {
        columns<QString, QString>("reader", "warning");
        // FILE: the file, which a reader of text in memory does not know.
        const QString aHoldsMore = QStringLiteral(" holds more than %1 templates: the rest is left out")
                                       .arg(LMTemplateFactory::ourMaximumTemplates);
        row("version 2 from the DOM", "dom", "a layout block at line 1" + aHoldsMore);
        row("version 2 from the stream", "stream", "a layout block at line 1 of FILE" + aHoldsMore);
        row("version 1", "list", "a template list at line 1 of FILE" + aHoldsMore);
    }
    void templatesPerBlock()
    {
        QFETCH(QString, reader);
        const bool aList = reader == QStringLiteral("list");
        QString aText = aList ? QStringLiteral("<templates>") : QStringLiteral("<templates2 version='2'>");
        for (qsizetype i = 0; i <= LMTemplateFactory::ourMaximumTemplates; ++i)
            aText += aList ? QStringLiteral("<template name='t%1' type='layout'/>").arg(i)
                           : QStringLiteral("<template name='t%1'/>").arg(i);
        aText += aList ? QStringLiteral("</templates>") : QStringLiteral("</templates2>");
        const QTemporaryDir aDir;
        const QString aPath = LMTestSupport::writeFile(aDir, "many.xml", aText.toUtf8());
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QString(fetch<QString>("warning")).replace(QStringLiteral("FILE"), aPath)));
        LMUnconfiguredTemplateList aTemplates
            = reader == QStringLiteral("dom") ? LMTemplateFactoryXML2::buildTemplates(aText) : loaded(aPath);
        QCOMPARE(aTemplates.size(), LMTemplateFactory::ourMaximumTemplates);
        QCOMPARE(aTemplates.last().name(), QStringLiteral("t%1").arg(LMTemplateFactory::ourMaximumTemplates - 1));
        aTemplates.deleteEntriesAndClear();
    }

    // A file just under the loader's size bound, of as many small templates as fit, costs the
    // templates kept and the text, not a DOM of the whole (which took 80 times the file).
    void largeFileMemory_data()
    {
        columns<QByteArray, QByteArray, QByteArray, qsizetype, QString>("head", "element", "tail", "templates",
                                                                        "warning");
        row("SVG page of small shapes", QByteArray("<svg width='100' height='100'><g>\n"),
            QByteArray("<rect x='1' y='2' width='3' height='4' fill='#f6f1e7'/>\n"), QByteArray("</g></svg>\n"),
            qsizetype(0),
            QStringLiteral("large.xml: more than %1 elements").arg(LMTemplateFactorySVG::ourMaximumElements));
    }
    void largeFileMemory()
    {
        QFETCH(QByteArray, element);
        QFETCH(QByteArray, tail);
        QFETCH(qsizetype, templates);
        const QTemporaryDir aDir;
        qint64 aFileSize = 0;
        {
            QByteArray aText = fetch<QByteArray>("head");
            aText.reserve(LMXMLLoader::ourMaximumSize);
            while (aText.size() + element.size() + tail.size() < LMXMLLoader::ourMaximumSize)
                aText += element;
            aText += tail;
            aFileSize = aText.size();
            LMTestSupport::writeFile(aDir, "large.xml", aText);
        }
        if (!resetPeakMemory() || statusBytes("VmHWM") == 0)
            QSKIP("the system does not tell the peak memory of a process");
        const qint64 aBefore = statusBytes("VmRSS");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(fetch<QString>("warning"))));
        if (templates == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not open template file")));
        LMUnconfiguredTemplateList aTemplates = loaded(aDir.filePath("large.xml"));
        QCOMPARE(aTemplates.size(), templates);
        const qint64 aGrowth = statusBytes("VmHWM") - aBefore;
        aTemplates.deleteEntriesAndClear();
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer keeps freed memory in quarantine: the peak says nothing here");
#elif defined(__SANITIZE_THREAD__)
        QSKIP("the thread sanitizer's shadow of every allocation counts in the peak: it says nothing here");
#endif
        QVERIFY2(aGrowth < 10 * aFileSize,
                 qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(aGrowth).arg(aFileSize)));
    }
};

QTEST_GUILESS_MAIN(TestSVGMetaData)
#include "tst_svgmetadata.moc"
