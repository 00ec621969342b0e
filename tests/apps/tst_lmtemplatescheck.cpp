#include "LMTestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::writeFile;

namespace {

using Result = LMTestSupport::ToolResult;

Result run(const QStringList& theArguments, const QString& theContentDir = QString())
{
    return LMTestSupport::runTool(QStringLiteral(LM_TOOL_PATH), theArguments,
                                  QDir::tempPath() + QStringLiteral("/lm-check-user"), theContentDir);
}

QString lintTree()
{
    return QStringLiteral(LM_TEST_DATA "/lint/content");
}

} // namespace

// The check content authors run: each mistake of a tree made for it (tests/data/lint), found at
// its file and line with its rule, and nothing else; the exit codes and conventions of the tool.
class TestLMTemplatesCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        myResult = run({ "check", "--content", lintTree(), "--strict", "--json" });
        QCOMPARE(myResult.exitCode, 1);
        myDiagnostics = myResult.json().value("diagnostics").toArray();
    }

    void findings_data()
    {
        columns<QString, int, QString, QString>("file", "line", "rule", "message");

        const QString aBook = QStringLiteral("templates/categories/book_layouts.xml");
        const QString aSvg = QStringLiteral("designs/meadow/meadow-1.svg");
        row("product near a known one", aBook, 5, "unknown-product",
            "product 'BOOK_A4_HX' is not in the catalogue (did you mean 'BOOK_A4_HC'?)");
        row("page type", aBook, 6, "unknown-page-type", "unknown page type 'inner_pages'");
        row("misspelt attribute", aBook, 11, "unknown-attribute",
            "unknown attribute 'widht' (did you mean 'width'?) on <imagearea>");
        row("area without its width", aBook, 11, "area-empty", "<imagearea> has no size (width 0, height 800)");
        row("area off the page", aBook, 12, "area-outside-page",
            "<imagearea> at (5000, 100) lies outside its page of 1000 x 1000");
        row("area off the page, by the reader", aBook, 0, "reader",
            "<imagearea> at (5000, 100, 400 x 400) of layout \"Eins\" lies outside its page of 1000 x 1000");
        row("no number", aBook, 13, "bad-number", "<imagearea> x=\"nan\" is no usable number");
        row("no number, by the reader", aBook, 0, "reader", "<imagearea> attribute \"x\": \"nan\" is not a number");
        row("misspelt area, by the lint", aBook, 14, "unknown-element",
            "unknown element 'imagaarea' (did you mean 'imagearea'?)");
        row("misspelt area, by the reader", aBook, 0, "reader", "Unbekannter Knotentyp: imagaarea");
        row("name given twice", aBook, 17, "duplicate-name",
            "template name 'Eins' is given again (first at templates/categories/book_layouts.xml:8)");
        row("area of no height", aBook, 20, "area-empty", "<textarea> has no size (width 800, height 0)");
        row("article class", "templates/categories/calendar_layouts.xml", 3, "unknown-article-class",
            "unknown article class 'calender'");
        row("filter of an unknown product only", "templates/categories/lonely_layouts.xml", 0, "not-offered",
            "no product of the catalogue is offered its 1 template:");
        row("filter product", "templates/categories/lonely_layouts.xml", 4, "unknown-product",
            "product 'POSTER_XL' is not in the catalogue");
        row("white list of an unknown product only", "templates/categories/wall_layouts.xml", 0, "not-offered",
            "the white list assigns it only to products the catalogue does not have");
        row("thumbnail", "templates/categories/paper.xml", 4, "missing-file",
            "the filename 'thumbs/paper_4102.png' does not exist");
        row("metadata element", aSvg, 7, "unknown-element",
            "unknown element 'lumo:pagetyp' (did you mean 'lumo:pagetype'?)");
        row("metadata element, by the reader", aSvg, 0, "reader", "unknown attribute lumo:pagetyp inner_page");
        row("design thumbnail", aSvg, 8, "missing-file", "the thumbnail 'meadow-thumb.png' does not exist");
        row("photo slot", aSvg, 13, "area-empty", "<image> has a negative size (width -5, height 1900)");
        row("photo slot, by the reader", aSvg, 0, "reader", "element \"image\" has a negative size (-5 x 1900)");
        row("layer attribute", aSvg, 15, "unknown-attribute",
            "unknown attribute 'lumo:layertyp' (did you mean 'lumo:layertype'?) on <g>");
        row("sidecar key", "designs/meadow/meadow.json", 3, "unknown-key",
            "unknown key 'visibel' (did you mean 'visible'?)");
        row("sidecar tag", "designs/meadow/meadow.json", 5, "unknown-key",
            "unknown tag 'CATEGROY' (did you mean 'CATEGORY'?)");
        // CAL_A3 and CAL_A5 are equally near: the first of them is named.
        row("white-list product", "white_list.conf", 5, "unknown-product",
            "product 'CAL_A4' is not in the catalogue (did you mean 'CAL_A3'?)");
        row("white-list pattern", "white_list.conf", 6, "unmatched-pattern",
            "the pattern 'categories/poster_*.xml' matches no template file");
        row("white-list group of an unknown product", "white_list.conf", 9, "unknown-product",
            "product 'POSTER_XL' is not in the catalogue");
    }

    void findings()
    {
        const auto aFound = std::find_if(myDiagnostics.cbegin(), myDiagnostics.cend(), [&](const QJsonValue& theValue) {
            const QJsonObject anObject = theValue.toObject();
            return anObject.value("file").toString() == fetch<QString>("file")
                && anObject.value("line").toInt() == fetch<int>("line")
                && anObject.value("rule").toString() == fetch<QString>("rule")
                && anObject.value("message").toString().contains(fetch<QString>("message"));
        });
        QVERIFY2(aFound != myDiagnostics.cend(), QJsonDocument(myDiagnostics).toJson().constData());
        QCOMPARE(aFound->toObject().value("severity").toString(), QStringLiteral("warning"));
    }

    void nothingElseInOrder()
    {
        // One finding per row of the table above, by file and then line.
        QStringList aPlaces;
        for (const QJsonValue& aValue : std::as_const(myDiagnostics)) {
            const QJsonObject anObject = aValue.toObject();
            aPlaces.append(QStringLiteral("%1:%2")
                               .arg(anObject.value("file").toString())
                               .arg(anObject.value("line").toInt(), 6, 10, QLatin1Char('0')));
        }
        QStringList aSorted = aPlaces;
        aSorted.sort();
        QCOMPARE(aPlaces, aSorted);
        QCOMPARE(myDiagnostics.size(), 28);
        QCOMPARE(myResult.json().value("warnings").toInt(), 28);
    }

    void textForm()
    {
        const Result aResult = run({ "check", "--content", lintTree() });
        // Without --strict the findings are no failure.
        QCOMPARE(aResult.exitCode, 0);
        const QStringList aLines = QString::fromUtf8(aResult.out).split('\n');
        QVERIFY2(aLines.contains("templates/categories/book_layouts.xml:11:7: warning: unknown attribute 'widht' (did "
                                 "you mean 'width'?) on <imagearea> [unknown-attribute]"),
                 aResult.out.constData());
        QVERIFY2(aLines.contains("templates/categories/lonely_layouts.xml: warning: no product of the catalogue is "
                                 "offered its 1 template: their filters take none of the catalogue's products "
                                 "[not-offered]"),
                 aResult.out.constData());
        QVERIFY2(aLines.contains("3 articles, 5 files, 5 templates, 0 decorations, 0 styles, 28 warnings in 8 files"),
                 aResult.out.constData());
    }

    void exitCodes_data()
    {
        columns<QByteArray, QByteArray, QStringList, int, QString>("catalogue", "templateFile", "arguments", "exitCode",
                                                                   "message");

        const QByteArray aCatalogue = R"({"articles": [{"id": 1, "orderName": "BOOK", "class": "photobook"}]})";
        const QStringList aCheck { "check" };
        row("empty tree", QByteArray(), QByteArray(), aCheck, 1,
            "no product catalogue: expected products/catalogue.json below ");
        row("empty tree, load", QByteArray(), QByteArray(), QStringList { "load" }, 1,
            "no product catalogue: expected ");
        row("broken catalogue", QByteArray("{\"articles\": ["), QByteArray(), aCheck, 1, "holds no product");
        row("catalogue without products", QByteArray("{\"articles\": []}"), QByteArray(), aCheck, 1,
            "holds no product");
        row("only broken template files", aCatalogue, QByteArray("<templates2><template"), aCheck, 1,
            "nothing could be loaded: no file of ");
        row("usage", aCatalogue, QByteArray(), QStringList { "check", "--bogus" }, 2, "Unknown option 'bogus'");
    }

    void exitCodes()
    {
        QFETCH(QByteArray, catalogue);
        QFETCH(QByteArray, templateFile);

        QTemporaryDir aDir;
        QVERIFY(aDir.isValid());
        QVERIFY(QDir(aDir.path()).mkpath("templates/categories"));
        if (!catalogue.isEmpty())
            writeFile(aDir, "products/catalogue.json", catalogue);
        if (!templateFile.isEmpty())
            writeFile(aDir, "templates/categories/broken.xml", templateFile);
        const Result aResult = run(fetch<QStringList>("arguments") << "--content" << aDir.path());
        QCOMPARE(aResult.exitCode, fetch<int>("exitCode"));
        QVERIFY2(QString::fromUtf8(aResult.err).contains(fetch<QString>("message")), aResult.err.constData());
    }

    void names_data()
    {
        columns<QString, int, QString, QString>("name", "exitCode", "shown", "error");

        row("exact", "Album 2 photos A", 0, "Album 2 photos A", QString());
        row("unique prefix in another letter case", "album 3 photos b", 0, "Album 3 photos B", QString());
        row("prefix of several", "Album 2", 1, QString(),
            "ambiguous: 'Album 2' begins 2 template names: 'Album 2 photos A', 'Album 2 photos B'");
        row("unknown", "Nirgends", 1, QString(), "no template named 'Nirgends'");
    }

    void names()
    {
        QFETCH(QString, error);

        const Result aResult = run({ "show", "--content", LM_SAMPLE_CONTENT, "--json", fetch<QString>("name") });
        QCOMPARE(aResult.exitCode, fetch<int>("exitCode"));
        QCOMPARE(aResult.json().value("name").toString(), fetch<QString>("shown"));
        if (!error.isEmpty())
            QVERIFY2(QString::fromUtf8(aResult.err).contains(error), aResult.err.constData());
    }

    void conventions()
    {
        const Result aVersion = run({ "--version" });
        QCOMPARE(aVersion.exitCode, 0);
        QVERIFY2(aVersion.out.startsWith("lmtemplates " LM_PROJECT_VERSION "\n"), aVersion.out.constData());

        const Result aHelp = run({ "help", "check" });
        QCOMPARE(aHelp.exitCode, 0);
        QCOMPARE(aHelp.out, run({ "check", "--help" }).out);

        // Options before the command; the content from the environment; the version in JSON.
        const Result aLoad = run({ "--json", "load" }, lintTree());
        QCOMPARE(aLoad.exitCode, 0);
        QCOMPARE(aLoad.json().value("article").toString(), QStringLiteral("BOOK_A4_HC"));
        QCOMPARE(aLoad.json().value("version").toString(), QStringLiteral(LM_PROJECT_VERSION));

        // Export to standard output, the same bytes every time (QDom's attribute order is not).
        const QStringList anExport { "export", "--content", LM_SAMPLE_CONTENT, "Album 2 photos A", "--out", "-" };
        const Result aFirst = run(anExport);
        QCOMPARE(aFirst.exitCode, 0);
        QVERIFY2(aFirst.out.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<templates2 "),
                 aFirst.out.constData());
        QCOMPARE(run(anExport).out, aFirst.out);

        // --quiet leaves stderr to errors: the sample's warnings are not noted.
        const Result aQuiet = run({ "show", "--quiet", "--content", LM_SAMPLE_CONTENT, "Album 2 photos A" });
        QCOMPARE(aQuiet.exitCode, 0);
        QCOMPARE(aQuiet.err, QByteArray());

        // The catalogue's products, the names --article takes.
        const QJsonArray anArticles
            = run({ "articles", "--content", lintTree(), "--json" }).json().value("articles").toArray();
        QCOMPARE(anArticles.size(), 3);
        QCOMPARE(anArticles.at(0).toObject().value("orderName").toString(), QStringLiteral("BOOK_A4_HC"));
        QCOMPARE(anArticles.at(0).toObject().value("innerPageWidth").toDouble(), 2970.0);
    }

private:
    Result myResult;
    QJsonArray myDiagnostics;
};

QTEST_GUILESS_MAIN(TestLMTemplatesCheck)
#include "tst_lmtemplatescheck.moc"
