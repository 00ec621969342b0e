#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::jsonDump;
using LMTestSupport::row;
using LMTestSupport::writeFile;

namespace {

using Result = LMTestSupport::ToolResult;

// The value under the key of each object of the array, as text.
QStringList values(const QJsonArray& theArray, const QString& theKey)
{
    QStringList aValues;
    for (const QJsonValue& aValue : theArray)
        aValues.append(aValue.toObject().value(theKey).toVariant().toString());
    return aValues;
}

} // namespace

// The lmtemplates tool, run as users run it: on a content tree, with its exit codes, its text and
// JSON output and the files it writes.
class TestLMTemplatesTool : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        myDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lm-tool-XXXXXX"));
        QVERIFY(myDir->isValid());
        QVERIFY(LMTestSupport::copyFixtureTree(QStringLiteral("apps/content"), content()));
    }

    void load_data()
    {
        columns<QStringList, QString>("arguments", "expected");

        // The first article takes every file the white list does not name; the calendar's file waits.
        // Kinds the tree has none of are left out ("-").
        const char* aBook = "article=BOOK_A4_HC byJigType/hintergrund=- byJigType/layout=3 byJigType/svgtemplate=1 "
                            "templates=4 byLayer/TEMPLATE_LAYOUT=3 byLayer/TEMPLATE_CONTENT_BACKGROUND=- "
                            "filesParsed=2 warnings=#0";
        row("first article by default", QStringList { "--content", "CONTENT" }, aBook);
        row("order name in other case", QStringList { "--content", "CONTENT", "--article", "book_a4_hc" }, aBook);
        // Loaded first, the calendar takes its own file and the unassigned ones.
        row("calendar first", QStringList { "--content", "CONTENT", "--article", "CAL_A3" },
            "article=CAL_A3 byJigType/hintergrund=- byJigType/layout=4 byJigType/svgtemplate=1 templates=5 "
            "byLayer/TEMPLATE_LAYOUT=4 byLayer/TEMPLATE_CONTENT_BACKGROUND=- filesParsed=3 warnings=#0");
        // The bundled sample: its portrait book with the unassigned files, among them one deliberately
        // broken file of each kind (five files, seven warnings).
        row("sample content by default", QStringList(),
            "article=ALBUM_TALL_21 byJigType/hintergrund=161 byJigType/layout=20 byJigType/svgtemplate=1 "
            "templates=182 byLayer/TEMPLATE_LAYOUT=20 byLayer/TEMPLATE_CONTENT_BACKGROUND=161 filesParsed=10 "
            "warnings=#7");
    }

    void load()
    {
        QFETCH(QStringList, arguments);

        arguments.replaceInStrings(QStringLiteral("CONTENT"), content());
        const Result aJson = run(QStringList { "load", "--json" } + arguments);
        QCOMPARE(aJson.exitCode, 0);
        const QJsonObject anObject = aJson.json();
        QCOMPARE(jsonDump(anObject,
                          "article byJigType/hintergrund byJigType/layout byJigType/svgtemplate templates "
                          "byLayer/TEMPLATE_LAYOUT byLayer/TEMPLATE_CONTENT_BACKGROUND filesParsed warnings"),
                 fetch<QString>("expected"));
        // The loader's timing line was found: all three figures are there.
        QCOMPARE(anObject.value("timings").toObject().keys(), (QStringList { "addedMs", "markedMs", "parsedMs" }));

        // The text form gives the same figures.
        const Result aText = run(QStringList { "load" } + arguments);
        QCOMPARE(aText.exitCode, 0);
        QVERIFY2(aText.err.isEmpty(), aText.err.constData());
        for (const QString& aLine :
             { QStringLiteral("templates: %1\n").arg(anObject.value("templates").toInt()),
               QStringLiteral("files parsed: %1\n").arg(anObject.value("filesParsed").toInt()),
               QStringLiteral("warnings: %1\n").arg(anObject.value("warnings").toArray().size()) })
            QVERIFY2(aText.out.contains(aLine.toUtf8()), aText.out.constData());
    }

    void list_data()
    {
        columns<QStringList, QString, QStringList>("arguments", "kind", "names");

        row("layouts of inner pages", QStringList { "--jig", "layout" }, "layout",
            QStringList { "Drei", "Eins", "Zwei" });
        row("two photos", QStringList { "--jig", "layout", "--photos", "2" }, "layout", QStringList { "Zwei" });
        row("no layout has no photo", QStringList { "--jig", "layout", "--photos", "0" }, "layout", QStringList());
        row("design pages", QStringList { "--jig", "content" }, "content",
            QStringList { "designs/meadow/meadow-1.svg" });
        row("no backgrounds", QStringList { "--jig", "background" }, "background", QStringList());
        row("every kind, layouts among them", QStringList(), "layout", QStringList { "Drei", "Eins", "Zwei" });
        row("the calendar's own layouts", QStringList { "--article", "CAL_A3", "--jig", "layout" }, "layout",
            QStringList { "Monat" });
    }

    void list()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, kind);
        QFETCH(QStringList, names);

        const Result aResult = run(QStringList { "list", "--content", content(), "--json" } + arguments);
        QCOMPARE(aResult.exitCode, 0);
        const QJsonObject aTemplates = aResult.json().value("templates").toObject();
        QVERIFY2(aTemplates.contains(kind), aResult.out.constData());
        QCOMPARE(values(aTemplates.value(kind).toArray(), "name"), names);

        const Result aText = run(QStringList { "list", "--content", content() } + arguments);
        QCOMPARE(aText.exitCode, 0);
        QVERIFY2(aText.out.contains(QStringLiteral("%1: %2\n").arg(kind).arg(names.size()).toUtf8()),
                 aText.out.constData());
    }

    void show_data()
    {
        columns<QString, QString>("name", "expected");

        const char* aZwei = "jigType=layout layer=TEMPLATE_LAYOUT areas=#3 analysis/photoAreas=2 analysis/texts=1 "
                            "analysis/inclinedPhotos=0 rect=0.05,0.1,0.4,0.8";
        row("by name", "Zwei", aZwei);
        row("by unique name", "Zwei,normal,BOOK_A4_HC", aZwei);
        row("turned area", "Drei",
            "jigType=layout layer=TEMPLATE_LAYOUT areas=#3 analysis/photoAreas=3 analysis/texts=0 "
            "analysis/inclinedPhotos=1 rect=0.05,0.05,0.4,0.4");
    }

    void show()
    {
        QFETCH(QString, name);

        const Result aResult = run({ "show", "--content", content(), "--json", name });
        QCOMPARE(aResult.exitCode, 0);
        const QJsonObject anObject = aResult.json();
        QStringList aRect;
        for (const QJsonValue& aValue : anObject.value("areas").toArray().first().toObject().value("rect").toArray())
            aRect.append(QString::number(aValue.toDouble()));
        QCOMPARE(jsonDump(anObject, "jigType layer areas analysis/photoAreas analysis/texts analysis/inclinedPhotos")
                     + QStringLiteral(" rect=") + aRect.join(QLatin1Char(',')),
                 fetch<QString>("expected"));
        QVERIFY(anObject.value("uniqueName").toString().startsWith(anObject.value("name").toString() + ','));
        QVERIFY(anObject.value("source").toString().startsWith(QStringLiteral("templates")));

        const Result aText = run({ "show", "--content", content(), name });
        QCOMPARE(aText.exitCode, 0);
        QVERIFY2(
            aText.out.contains(QStringLiteral("areas: %1\n").arg(anObject.value("areas").toArray().size()).toUtf8()),
            aText.out.constData());
        QVERIFY2(aText.out.contains(("unique name: " + anObject.value("uniqueName").toString()).toUtf8()),
                 aText.out.constData());
    }

    void check_data()
    {
        columns<QString, bool, int, QString>("brokenFile", "strict", "exitCode", "expected");

        const QString aTemplateFile = QStringLiteral("templates/categories/broken_ü.xml");
        // Every file once, whichever article takes it.
        row("clean, strict", QString(), true, 0, "articles=2 files=3 templates=5 warnings=0 diagnostics=#0");
        row("broken template file", aTemplateFile, false, 0,
            "articles=2 files=4 templates=5 warnings=2 diagnostics=#2");
        row("broken template file, strict", aTemplateFile, true, 1,
            "articles=2 files=4 templates=5 warnings=2 diagnostics=#2");
    }

    void check()
    {
        QFETCH(QString, brokenFile);

        if (!brokenFile.isEmpty())
            writeFile(*myDir, "content/" + brokenFile, LMTestSupport::fixture("apps/broken.xml"));
        QStringList anArguments { "check", "--content", content(), "--json" };
        if (fetch<bool>("strict"))
            anArguments.append("--strict");
        const Result aResult = run(anArguments);
        QCOMPARE(aResult.exitCode, fetch<int>("exitCode"));
        const QJsonObject anObject = aResult.json();
        QCOMPARE(jsonDump(anObject, "articles files templates warnings diagnostics"), fetch<QString>("expected"));
        if (brokenFile.isEmpty())
            return;
        // Every warning is the broken file's, and named by its path inside the content tree.
        for (const QJsonValue& aDiagnostic : anObject.value("diagnostics").toArray())
            QCOMPARE(aDiagnostic.toObject().value("file").toString(), brokenFile);

        const Result aText = run({ "check", "--content", content() });
        QVERIFY2(aText.out.contains((brokenFile + ":").toUtf8()), aText.out.constData());
    }

    void checkStyles_data()
    {
        columns<QByteArray, QStringList>("style", "findings");

        const QByteArray aBody = "<pages><page template='t'/></pages><templates><template name='t'><orientation "
                                 "value='all'><layouts><layoutCollection designElementId='5'/></layouts><ruleset "
                                 "name='r'/></orientation></template></templates><rulesets><ruleset name='r'/>"
                                 "</rulesets>";
        // "rule line: message", the message up to where it names the file.
        row("valid", "<designStyleV2><header/>" + aBody + "</designStyleV2>", QStringList());
        row("read and schema faults",
            "<designStyleV2>" + QByteArray(aBody).replace("template='t'/>", "template='x'/>") + "</designStyleV2>",
            QStringList {
                "reader 0: element 'header' not found",
                "schema 1: Element 'page': No match found for key-sequence ['x'] of keyref 'pageTemplate'." });
        row("another root", "<DesignStyle>" + aBody + "</DesignStyle>",
            QStringList { "reader 0: wrong element. Expected: 'designStyleV2'; found 'DesignStyle'",
                          "schema 1: Element 'DesignStyle': No matching global declaration available for the "
                          "validation root." });
        row("malformed", QByteArray("<designStyleV2><pages>"),
            QStringList { "schema 1: Premature end of data", "xml-syntax 1: malformed XML file" });
    }

    // Style files below "styles" are read and validated; their findings stand under their own name.
    void checkStyles()
    {
        QFETCH(QStringList, findings);
        if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
            QSKIP("xmllint is not installed (Debian: libxml2-utils)");
        writeFile(*myDir, "content/styles/nested/style.xml", fetch<QByteArray>("style"));
        const Result aResult = run({ "check", "--content", content(), "--json", "--strict" });
        QCOMPARE(aResult.exitCode, findings.isEmpty() ? 0 : 1);
        const QJsonObject anObject = aResult.json();
        QCOMPARE(anObject.value("styles").toInt(), 1);
        QStringList aFound;
        for (const QJsonValue& aValue : anObject.value("diagnostics").toArray()) {
            const QJsonObject aDiagnostic = aValue.toObject();
            QCOMPARE(aDiagnostic.value("file").toString(), QStringLiteral("styles/nested/style.xml"));
            aFound.append(QStringLiteral("%1 %2: %3")
                              .arg(aDiagnostic.value("rule").toString())
                              .arg(aDiagnostic.value("line").toInt())
                              .arg(aDiagnostic.value("message").toString()));
        }
        QCOMPARE(aFound.size(), findings.size());
        for (qsizetype anIndex = 0; anIndex < findings.size(); ++anIndex)
            QVERIFY2(aFound.at(anIndex).startsWith(findings.at(anIndex)), qPrintable(aFound.at(anIndex)));
    }

    void errors_data()
    {
        columns<QStringList, int, QString>("arguments", "exitCode", "message");

        const QString aMissing = QStringLiteral("MISSING");
        for (const char* aCommand : { "load", "list", "check" })
            QTest::addRow("%s: missing content folder", aCommand)
                << QStringList { aCommand, "--content", aMissing } << 1 << "lmtemplates: content folder not found: ";
        row("list: unknown article", QStringList { "list", "--content", "CONTENT", "--article", "Ärmel" }, 1,
            "lmtemplates: unknown article: Ärmel");
        row("show: unknown template", QStringList { "show", "--content", "CONTENT", "Nirgends" }, 1,
            "lmtemplates: no template named 'Nirgends'");
        row("no command", QStringList(), 2, "Usage: lmtemplates <command>");
        row("unknown command", QStringList { "frobnicate" }, 2, "lmtemplates: unknown command: frobnicate");
        row("unknown option", QStringList { "load", "--bogus" }, 2, "lmtemplates: Unknown option 'bogus'");
        row("option without value", QStringList { "load", "--content" }, 2, "lmtemplates: Missing value");
        row("unknown jig type", QStringList { "list", "--jig", "layout,sofa" }, 2,
            "lmtemplates: unknown jig type: sofa");
        row("unknown page type", QStringList { "list", "--page-type", "ceiling" }, 2,
            "lmtemplates: unknown page type: ceiling");
        row("negative photo count", QStringList { "list", "--photos", "-1" }, 2, "lmtemplates: --photos");
        row("show without name", QStringList { "show" }, 2, "exactly one template name");
        row("show with two names", QStringList { "show", "A", "B" }, 2, "exactly one template name");
        // Export writes nothing when it refuses.
        row("export: unknown name",
            QStringList { "export", "--content", "CONTENT", "Zwei", "Nirgends", "--out", "OUT" }, 1,
            "no template named 'Nirgends'");
        row("export: no names", QStringList { "export", "--content", "CONTENT", "--out", "OUT" }, 2,
            "at least one template name");
        row("export: no output", QStringList { "export", "--content", "CONTENT", "Zwei" }, 2, "--out FILE");
        row("export: bad page size",
            QStringList { "export", "--content", "CONTENT", "Zwei", "--out", "OUT", "--page-size", "0x100" }, 2,
            "WIDTHxHEIGHT");
        row("export: folder missing",
            QStringList { "export", "--content", "CONTENT", "Zwei", "--out", "MISSING/x.xml" }, 1,
            "cannot save XML file");
        row("json on export", QStringList { "export", "--json", "Zwei" }, 2, "Unknown option 'json'");
        row("layout without photos", QStringList { "layout" }, 2, "lmtemplates: --photos is required");
        row("layout: missing photo folder", QStringList { "layout", "--photos", "MISSING" }, 1,
            "lmtemplates: no folder ");
        row("layout: a folder without photos", QStringList { "layout", "--content", "CONTENT", "--photos", "CONTENT" },
            1, "lmtemplates: no photos in ");
        row("layout: unknown background choice", QStringList { "layout", "--photos", ".", "--background", "loudest" },
            2, "lmtemplates: --background is 'nearest' or 'roundrobin': loudest");
        row("layout: a background choice and a strategy",
            QStringList { "layout", "--photos", ".", "--background", "nearest", "--strategy", "s.xml" }, 2,
            "lmtemplates: --background and --strategy exclude each other");
        row("layout: a strategy file of another kind",
            QStringList { "layout", "--content", LM_SAMPLE_CONTENT, "--photos", LM_SAMPLE_CONTENT "/photos",
                          "--strategy", LM_SAMPLE_CONTENT "/white_list.conf" },
            1, "the strategy is a \"background\" element, not \"whitelist\"");
        row("layout: no pages", QStringList { "layout", "--photos", ".", "--pages", "-3" }, 2,
            "lmtemplates: --pages needs 1 to ");
        row("book without style", QStringList { "book", "--photos", ".", "--out", "OUT" }, 2,
            "lmtemplates: --style is required");
        row("book without output", QStringList { "book", "--style", "x", "--photos", "." }, 2,
            "lmtemplates: --out is required");
        row("book: an unknown style",
            QStringList { "book", "--content", LM_SAMPLE_CONTENT, "--style", "Nowhere", "--photos",
                          LM_SAMPLE_CONTENT "/photos", "--out", "OUT" },
            1, "lmtemplates: no design style Nowhere");
        row("book: a picture size too small",
            QStringList { "book", "-style", "x", "--photos", ".", "--out", "OUT", "--size", "4" }, 2,
            "lmtemplates: --size needs 16 to ");
        row("book: missing photo folder", QStringList { "book", "--style=x", "--photos", "MISSING", "--out", "OUT" }, 1,
            "lmtemplates: no folder ");
        row("styles: unknown article", QStringList { "styles", "--article", "POSTER_XXL" }, 1,
            "lmtemplates: unknown article: POSTER_XXL");
    }

    void errors()
    {
        QFETCH(QStringList, arguments);

        arguments.replaceInStrings(QStringLiteral("MISSING"), myDir->filePath(QStringLiteral("nowhere")));
        arguments.replaceInStrings(QStringLiteral("CONTENT"), content());
        arguments.replaceInStrings(QStringLiteral("OUT"), myDir->filePath(QStringLiteral("out")));
        const Result aResult = run(arguments);
        QCOMPARE(aResult.exitCode, fetch<int>("exitCode"));
        QVERIFY2(QString::fromUtf8(aResult.err).contains(fetch<QString>("message")), aResult.err.constData());
        QVERIFY2(aResult.out.isEmpty(), aResult.out.constData());
        if (arguments.value(0) == QLatin1String("export"))
            QVERIFY(!QFileInfo::exists(myDir->filePath(QStringLiteral("out"))));
    }

    void styles_data()
    {
        columns<QStringList, QString>("arguments", "expected");

        row("the portrait book offers the meadow style", QStringList { "--article", "ALBUM_TALL_21" }, "8101");
        row("the calendar the seasons", QStringList { "--article", "WALLCAL_LANDSCAPE_42" }, "8102");
        row("the framed print none", QStringList { "--article", "FRAMED_PRINT_60x40" }, "");
        row("all, with what is offered", QStringList { "--article", "ALBUM_SQUARE_20", "--all" },
            "8101:offered 8102:not offered");
    }

    void styles()
    {
        const Result aResult
            = run(QStringList { "styles", "--content", LM_SAMPLE_CONTENT, "--json" } + fetch<QStringList>("arguments"));
        QCOMPARE(aResult.exitCode, 0);
        QStringList aStyles;
        for (const QJsonValue& aValue : aResult.json().value(QStringLiteral("styles")).toArray()) {
            const QJsonObject aStyle = aValue.toObject();
            QString anEntry = QString::number(aStyle.value(QStringLiteral("id")).toInt());
            if (aStyle.contains(QStringLiteral("offered")))
                anEntry += aStyle.value(QStringLiteral("offered")).toBool() ? QStringLiteral(":offered")
                                                                            : QStringLiteral(":not offered");
            aStyles << anEntry;
        }
        QCOMPARE(aStyles.join(QLatin1Char(' ')), fetch<QString>("expected"));
    }

    // The sample photos in the sample style: every photo on exactly one page (one a page leaves
    // over goes on the next), the title page's
    // fixed layout, a picture per page in the page's proportions, and book.json as printed.
    void bookOnTheSample()
    {
        const QString anOut = myDir->filePath(QStringLiteral("book"));
        const Result aResult = run({ "book", "--content", LM_SAMPLE_CONTENT, "--style", "Meadow album", "--photos",
                                     LM_SAMPLE_CONTENT "/photos", "--article", "ALBUM_TALL_21", "--pages", "4", "--out",
                                     anOut, "--json" });
        QCOMPARE(aResult.exitCode, 0);
        const QJsonObject aBook = aResult.json();
        const QJsonArray aPages = aBook.value(QStringLiteral("pages")).toArray();
        QCOMPARE(aPages.size(), 9);
        QStringList aPlaced;
        QStringList aTemplates;
        for (const QJsonValue& aValue : aPages) {
            const QJsonObject aPage = aValue.toObject();
            aTemplates << (aPage.value(QStringLiteral("empty")).toBool()
                               ? QStringLiteral("-")
                               : aPage.value(QStringLiteral("template")).toString());
            for (const QJsonValue& anArea : aPage.value(QStringLiteral("areas")).toArray()) {
                if (anArea.toObject().contains(QStringLiteral("photo")))
                    aPlaced << anArea.toObject().value(QStringLiteral("photo")).toString();
            }
            const QImage aPicture(QDir(anOut).filePath(aPage.value(QStringLiteral("picture")).toString()));
            QVERIFY(!aPicture.isNull());
            QVERIFY2(aPage.value(QStringLiteral("pageType")).toString() == QLatin1String("spine")
                         ? aPicture.width() * 10 < aPicture.height()
                         : aPicture.width() < aPicture.height() && aPicture.height() == 400,
                     qPrintable(aPage.value(QStringLiteral("pageType")).toString()));
        }
        QCOMPARE(aTemplates.join(QLatin1Char(' ')),
                 QStringLiteral("cover_back cover_spine cover_front - title inner_warm inner_cool closing -"));
        QCOMPARE(aPages.at(4).toObject().value(QStringLiteral("layout")).toString(),
                 QStringLiteral("Album title page"));
        aPlaced.sort();
        QStringList aPhotos = QDir(LM_SAMPLE_CONTENT "/photos").entryList({ "*.jpg" }, QDir::Files, QDir::Name);
        QCOMPARE(aPlaced, aPhotos);
        QVERIFY(!QImage(QDir(anOut).filePath(QStringLiteral("book.png"))).isNull());
        QFile aJson(QDir(anOut).filePath(QStringLiteral("book.json")));
        QVERIFY(aJson.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(aJson.readAll()).object().value(QStringLiteral("pages")).toArray(), aPages);
    }

    void help_data()
    {
        // The command, then the options its help names.
        QTest::addColumn<QStringList>("words");
        for (const char* aLine :
             { "load --content --article --json", "list --content --article --json --jig --page-type",
               "show --content --article --json name", "export --content --article --out --page-size",
               "check --content --json --strict", "styles --content --article --json --all",
               "book --content --article --style --photos --out --pages --size" })
            QTest::newRow(aLine) << LMTestSupport::words(aLine);
    }

    void help()
    {
        QFETCH(QStringList, words);
        // Help needs no content: the folder named does not exist.
        const Result aResult = run({ words.first(), "--help", "--content", myDir->filePath("nowhere") });
        QCOMPARE(aResult.exitCode, 0);
        QVERIFY2(aResult.err.isEmpty(), aResult.err.constData());
        const QString anOut = QString::fromUtf8(aResult.out);
        QVERIFY2(anOut.startsWith("Usage: lmtemplates " + words.first() + ' '), aResult.out.constData());
        for (const QString& anOption : words.mid(1))
            QVERIFY2(anOut.contains(anOption), qPrintable(anOption));
    }

    void sampleCheck()
    {
        // The sample's deliberately broken files, each reported under its own name; nothing else.
        const Result aResult = run({ "check", "--content", LM_SAMPLE_CONTENT, "--strict", "--json" });
        QCOMPARE(aResult.exitCode, 1);
        const QJsonObject anObject = aResult.json();
        QStringList aFiles = values(anObject.value("diagnostics").toArray(), "file");
        aFiles.removeDuplicates();
        QCOMPARE(aFiles,
                 (QStringList { "decorations", "decorations/broken.xml", "designs/broken/broken-1.svg",
                                "designs/plain/plain-1.svg", "templates/categories/album_bad_value.xml",
                                "templates/categories/album_broken_markup.xml",
                                "templates/categories/album_stickers.xml" }));
        QCOMPARE(anObject.value("articles").toInt(), 9);
        QCOMPARE(anObject.value("warnings").toInt(), 11);
        QCOMPARE(anObject.value("decorations").toInt(), 8);
        // The sample's design styles are valid: they add no warning.
        QCOMPARE(anObject.value("styles").toInt(), 2);
        // Without --strict the same findings are no error.
        QCOMPARE(run({ "check", "--content", LM_SAMPLE_CONTENT }).exitCode, 0);
    }

    void layoutBook_data()
    {
        columns<QStringList, QStringList, QStringList>("arguments", "layouts", "backgrounds");

        // Three events on a page each; two pages put the lone evening photo with the afternoon's.
        const QStringList anEventPerPage { "Album 4 photos B", "Album 3 photos A", "Album 1 photo A" };
        QTest::newRow("a page per event") << QStringList() << anEventPerPage << QStringList();
        // The sunrise orange, the forest's cyan-green, the town's purple night.
        QTest::newRow("backgrounds by colour")
            << QStringList { "--background", "nearest" } << anEventPerPage
            << QStringList { "Flat orange", "Watercolour (180,3)", "Watercolour (270,5)" };
        QTest::newRow("the sample strategy: no discrete fadings")
            << QStringList { "--strategy", LM_SAMPLE_CONTENT "/strategies/photo-colours.xml" } << anEventPerPage
            << QStringList { "Flat orange", "Watercolour (180,3)", "Watercolour (270,3)" };
        QTest::newRow("two pages") << QStringList { "--pages", "2" }
                                   << QStringList { "Album 4 photos B", "Album 4 photos B" } << QStringList();
    }

    void layoutBook()
    {
        const QString aPreviews = myDir->filePath(QStringLiteral("book"));
        const Result aResult
            = run(QStringList { "layout", "--content", LM_SAMPLE_CONTENT, "--photos", LM_SAMPLE_CONTENT "/photos",
                                "--json", "--size", "200", "--preview", aPreviews }
                  + fetch<QStringList>("arguments"));
        QCOMPARE(aResult.exitCode, 0);
        const QJsonArray aPages = aResult.json().value("pages").toArray();
        QStringList aBackgrounds;
        QStringList aPhotos;
        for (const QJsonValue& aValue : aPages) {
            const QJsonObject aPage = aValue.toObject();
            if (aPage.contains("background"))
                aBackgrounds << aPage.value("background").toString();
            aPhotos += values(aPage.value("areas").toArray(), "photo");
            for (const QJsonValue& aLeft : aPage.value("leftOver").toArray())
                aPhotos << aLeft.toString();
            // A preview of the page's shape, with the photos drawn in.
            const QImage aPreview(aPage.value("preview").toString());
            QCOMPARE(aPreview.height(), 200);
            QVERIFY(aPreview.width() > 100 && aPreview.width() < 200);
        }
        QCOMPARE(values(aPages, "layout"), fetch<QStringList>("layouts"));
        QCOMPARE(aBackgrounds, fetch<QStringList>("backgrounds"));
        // Every photo once.
        aPhotos.sort();
        QCOMPARE(aPhotos, QDir(LM_SAMPLE_CONTENT "/photos").entryList({ "*.jpg" }, QDir::Files, QDir::Name));
    }

    void listNearColour_data()
    {
        columns<QString, QStringList>("colour", "first");

        // Greys first (the plain watercolour), then by distance.
        QTest::newRow("blue: the blue-grey paper, the azure")
            << "#3366cc" << QStringList { "Watercolour", "4102", "Flat azure" };
        QTest::newRow("the cream paper's own colour")
            << "#ede1c9" << QStringList { "Watercolour", "4101", "Flat orange" };
    }

    void listNearColour()
    {
        QFETCH(QStringList, first);
        const Result aResult = run({ "list", "--content", LM_SAMPLE_CONTENT, "--jig", "background", "--near",
                                     fetch<QString>("colour"), "--json" });
        QCOMPARE(aResult.exitCode, 0);
        const QJsonArray aBackgrounds = aResult.json().value("templates").toObject().value("background").toArray();
        QCOMPARE(aBackgrounds.size(), 16);
        QCOMPARE(values(aBackgrounds, "name").mid(0, first.size()), first);
        for (qsizetype i = 1; i < aBackgrounds.size(); ++i)
            QVERIFY(aBackgrounds.at(i - 1).toObject().value("distance").toInt()
                    <= aBackgrounds.at(i).toObject().value("distance").toInt());
        QCOMPARE(run({ "list", "--near", "nocolour" }).exitCode, 2);
    }

    void whiteList()
    {
        const QString aContent = myDir->filePath(QStringLiteral("content"));
        // The tree's hand-made list names the calendar file by a wildcard: the generated one by name.
        Result aResult = run({ "whitelist", "--content", aContent, "--diff" });
        QCOMPARE(aResult.exitCode, 1);
        QVERIFY2(aResult.out.contains("+  /categories/calendar_layouts.xml\n"), aResult.out.constData());
        QVERIFY2(aResult.out.contains("+  meadow/*\n"), aResult.out.constData());

        const QString aList = myDir->filePath(QStringLiteral("white_list.conf"));
        aResult = run({ "whitelist", "--content", aContent, "--out", aList });
        QCOMPARE(aResult.exitCode, 0);
        QFile aWritten(aList);
        QVERIFY(aWritten.open(QIODevice::ReadOnly));
        const QByteArray aText = aWritten.readAll();
        // Without --out the same list goes to stdout.
        QCOMPARE(run({ "whitelist", "--content", aContent }).out, aText);
        QVERIFY(QFile::remove(myDir->filePath(QStringLiteral("content/white_list.conf"))));
        QVERIFY(QFile::copy(aList, myDir->filePath(QStringLiteral("content/white_list.conf"))));
        aResult = run({ "whitelist", "--content", aContent, "--diff" });
        QCOMPARE(aResult.exitCode, 0);
        QVERIFY2(aResult.out.startsWith("white_list.conf is up to date"), aResult.out.constData());
        QCOMPARE(run({ "whitelist", "--content", aContent, "--diff", "--out", aList }).exitCode, 2);
    }

    void smartLayoutChildren()
    {
        // The sample's two-photo layout: its photo areas are gathered in a smart layout area and shown
        // as that area's children, in text and JSON alike.
        const Result aResult = run({ "show", "--content", LM_SAMPLE_CONTENT, "--json", "Album 2 photos A" });
        QCOMPARE(aResult.exitCode, 0);
        const QJsonArray anAreas = aResult.json().value("areas").toArray();
        QCOMPARE(anAreas.size(), 2);
        QCOMPARE(anAreas.at(0).toObject().value("type").toString(), QStringLiteral("smartlayoutarea"));
        const QJsonArray aChildren = anAreas.at(0).toObject().value("children").toArray();
        QCOMPARE(aChildren.size(), 2);
        QCOMPARE(aChildren.at(1).toObject().value("type").toString(), QStringLiteral("imagearea"));
        QVERIFY(!anAreas.at(1).toObject().contains("children"));

        const Result aText = run({ "show", "--content", LM_SAMPLE_CONTENT, "Album 2 photos A" });
        QCOMPARE(aText.out.count("\n    imagearea "), 2);
        QCOMPARE(aResult.json().value("analysis").toObject().value("photoAreas").toInt(), 2);

        // The gathered photo areas count for the layout filter too: the sample's four two-photo layouts.
        const Result aList
            = run({ "list", "--content", LM_SAMPLE_CONTENT, "--json", "--jig", "layout", "--photos", "2" });
        QCOMPARE(aList.exitCode, 0);
        QCOMPARE(aList.json().value("templates").toObject().value("layout").toArray().size(), 4);
    }

    void progressOnTerminal()
    {
        // A pseudo terminal from util-linux's script: the bar appears only there (stderr of the other
        // runs is checked to stay empty).
        const QString aScript = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (aScript.isEmpty())
            QSKIP("no script command to give the tool a terminal");
        QProcess aProcess;
        QProcessEnvironment anEnvironment = QProcessEnvironment::systemEnvironment();
        anEnvironment.insert(QStringLiteral("LM_USER_DATA_DIR"), myDir->filePath(QStringLiteral("user")));
        aProcess.setProcessEnvironment(anEnvironment);
        const QString aCommand
            = QStringLiteral("'%1' load --content '%2' >/dev/null").arg(QStringLiteral(LM_TOOL_PATH), content());
        aProcess.start(aScript, { "-q", "-e", "-c", aCommand, "/dev/null" });
        QVERIFY(aProcess.waitForFinished(120000));
        QCOMPARE(aProcess.exitCode(), 0);
        const QByteArray aTerminal = aProcess.readAllStandardOutput();
        QVERIFY2(aTerminal.contains("] 0/4"), aTerminal.constData());
        QVERIFY2(aTerminal.contains("[##############################] 4/4"), aTerminal.constData());
        // The bar is wiped when loading ends.
        QVERIFY2(aTerminal.endsWith("\r\033[K"), aTerminal.constData());
    }

    // The decoration commands on the sample: what "list --jig" shows and what "render" paints.
    void decorationList_data()
    {
        columns<QString, QStringList>("jig", "names");
        row("cliparts", "clipart",
            QStringList { "clipart_balloon_blue.svg", "clipart_heart_red.svg", "clipart_leaf_green.svg",
                          "clipart_pin_red.svg", "clipart_star_gold.svg" });
        row("masks and the mask frame", "mask",
            QStringList { "Schmuckrahmen_clipart_instant_frame.svg_fading_instant-mask.svg", "fading_heart-mask.svg",
                          "fading_round.svg" });
    }

    void decorationList()
    {
        QFETCH(QString, jig);
        const Result aResult = run({ "list", "--jig", jig, "--json" }, LM_SAMPLE_CONTENT);
        QCOMPARE(aResult.exitCode, 0);
        QCOMPARE(values(aResult.json().value("decorations").toObject().value(jig).toArray(), "name"),
                 fetch<QStringList>("names"));
    }

    void decorationRender_data()
    {
        columns<QString, QSize, QPoint, QColor>("name", "size", "pixel", "color");
        row("red heart renders red", "clipart_heart_red.svg", QSize(256, 230), QPoint(128, 128),
            QColor(0xd6, 0x28, 0x28));
        row("round mask: inside kept", "fading_round.svg", QSize(256, 256), QPoint(128, 128), QColor(0x9e, 0x9e, 0x9e));
        row("round mask: corner transparent", "fading_round.svg", QSize(256, 256), QPoint(2, 2),
            QColor(Qt::transparent));
    }

    void decorationRender()
    {
        QFETCH(QColor, color);
        const QString aPng = myDir->filePath(QStringLiteral("%1.png").arg(QTest::currentDataTag()));
        QCOMPARE(run({ "render", "--decoration", fetch<QString>("name"), "--out", aPng, "--size", "256" },
                     LM_SAMPLE_CONTENT)
                     .exitCode,
                 0);
        const QImage anImage(aPng);
        QCOMPARE(anImage.size(), fetch<QSize>("size"));
        const QColor aPixel = anImage.pixelColor(fetch<QPoint>("pixel"));
        QCOMPARE(aPixel.alpha(), color.alpha());
        if (color.alpha() > 0)
            QCOMPARE(aPixel.rgb(), color.rgb());
    }

private:
    Result run(const QStringList& theArguments, const QString& theContentDir = QString()) const
    {
        // Never the user's own downloads or white list.
        return LMTestSupport::runTool(QStringLiteral(LM_TOOL_PATH), theArguments,
                                      myDir->filePath(QStringLiteral("user")), theContentDir);
    }

    QString content() const { return myDir->filePath(QStringLiteral("content")); }

    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_GUILESS_MAIN(TestLMTemplatesTool)
#include "tst_lmtemplatestool.moc"
