#include "LMArticle.h"
#include "LMArticlesGroup.h"
#include "LMLoadingTest.h"
#include "LMPlatformIndependent.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplateSourceFile.h"
#include "LMTemplateSourceFileList.h"
#include "LMTemplateWhiteList.h"
#include "LMTestToString.h"
#include "LMXMLElement.h"

#include <QDomDocument>
#include <QLoggingCategory>
#include <QtConcurrent/QtConcurrentRun>
#include <QThreadPool>

#include <memory>
#include <thread>
#include <vector>

using namespace LMLoadingTest;

namespace {

// "<products rules>\tpattern\tpattern..." per group.
QByteArray whiteListText(const QStringList& theGroups)
{
    QString aText = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist>\n");
    for (const QString& aGroup : theGroups) {
        const QStringList aParts = aGroup.split(QLatin1Char('\t'));
        aText += QStringLiteral("  <group><products>%1</products><files>").arg(aParts.first());
        for (const QString& aPattern : aParts.mid(1))
            aText += QStringLiteral("<file name=\"%1\"/>").arg(aPattern.toHtmlEscaped());
        aText += QStringLiteral("</files></group>\n");
    }
    return (aText + QStringLiteral("</whitelist>\n")).toUtf8();
}

QByteArray blackListText(const QStringList& theNames)
{
    QString aText = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<blacklist><files>\n");
    for (const QString& aName : theNames)
        aText += QStringLiteral("  <file name=\"%1\"/>\n").arg(aName.toHtmlEscaped());
    return (aText + QStringLiteral("</files></blacklist>\n")).toUtf8();
}

const QString BOOK = QStringLiteral("<product>BOOK_A4_HC</product>\t");
const QString CALENDARS = QStringLiteral("<type>calendar</type>\t");

LMArticlesGroup groupOf(const QStringList& theOrderNames)
{
    LMArticlesGroup aGroup;
    for (const QString& aName : theOrderNames)
        aGroup.addArticle(LMArticle::fromOrderTxtName(aName));
    return aGroup;
}

// Orientations, classes, cover types, minimum size, page bindings.
LMProductRestriction restrictionOf(const char* theOrientations, const char* theClasses, const char* theCoverTypes,
                                   const char* theMinimumSize, const char* thePageBindings)
{
    LMProductRestriction aRestriction;
    aRestriction.addOrientation(LMOrientation(QString::fromUtf8(theOrientations)));
    aRestriction.addArticleClass(LMArticleClass(QString::fromUtf8(theClasses)));
    aRestriction.setCoverTypes(LMCoverType(QString::fromUtf8(theCoverTypes)));
    aRestriction.setMinimumSize(LMSpaceMagnitude(QString::fromUtf8(theMinimumSize)));
    aRestriction.addPageBinding(LMPageBinding(QString::fromUtf8(thePageBindings)));
    return aRestriction;
}

LMArticlesGroup restricted(LMArticlesGroup theGroup, const QList<LMProductRestriction>& theRestrictions)
{
    for (const LMProductRestriction& aRestriction : theRestrictions)
        theGroup.addRestriction(aRestriction);
    return theGroup;
}

} // namespace

// Template source files and the lists that choose them, each test on a content tree of its own:
// short names, master files, duplicates and load order of file lists; the white list (its copies,
// patterns, groups and the filter rules it writes); the file manager (which files load for which
// article, the black list, the parallel matching, rescans) and the directory configuration and
// folder listing it relies on.
class TestTemplateFiles : public QObject
{
    Q_OBJECT

private slots:

    void init()
    {
        myDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lm-files-XXXXXX"));
        QVERIFY(myDir->isValid());
        QCOMPARE(LMTemplateSourceFile::shortNameOf(myDir->path()), myDir->path());
        QVERIFY(useContentTree(*myDir, fixture("whitelist_catalogue.json")));
        LMTemplateSourceFile::refreshPreInstalledDirectory();
    }

    void cleanup()
    {
        QLoggingCategory::setFilterRules(QString());
        myDir.reset();
    }

    void directoryConfig_data()
    {
        columns<int, QString>("kind", "name");

        row("designs", 0x1, "designs");
        row("templates", 0x20, "templates");
        row("calendars", 0x10000, "calendars");
        row("games", 0x20000, "games");
        row("cards", 0x40000, "cards");
        row("none", 0, "");
        row("two kinds at once", 0x21, "");
    }

    void directoryConfig()
    {

        const LMDirectoryConfig* aConfig = LMDirectoryConfig::instance();
        QCOMPARE(aConfig->directoryName(fetch<int>("kind")), fetch<QString>("name"));
        QCOMPARE(aConfig->preinstalledDirectory(), path("content"));
        QCOMPARE(aConfig->downloadsDirectory(), path("user/downloads"));
        QCOMPARE(aConfig->blackListFile(), path("content/black_list.conf"));
        QCOMPARE(aConfig->categoriesDir().absolutePath(), path("content/templates/categories"));
        QVERIFY(aConfig->isInsideContentTree(path("content/designs/a/page1.svg")));
        QVERIFY(aConfig->isInsideContentTree(path("user/downloads/designs/a/page1.svg")));
        QVERIFY(!aConfig->isInsideContentTree(path("user/downloads2/a.svg")));
        QVERIFY(!aConfig->isInsideContentTree(path("user/white_list.conf")));
    }

    void getFilesInDirectory_data()
    {
        columns<QString, bool, bool, int, QStringList>("filter", "recursive", "withDirectories", "maxDepth",
                                                       "expected");

        row("xml everywhere", "*.xml", true, false, 0, words("a.xml sub/c.xml sub/deep/d.xml ü/ö.xml"));
        row("not recursive", "*.xml", false, false, 0, words("a.xml"));
        row("depth two", "*.xml", true, false, 2, words("a.xml sub/c.xml ü/ö.xml"));
        row("letter case ignored", "*.svg", true, false, 0, words("B1.SVG sub/deep/e.svg"));
        row("several filters", "*.txt; *.svg", true, false, 0,
            words("B1.SVG notes.txt sub/deep/deeper.txt sub/deep/e.svg"));
        row("with folders, depth two", "*.txt", true, true, 2, words("notes.txt sub sub/deep ü"));
        row("empty filter takes every file", "", false, false, 0, words("B1.SVG a.xml notes.txt"));
    }

    void getFilesInDirectory()
    {
        QFETCH(QString, filter);
        QFETCH(bool, recursive);
        QFETCH(bool, withDirectories);
        QFETCH(int, maxDepth);
        QFETCH(QStringList, expected);

        writeFiles({ "tree/a.xml", "tree/B1.SVG", "tree/notes.txt", "tree/sub/c.xml", "tree/sub/deep/d.xml",
                     "tree/sub/deep/e.svg", "tree/sub/deep/deeper.txt", QStringLiteral("tree/ü/ö.xml"), "outside/x.xml",
                     "outside/y.svg", "outside/z.txt" });
        // A link to a folder outside is never entered; a link back up would loop.
        QVERIFY(QFile::link(path("outside"), path("tree/linked")));
        QVERIFY(QFile::link(path("tree"), path("tree/sub/loop")));

        const QDir aTree(path("tree"));
        QStringList anExpected;
        for (const QString& aRelative : std::as_const(expected))
            anExpected.append(aTree.absoluteFilePath(aRelative));
        QCOMPARE(LMPlatformIndependent::getFilesInDirectory(aTree, filter, recursive, withDirectories, maxDepth),
                 anExpected);
        QVERIFY(LMPlatformIndependent::getFilesInDirectory(QDir(path("missing")), filter, recursive, withDirectories,
                                                           maxDepth)
                    .isEmpty());
    }

    void allFiles()
    {
        writeFiles({ "content/templates/categories/a.xml", "content/templates/categories/x/b.xml",
                     "content/templates/categories/notes.txt", "content/designs/summer/page1.svg",
                     "content/designs/summer/page2.svg", "content/designs/calendars/2024-cal-a/2024-cal-a_01.svg",
                     "content/designs/calendars/2024-cal-a/cover.svg", "content/other/c.xml",
                     "user/downloads/designs/summer/page1.svg", "user/downloads/templates/d.xml",
                     "elsewhere/designs/far/page1.svg" });
        QVERIFY(QFile::link(path("elsewhere/designs/far"), path("content/designs/far")));

        const LMTemplateSourceFileList aFiles = manager()->allFiles();
        QCOMPARE(sorted(relative(aFiles)),
                 words("content/designs/calendars/2024-cal-a/2024-cal-a_01.svg content/designs/summer/page1.svg "
                       "content/templates/categories/a.xml content/templates/categories/x/b.xml "
                       "user/downloads/designs/summer/page1.svg user/downloads/templates/d.xml"));
        QCOMPARE(aFiles.asSet().size(), aFiles.size());
        QCOMPARE(
            sorted(relative(
                LMTemplateFileManager::fileList(QDir(path("content/designs")), QStringLiteral("*.svg"), false))),
            words(
                "content/designs/calendars/2024-cal-a/2024-cal-a_01.svg content/designs/calendars/2024-cal-a/cover.svg "
                "content/designs/summer/page1.svg content/designs/summer/page2.svg"));
    }

    void parseBlacklist_data()
    {
        columns<QByteArray, QString, QStringList>("text", "warning", "expected");

        row("missing", QByteArray(), "", QStringList());
        row("folder pattern loses its star", blackListText({ "*/foo/*" }), "", words("/foo/*"));
        row("other stars stay", blackListText({ "*foo/*", "**/x", "a/*/b" }), "", words("*foo/* **/x a/*/b"));
        row("empty names skipped", blackListText({ "", "a.xml", "" }), "", words("a.xml"));
        row("any element name and root",
            QByteArray("<list><files><file name=\"a.xml\"/><entry name=\"b.xml\"/><x/></files></list>"), "",
            words("a.xml b.xml"));
        row("only the first files element",
            QByteArray("<b><files><f name=\"a.xml\"/></files><files><f name=\"b.xml\"/></files></b>"), "",
            words("a.xml"));
        row("no files element", QByteArray("<b><file name=\"a.xml\"/></b>"), "", QStringList());
        row("malformed", QByteArray("<b><files><f name=\"a.xml\"></files>"), "malformed XML file .*black_list",
            QStringList());
        row("empty file", QByteArray(""), ".*black_list\\.conf", QStringList());
    }

    void parseBlacklist()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, warning);

        if (!text.isNull())
            LMTestSupport::writeFile(*myDir, "content/black_list.conf", text);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        manager()->parseBlacklist();
        QCOMPARE(manager()->blackList(), fetch<QStringList>("expected"));
    }

    void filesToLoad_data()
    {
        columns<QStringList, QStringList, QStringList, QStringList, QStringList, QList<QStringList>>(
            "files", "whiteList", "blackList", "older", "articles", "expected");

        const QString aBooksA = QStringLiteral("content/templates/categories/books-a.xml");
        const QString aGeneral = QStringLiteral("content/templates/categories/general.xml");
        const QString aCal1 = QStringLiteral("content/designs/calendars/2024-cal-a/2024-cal-a_01.svg");
        const QString aCal2 = QStringLiteral("content/designs/calendars/2024-cal-a/2024-cal-a_02.svg");
        const QString aSummer = QStringLiteral("content/designs/summer/page1.svg");
        const QString aDefault = QStringLiteral("content/templates/categories/backgrounds_default.xml");
        const QStringList aTree {
            aBooksA, aGeneral, aCal1, aCal2, aSummer, "content/designs/summer/page2.svg", aDefault
        };
        const QStringList aWhiteList { BOOK + QStringLiteral("books-*.xml"),
                                       CALENDARS + QStringLiteral("calendars/*") };
        const QStringList aNone;
        using Expected = QList<QStringList>;

        row("no white list: all with the first article", aTree, aNone, aNone, aNone, words("BOOK_A4_HC CAL_A3"),
            Expected { { aBooksA, aGeneral, aCal1, aCal2, aSummer }, {} });
        row("book first", aTree, aWhiteList, aNone, aNone, words("BOOK_A4_HC CAL_A3 POSTER_XL"),
            Expected { { aBooksA, aGeneral, aSummer }, { aCal1, aCal2 }, {} });
        row("an article not named gets the unassigned files only", aTree, aWhiteList, aNone, aNone,
            words("POSTER_XL BOOK_A4_HC"), Expected { { aGeneral, aSummer }, { aBooksA } });
        row("invalid article", aTree, aWhiteList, aNone, aNone, words("NO_SUCH_ARTICLE BOOK_A4_HC"),
            Expected { { aGeneral, aSummer }, { aBooksA } });
        row("default backgrounds never, even white-listed", aTree,
            QStringList { BOOK + QStringLiteral("backgrounds_default.xml\tbooks-*") }, aNone, aNone,
            words("BOOK_A4_HC CAL_A3"), Expected { { aBooksA, aGeneral, aCal1, aCal2, aSummer }, {} });

        const QStringList aFooTree { "content/templates/categories/foo/x.xml",
                                     "content/templates/categories/foobar/y.xml", "content/designs/foo/page1.svg",
                                     "content/designs/bar/page1.svg" };
        row("black list */foo/*: folders below templates", aFooTree, aNone, words("*/foo/*"), aNone,
            words("BOOK_A4_HC"),
            Expected { { "content/templates/categories/foobar/y.xml", "content/designs/foo/page1.svg",
                         "content/designs/bar/page1.svg" } });
        row("black list by name and suffix", aFooTree, aNone, words("y.xml *.SVG"), aNone, words("BOOK_A4_HC"),
            Expected { { "content/templates/categories/foo/x.xml" } });

        const QString aDownloaded = QStringLiteral("user/downloads/designs/summer/page1.svg");
        const QString aDownloadedXml = QStringLiteral("user/downloads/templates/categories/books-b.xml");
        const QStringList aCopies { aSummer, aDownloaded, aGeneral };
        row("both copies assigned: the newer one", aCopies, QStringList { CALENDARS + QStringLiteral("summer") }, aNone,
            QStringList { aSummer }, words("BOOK_A4_HC CAL_A3 BOOK_A5_SC"),
            Expected { { aGeneral }, { aDownloaded }, {} });
        row("downloaded collection assigned", QStringList { aGeneral, aDownloadedXml },
            QStringList { BOOK + QStringLiteral("books-*") }, aNone, aNone, words("CAL_A3 BOOK_A4_HC"),
            Expected { { aGeneral }, { aDownloadedXml } });
    }

    void filesToLoad()
    {
        QFETCH(QStringList, older);
        QFETCH(QStringList, articles);
        QFETCH(QList<QStringList>, expected);

        writeFiles(fetch<QStringList>("files"));
        for (const QString& aFile : std::as_const(older))
            QVERIFY(makeOlder(path(aFile), 3600));
        reInit(fetch<QStringList>("whiteList"), fetch<QStringList>("blackList"));

        QCOMPARE(articles.size(), expected.size());
        for (qsizetype anIndex = 0; anIndex < articles.size(); ++anIndex) {
            const LMTemplateSourceFileList aFiles = manager()->filesToLoad(article(articles.at(anIndex)));
            QCOMPARE(sorted(relative(aFiles)), sorted(expected.at(anIndex)));
            // Collections come before SVG pages.
            const auto aFirstSvg
                = std::find_if(aFiles.cbegin(), aFiles.cend(),
                               [](const LMTemplateSourceFile& theFile) { return theFile.isSvgFile(); });
            QVERIFY(std::all_of(aFirstSvg, aFiles.cend(),
                                [](const LMTemplateSourceFile& theFile) { return theFile.isSvgFile(); }));
            const QSet<LMTemplateSourceFile> aStillUnloaded = manager()->unloadedFiles().asSet();
            for (const LMTemplateSourceFile& aFile : aFiles)
                QVERIFY2(!aStillUnloaded.contains(aFile), qPrintable(aFile.fullName()));
        }
    }

    void markFilesLoadedFromSeveralThreads()
    {
        QStringList aFiles;
        for (int anIndex = 0; anIndex < 200; ++anIndex)
            aFiles.append(QStringLiteral("content/templates/many/file-%1.xml").arg(anIndex));
        writeFiles(aFiles);
        manager()->reInit();
        const LMTemplateSourceFileList anUnloaded = manager()->unloadedFiles();
        QCOMPARE(anUnloaded.size(), aFiles.size());

        // Four threads settle a quarter each while this one keeps reading. Plain threads: the thread
        // sanitizer sees how they start and end.
        std::vector<std::thread> aThreads;
        for (int aQuarter = 0; aQuarter < 4; ++aQuarter) {
            const LMTemplateSourceFileList aPart(anUnloaded.mid(aQuarter * 50, 50));
            aThreads.emplace_back([this, aPart] {
                for (const LMTemplateSourceFile& aFile : aPart)
                    manager()->markFilesLoaded({ aFile });
            });
        }
        qsizetype aLastSize = anUnloaded.size();
        bool aShrinking = true;
        for (int aRead = 0; aRead < 100; ++aRead) {
            const qsizetype aSize = manager()->unassignedFiles().size();
            aShrinking = aShrinking && aSize <= aLastSize;
            aLastSize = aSize;
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        QVERIFY(aShrinking);
        QVERIFY(manager()->unloadedFiles().isEmpty());
        QVERIFY(manager()->unassignedFiles().isEmpty());
    }

    void unassignedFiles_data()
    {
        columns<QStringList, bool>("patterns", "fromWorkerThread");

        row("no patterns", QStringList(), false);
        row("literal parts", words("alpha-1*.xml gamma-3 delta-4*"), false);
        row("letter case", words("ALPHA-1 Beta-5 DeLtA-"), false);
        row("expression syntax", words("(alpha|gamma)-1[0-9].xml beta-?5 ^/gen/delta-1 x(y)- b{2} a+l"), false);
        row("unicode letter case",
            QStringList { "KELVIN-1", QStringLiteral("\u212Aelvin-2"), "STRASSE", QStringLiteral("STRAßE-3"),
                          QStringLiteral("ſtraße-4") },
            false);
        row("dots and backslashes", words("gen/beta-1. a\\b 1.xml"), false);
        row("shared beginnings", words("alpha-1 alpha-2 alph ALPHA-3*.xml kelv"), false);
        row("short texts", words("bb 7.x -1 a"), false);
        row("text at the very end", words("9.XML"), false);
        row("four letters at the very end", words(".XML"), false);
        row("everything", words("*"), false);
        row("from a worker thread", words("alpha-1*.xml GAMMA *-7.*"), true);
    }

    void unassignedFiles()
    {
        QFETCH(QStringList, patterns);

        const QStringList aWords {
            "alpha",  "Beta", "gamma", "DELTA", QStringLiteral("straße"), QStringLiteral("\u212Aelvin"),
            "kelvin", "x(y)", "bb"
        };
        QStringList aFiles;
        for (int anIndex = 0; anIndex < 240; ++anIndex)
            aFiles.append(
                QStringLiteral("content/templates/gen/%1-%2.xml").arg(aWords.at(anIndex % aWords.size())).arg(anIndex));
        writeFiles(aFiles);
        if (!patterns.isEmpty())
            LMTestSupport::writeFile(*myDir, "content/white_list.conf",
                                     whiteListText({ BOOK + patterns.join(QLatin1Char('\t')) }));
        if (fetch<bool>("fromWorkerThread"))
            std::thread([this] { manager()->reInit(); }).join();
        else
            manager()->reInit();

        // Every file against every expression, one by one.
        const QList<QRegularExpression> anExpressions = LMTemplateWhiteList::toRegExpList(patterns);
        LMTemplateSourceFileList anExpected;
        for (const LMTemplateSourceFile& aFile : manager()->unloadedFiles()) {
            if (std::none_of(anExpressions.cbegin(), anExpressions.cend(),
                             [&aFile](const QRegularExpression& theExpression) {
                                 return LMTemplateFileManager::fileMatches(theExpression, aFile);
                             }))
                anExpected.append(aFile);
        }
        QCOMPARE(manager()->unloadedFiles().size(), aFiles.size());
        QCOMPARE(relative(manager()->unassignedFiles()), relative(anExpected));
    }

    void shortName_data()
    {
        columns<QString, QString>("fullName", "shortName");

        row("templates keeps the slash", "/c/templates/categories/a.xml", "/categories/a.xml");
        row("designs drops the slash", "/c/designs/calendars/2024-cal-a/2024-cal-a_01.svg",
            "calendars/2024-cal-a/2024-cal-a_01.svg");
        row("last templates counts", "/c/templates/x/templates/b.xml", "/b.xml");
        row("templates before designs", "/c/designs/templates/a.svg", "/a.svg");
        row("templates inside a file name", "/c/designs/mytemplates.svg", ".svg");
        row("designs needs its slash", "/c/designs", "/c/designs");
        row("letter case counts", "/c/Templates/a.xml", "/c/Templates/a.xml");
        row("backslashes are no separators", "C:\\c\\designs\\a\\page1.svg", "C:\\c\\designs\\a\\page1.svg");
        row("empty", "", "");
    }

    void shortName()
    {
        QFETCH(QString, fullName);
        QFETCH(QString, shortName);

        const LMTemplateSourceFile aFile(fullName);
        QCOMPARE(aFile.fullName(), fullName);
        QCOMPARE(aFile.shortName(), shortName);
        QCOMPARE(LMTemplateSourceFile::shortNameOf(fullName), shortName);
    }

    // "hook", "calendar" and "card" take a short name; "master" a file of that full name. The names
    // that fail sit next to the ones that hold: one character, one folder or one letter case apart.
    void predicates_data()
    {
        columns<QString, QStringList, bool>("predicate", "names", "holds");
        row("hook holds", "hook",
            words("x/page1.svg page1_back.svg a1.svg page1_a_b.svg x_1.svg dir_a/page1.svg "
                  "Page1_BACK.SVG"),
            true);
        row("hook fails", "hook",
            QStringList { "page11.svg", "page2.svg", "1.svg", "page1_back2.svg", "_back.svg",
                          QStringLiteral("page\u06631.svg"), "" },
            false);
        row("calendar holds", "calendar", words("calendars/2024-cal-a/2024-cal-a_01.svg a--/a--x.svg"), true);
        row("calendar fails", "calendar",
            words("cal-a/cal-a_01.svg 2024-cal-a/other_01.svg 2024-cal-a_01.svg 2024-cal-a/ "
                  "2024-CAL-A/2024-cal-a_01.svg cal/cal-a-b.svg"),
            false);
        row("card holds", "card", words("games/PLC-poker.svg games/plc-poker.svg"), true);
        row("card fails", "card", words("games/PLC_poker.svg"), false);
        row("master holds", "master",
            words("/c/designs/summer/page1.svg /c/designs/calendars/2024-cal-a/2024-cal-a_07.svg "
                  "/c/designs/cards/PLC-deck.svg /c/designs/cards/2024-card-a/2024-card-a_x.svg "
                  "/c/designs/games/PLC-deck.svg /c/designs/games/memory/page1.svg"),
            true);
        row("master fails", "master",
            QStringList { "/c/designs/summer/page2.svg", "/c/templates/categories/page1.xml",
                          "/c/designs/summer/page1.svgz", "/c/designs/calendars/x/page1.svg",
                          "/c/designs/calendarsX/page1.svg", "/c/designs/cards/set/page1.svg",
                          "/c/designs/games/2024-g-a/2024-g-a_01.svg", "/c/designs/other/PLC-deck.svg", "" },
            false);
    }

    void predicates()
    {
        QFETCH(QString, predicate);
        QFETCH(QStringList, names);

        for (const QString& aName : std::as_const(names)) {
            bool aHolds = false;
            if (predicate == QLatin1String("hook"))
                aHolds = LMTemplateSourceFile::isHookFile(aName);
            else if (predicate == QLatin1String("calendar"))
                aHolds = LMTemplateSourceFile::isCalendarPageFile(aName);
            else if (predicate == QLatin1String("card"))
                aHolds = LMTemplateSourceFile::isPlayingCardMasterFile(aName);
            else
                aHolds = LMTemplateSourceFile(aName).isMasterFile();
            QVERIFY2(aHolds == fetch<bool>("holds"), qPrintable(aName));
        }
    }

    void preInstalled_data()
    {
        columns<QString, bool>("relativeToTemp", "preInstalled");

        row("in the content root", "content/designs/a/page1.svg", true);
        row("sibling with the same start", "content2/designs/a/page1.svg", false);
        row("downloads", "user/downloads/designs/a/page1.svg", false);
    }

    void preInstalled()
    {
        QFETCH(QString, relativeToTemp);
        QFETCH(bool, preInstalled);

        const LMTemplateSourceFile aFile(myDir->filePath(relativeToTemp));
        QCOMPARE(aFile.isPreInstalled(), preInstalled);
        const LMTemplateSourceFileList aList { LMTemplateSourceFile(QStringLiteral("/elsewhere/designs/page1.svg")),
                                               aFile };
        QCOMPARE(aList.preInstalled(), preInstalled ? LMTemplateSourceFileList { aFile } : LMTemplateSourceFileList());
        QVERIFY(!LMTemplateSourceFile(relativeToTemp).isPreInstalled());
    }

    void selections_data()
    {
        columns<QString, QStringList, QStringList>("selection", "paths", "expected");

        row("masters: collections stay, later pages go", "masters",
            words("/c/designs/a/page2.svg /c/templates/b.xml /c/designs/a/page1.svg /c/templates/c.json"),
            words("/c/templates/b.xml /c/designs/a/page1.svg /c/templates/c.json"));
        row("wanted: the default backgrounds go", "wanted",
            words("/c/templates/categories/a.xml /c/templates/categories/backgrounds_default.xml /c/designs/page1.svg"),
            words("/c/templates/categories/a.xml /c/designs/page1.svg"));
        row("wanted: contained is enough", "wanted",
            words("/u/downloads/templates/categories/backgrounds_default.xml.bak"), QStringList());
        row("wanted: letter case counts", "wanted", words("/c/templates/Categories/backgrounds_default.xml"),
            words("/c/templates/Categories/backgrounds_default.xml"));
        row("sorted: mixed keeps each order", "sorted",
            words("/c/designs/b/page1.svg /c/templates/z.xml /c/designs/a/page1.svg /c/templates/a.xml"),
            words("/c/templates/z.xml /c/templates/a.xml /c/designs/b/page1.svg /c/designs/a/page1.svg"));
        row("sorted: upper-case suffix is svg", "sorted", words("/c/designs/A1.SVG /c/templates/a.xml"),
            words("/c/templates/a.xml /c/designs/A1.SVG"));
        row("sorted: svg in a folder name is not", "sorted",
            words("/c/designs/x1.svg /c/templates/a.svg/b.xml /c/designs/x1.svgz"),
            words("/c/templates/a.svg/b.xml /c/designs/x1.svgz /c/designs/x1.svg"));
    }

    void selections()
    {
        QFETCH(QString, selection);
        QFETCH(QStringList, paths);
        QFETCH(QStringList, expected);

        const LMTemplateSourceFileList aList(paths);
        LMTemplateSourceFileList aSelected;
        if (selection == QLatin1String("masters")) {
            aSelected = aList.masterSVGs();
        } else if (selection == QLatin1String("sorted")) {
            aSelected = aList.sortXmlBeforeSvg();
        } else {
            QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
            for (const QString& aPath : std::as_const(paths)) {
                if (!expected.contains(aPath))
                    QTest::ignoreMessage(QtDebugMsg, qPrintable(aPath + QStringLiteral(" die Datei lade ich nicht.")));
            }
            aSelected = aList.removeUnwantedFiles();
        }
        QCOMPARE(aSelected.fullNames(), expected);
        QCOMPARE(aList.fullNames(), paths);
    }

    void removeDuplicateTemplates_data()
    {
        // Entries as for pathOf, with ":<age in seconds>" for a file that exists.
        columns<QStringList, QStringList, QStringList>("entries", "kept", "dropped");

        row("newer preinstalled copy stays", words("P:designs/a/page1.svg:10 D:designs/a/page1.svg:100"),
            words("P:designs/a/page1.svg"), words("D:designs/a/page1.svg"));
        row("equal times: the downloaded copy",
            words("D:templates/categories/x.xml:50 P:templates/categories/x.xml:50"),
            words("D:templates/categories/x.xml"), words("P:templates/categories/x.xml"));
        row("order kept; files of their own stay",
            words("D:designs/x/page1.svg:100 P:templates/a.xml:5 P:designs/x/page1.svg:10 D:templates/b.xml:5 "
                  "O:designs/c/page1.svg:5"),
            words("P:templates/a.xml P:designs/x/page1.svg D:templates/b.xml O:designs/c/page1.svg"),
            words("D:designs/x/page1.svg"));
        row("of two other copies the later is compared",
            words("P:designs/x/page1.svg:50 D:designs/x/page1.svg:100 O:designs/x/page1.svg:10"),
            words("D:designs/x/page1.svg O:designs/x/page1.svg"), words("P:designs/x/page1.svg"));
        row("two other copies, the preinstalled one newest",
            words("P:designs/x/page1.svg:5 D:designs/x/page1.svg:100 O:designs/x/page1.svg:10"),
            words("P:designs/x/page1.svg D:designs/x/page1.svg"), words("O:designs/x/page1.svg"));
        row("missing files: the other copy", words("P:designs/gone/page1.svg D:designs/gone/page1.svg"),
            words("D:designs/gone/page1.svg"), words("P:designs/gone/page1.svg"));
        row("only the preinstalled copy exists", words("P:designs/half2/page1.svg:100 D:designs/half2/page1.svg"),
            words("P:designs/half2/page1.svg"), words("D:designs/half2/page1.svg"));
        row("same file twice", words("P:templates/twice.xml:5 P:templates/twice.xml:5"),
            words("P:templates/twice.xml P:templates/twice.xml"), QStringList());
    }

    void removeDuplicateTemplates()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, kept);

        QStringList aPaths;
        for (const QString& aText : std::as_const(entries)) {
            const QStringList aParts = aText.split(QLatin1Char(':'));
            const QString aPath = pathOf(aParts.at(0), aParts.at(1));
            aPaths.append(aPath);
            QFile::remove(aPath);
            if (aParts.size() > 2) {
                QVERIFY(QDir().mkpath(QFileInfo(aPath).absolutePath()));
                QVERIFY(QFile(aPath).open(QIODevice::WriteOnly));
                QVERIFY(makeOlder(aPath, aParts.at(2).toInt()));
            }
        }

        const LMTemplateSourceFileList aList(aPaths);
        const LMTemplateSourceFile aSentinel(QStringLiteral("/before/designs/page1.svg"));
        LMTemplateSourceFileList aDropped { aSentinel };
        QCOMPARE(entriesOf(aList.removeDuplicateTemplates(&aDropped)), kept);
        QCOMPARE(aDropped.value(0), aSentinel);
        QCOMPARE(entriesOf(aDropped.mid(1)), fetch<QStringList>("dropped"));
        QCOMPARE(entriesOf(aList.removeDuplicateTemplates()), kept);
        QCOMPARE(aList.fullNames(), aPaths);
    }

    void wildcard_data()
    {
        columns<QString, QString, bool>("pattern", "shortName", "matches");

        row("dot is only a dot", "summer.xml", "/categories/summerXxml", false);
        row("star spans folders", "layouts/*.xml", "/layouts/a/b/beach.xml", true);
        row("star needs the rest", "layouts/*.xml", "/layouts/beach.svg", false);
        row("case ignored", "LAYOUTS/Beach.XML", "/layouts/beach.xml", true);
        row("anchored at neither end", "beach", "/categories/layouts/beach_2.svg", true);
        row("empty pattern matches anything", "", "/a.xml", true);
        row("backslash stands for itself", "a\\b.xml", "/a\\b.xml", true);
        row("backslash does not escape the dot", "a\\.xml", "/a.xml", false);
        row("trailing backslash", "dir\\", "/dir\\x.xml", true);
    }

    void wildcard()
    {
        QFETCH(QString, pattern);

        const QRegularExpression anExpression = LMTemplateWhiteList::wildcard2RegularExpression(pattern);
        QVERIFY2(anExpression.isValid(), qPrintable(anExpression.errorString()));
        QCOMPARE(anExpression.match(fetch<QString>("shortName")).hasMatch(), fetch<bool>("matches"));
        QCOMPARE(LMTemplateWhiteList::toRegExpList({ pattern, pattern }),
                 QList<QRegularExpression>({ anExpression, anExpression }));
    }

    void articlesGroupAsFilter_data()
    {
        columns<LMArticlesGroup, QStringList, LMArticlesGroup>("group", "rules", "readBack");

        row("empty group", LMArticlesGroup(), QStringList(), LMArticlesGroup());
        const LMArticlesGroup anAll = restricted({}, { restrictionOf("all", "", "", "", "all") });
        row("all orientations and bindings", anAll, words("orientation pageBinding"), anAll);
        const LMProductRestriction aFirst = restrictionOf("portrait", "", "", "", "");
        row("only the first restriction", restricted({}, { aFirst, restrictionOf("", "poster", "", "", "") }),
            words("orientation"), restricted({}, { aFirst }));
    }

    void articlesGroupAsFilter()
    {
        QFETCH(LMArticlesGroup, group);

        QDomDocument aDocument;
        QDomElement aFilter = aDocument.createElement(QStringLiteral("filter"));
        aDocument.appendChild(aFilter);
        if (group.restrictions().size() > 1)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("one product restriction")));
        group.toTemplates2Format(aFilter);

        QStringList aTags;
        for (QDomElement aRule = aFilter.firstChildElement(); !aRule.isNull(); aRule = aRule.nextSiblingElement())
            aTags.append(aRule.tagName());
        QCOMPARE(aTags, fetch<QStringList>("rules"));

        LMArticlesGroup aReadBack;
        LMTemplateFilterFactory::parseFilter(aFilter, &aReadBack, nullptr, nullptr, nullptr);
        QCOMPARE(aReadBack, fetch<LMArticlesGroup>("readBack"));
    }

    // Ages in seconds in the past (-1: no file); the content copy's text when it is not a well-formed list; the
    // pattern of the copy that loads (empty: none) or the warning instead.
    void newerCopyLoads_data()
    {
        columns<int, int, QByteArray, QString, QString>("contentAge", "userAge", "text", "expected", "warning");
        const QByteArray aList;
        row("user copy newer", 100, 10, aList, "from-user", "");
        row("content copy newer", 10, 100, aList, "from-content", "");
        row("same time", 50, 50, aList, "from-content", "");
        row("only the content copy", 10, -1, aList, "from-content", "");
        row("only the user copy", -1, 10, aList, "from-user", "");
        row("no copy", -1, -1, aList, "", "XML file .*white_list.conf not found");
        row("empty file", 10, -1, QByteArray(""), "", "^malformed XML file .*white_list.conf");
        row("not well-formed", 10, -1, QByteArray("<whitelist><group></whitelist>"), "",
            "^malformed XML file .*white_list.conf at line 1");
        row("wrong root", 10, -1, QByteArray("<blacklist><group/></blacklist>"), "",
            "^no white list in .*white_list.conf - root element <blacklist>$");
        row("entity declaration", 10, -1, QByteArray("<!DOCTYPE w [<!ENTITY x \"y\">]><whitelist/>"), "",
            "^refused XML file .*white_list.conf");
    }

    void newerCopyLoads()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);

        QCOMPARE(LMTemplateWhiteList::whiteListFile(false).absoluteFilePath(), contentFile());
        QCOMPARE(LMTemplateWhiteList::whiteListFile(true).absoluteFilePath(), userFile());
        for (const auto& [anAge, aFolder] :
             { std::pair(fetch<int>("contentAge"), "content"), std::pair(fetch<int>("userAge"), "user") }) {
            if (anAge < 0)
                continue;
            const QByteArray aList
                = whiteListText({ QStringLiteral("<product>BOOK_A4_HC</product>\tfrom-") + QLatin1String(aFolder) });
            const QString aPath = LMTestSupport::writeFile(*myDir, QLatin1String(aFolder) + "/white_list.conf",
                                                           text.isNull() ? aList : text);
            QVERIFY(makeOlder(aPath, anAge));
        }
        if (expected.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(fetch<QString>("warning")));

        LMTemplateWhiteList aList;
        aList.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { QStringLiteral("left-over") });
        QCOMPARE(aList.load(), !expected.isEmpty());
        QCOMPARE(aList.allFiles(), expected.isEmpty() ? QStringList() : QStringList { expected });
        QCOMPARE(aList.isEmpty(), expected.isEmpty());
        QCOMPARE(aList.findFiles(LMArticle::fromOrderTxtName("CAL_A3")), QStringList());
    }

    void userLayoutsAreNeverRestricted()
    {
        const QString aUserLayouts = QStringLiteral("categories/000-user-layouts.xml");
        writeContentFile(whiteListText(
            { QStringLiteral("<type>photobook</type>\ta.xml\t") + aUserLayouts + QStringLiteral("\tb.xml") }));
        LMTemplateWhiteList aLoaded;
        QVERIFY(aLoaded.load(QFileInfo(contentFile())));
        QCOMPARE(aLoaded.allFiles(), words("a.xml b.xml"));

        LMTemplateWhiteList aBuilt;
        aBuilt.addFiles(groupOf({ QStringLiteral("BOOK_A4_HC") }), { aUserLayouts, QStringLiteral("c.xml") });
        aBuilt.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { aUserLayouts });
        QVERIFY(aBuilt.save(QFileInfo(userFile())));
        QFile aFile(userFile());
        QVERIFY(aFile.open(QIODevice::ReadOnly));
        const QByteArray aText = aFile.readAll();
        QVERIFY(aText.contains("c.xml"));
        QVERIFY(!aText.contains("000-user-layouts"));
        QCOMPARE(aBuilt.allFiles(), words("c.xml"));
    }

    void saveAndLoadGiveTheSameList()
    {
        LMTemplateWhiteList aList;
        aList.addFiles(groupOf({ QStringLiteral("BOOK_A4_HC"), QStringLiteral("book_a5_sc") }),
                       { QStringLiteral("books/*.xml"), QStringLiteral("books/cover-*.svg") });
        aList.addFiles(groupOf({ QStringLiteral("Kalender Spezial"), QStringLiteral("CARD, FOLDED") }),
                       { QStringLiteral("special/Ünïcode & <signs>.xml") });
        aList.addFiles(restricted(groupOf({ QStringLiteral("POSTER_XL") }),
                                  { restrictionOf("landscape, square", "walldecor", "softcover", "small", "layflat") }),
                       { QStringLiteral("walldecor/*"), QStringLiteral("*poster*") });
        QCOMPARE(aList.groups().size(), 3);

        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.info=true"));
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression(QStringLiteral("^Saving White List to .*user/white_list.conf$")));
        const bool aSaved = aList.save();
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(aSaved);

        LMTemplateWhiteList aReadBack;
        QVERIFY(aReadBack.load(QFileInfo(userFile())));
        QCOMPARE(aReadBack, aList);
    }

    void findFiles_data()
    {
        columns<QString, QStringList, QString>("article", "patterns", "matchingFile");

        row("named explicitly; by orientation and cover", "BOOK_A4_HC", words("books/a4-*.xml hard/*"),
            "/books/a4-summer.xml");
        row("by article class", "CAL_A3", words("calendars/*"), "/calendars/c.svg");
        row("by orientation", "BOOK_A5_SC", words("landscape/*"), "/landscape/l.xml");
        row("in two groups", "CAL_WIDE", words("calendars/* landscape/*"), "/landscape/w.svg");
        row("in no group", "POSTER_XL", QStringList(), "");
        row("unknown article", "NOT_IN_CATALOGUE", QStringList(), "");
        row("null article", "", QStringList(), "");
    }

    void findFiles()
    {
        QFETCH(QString, article);
        QFETCH(QString, matchingFile);

        writeContentFile(whiteListText(
            { BOOK + QStringLiteral("books/a4-*.xml"), CALENDARS + QStringLiteral("calendars/*"),
              QStringLiteral("<orientation>landscape</orientation>\tlandscape/*"),
              QStringLiteral("<orientation>portrait</orientation><binding>hardcover</binding>\thard/*") }));
        LMTemplateWhiteList aList;
        QVERIFY(aList.load(QFileInfo(contentFile())));
        QCOMPARE(sorted(aList.allFiles()), words("books/a4-*.xml calendars/* hard/* landscape/*"));

        const LMArticle anArticle = article.isEmpty() ? LMArticle() : LMArticle::fromOrderTxtName(article);
        const QStringList aFound = aList.findFiles(anArticle);
        QCOMPARE(sorted(aFound), fetch<QStringList>("patterns"));
        const QList<QRegularExpression> anExpressions = aList.findFilesRx(anArticle);
        QCOMPARE(anExpressions, LMTemplateWhiteList::toRegExpList(aFound));
        QCOMPARE(std::any_of(anExpressions.cbegin(), anExpressions.cend(),
                             [&](const QRegularExpression& theRx) { return theRx.match(matchingFile).hasMatch(); }),
                 !matchingFile.isEmpty());
    }

    void equalGroupsShareOneList()
    {
        // Written differently, the same article twice: one group, one list, each pattern once.
        writeContentFile(whiteListText({ BOOK + QStringLiteral("a.xml\tb.xml"),
                                         QStringLiteral("<art_id>1001</art_id>\tb.xml\tc.xml\t"),
                                         QStringLiteral("<product>CAL_A3</product>\ta.xml") }));
        LMTemplateWhiteList aList;
        QVERIFY(aList.load(QFileInfo(contentFile())));
        QCOMPARE(aList.groups().size(), 2);
        QCOMPARE(sorted(aList.groups().value(groupOf({ QStringLiteral("BOOK_A4_HC") }))), words("a.xml b.xml c.xml"));
        QCOMPARE(aList.groups().value(groupOf({ QStringLiteral("CAL_A3") })), words("a.xml"));
        QCOMPARE(sorted(aList.allFiles()), words("a.xml b.xml c.xml"));
    }

    void manyGroups_data()
    {
        QTest::addColumn<bool>("fromBusyPool");
        row("parallel from the main thread", false);
        row("sequential inside a full pool", true);
    }

    void manyGroups()
    {

        // 200 groups over 40 distinct article groups: every distinct group is merged five times.
        constexpr int aGroupCount = 200;
        constexpr int aDistinct = 40;
        QStringList aGroups;
        for (int anIndex = 0; anIndex < aGroupCount; ++anIndex)
            aGroups.append(QStringLiteral("<product>ART_%1</product><type>card</type>\tf%2-a.xml\tf%2-b.svg")
                               .arg(anIndex % aDistinct)
                               .arg(anIndex));
        writeContentFile(whiteListText(aGroups));

        LMTemplateWhiteList aList;
        if (fetch<bool>("fromBusyPool")) {
            QThreadPool* aPool = QThreadPool::globalInstance();
            const int aMaximum = aPool->maxThreadCount();
            aPool->setMaxThreadCount(1);
            const bool aLoaded
                = QtConcurrent::run([&aList, this] { return aList.load(QFileInfo(contentFile())); }).result();
            aPool->setMaxThreadCount(aMaximum);
            QVERIFY(aLoaded);
        } else {
            QVERIFY(aList.load(QFileInfo(contentFile())));
        }

        QCOMPARE(aList.groups().size(), aDistinct);
        QCOMPARE(aList.allFiles().size(), 2 * aGroupCount);
        for (int aGroup = 0; aGroup < aDistinct; ++aGroup) {
            const LMArticlesGroup aKey = restricted(groupOf({ QStringLiteral("ART_%1").arg(aGroup) }),
                                                    { restrictionOf("", "card", "", "", "") });
            QStringList anExpected;
            for (int anIndex = aGroup; anIndex < aGroupCount; anIndex += aDistinct)
                anExpected << QStringLiteral("f%1-a.xml").arg(anIndex) << QStringLiteral("f%1-b.svg").arg(anIndex);
            QCOMPARE(sorted(aList.groups().value(aKey)), sorted(anExpected));
        }
    }

private:
    QString root() const { return myDir->filePath("content"); }
    // "P:<path>" lies in the content root (preinstalled), "D:<path>" in the downloads folder,
    // "O:<path>" in another folder of the user's.

    QString pathOf(const QString& theWhere, const QString& thePath) const
    {
        if (theWhere == QLatin1String("P"))
            return root() + QLatin1Char('/') + thePath;
        if (theWhere == QLatin1String("D"))
            return LMDirectoryConfig::instance()->downloadsDirectory() + QLatin1Char('/') + thePath;
        return myDir->filePath(QStringLiteral("user/other/") + thePath);
    }

    QStringList entriesOf(const LMTemplateSourceFileList& theFiles) const
    {
        QStringList anEntries;
        for (const LMTemplateSourceFile& aFile : theFiles) {
            QString anEntry = aFile.fullName();
            for (const QString& aWhere : { QStringLiteral("P"), QStringLiteral("D"), QStringLiteral("O") }) {
                const QString aPrefix = pathOf(aWhere, QString());
                if (anEntry == aFile.fullName() && anEntry.startsWith(aPrefix))
                    anEntry = aWhere + QLatin1Char(':') + anEntry.mid(aPrefix.size());
            }
            anEntries.append(anEntry);
        }
        return anEntries;
    }

    QString contentFile() const { return myDir->filePath("content/white_list.conf"); }
    QString userFile() const { return myDir->filePath("user/white_list.conf"); }
    void writeContentFile(const QByteArray& theText)
    {
        LMTestSupport::writeFile(*myDir, "content/white_list.conf", theText);
    }

    QString path(const QString& theRelative) const { return myDir->filePath(theRelative); }

    void writeFiles(const QStringList& theRelativePaths)
    {
        for (const QString& aPath : theRelativePaths)
            LMTestSupport::writeFile(*myDir, aPath, QByteArrayLiteral("<templates/>\n"));
    }

    // Writes the lists (none when empty) and rescans.
    void reInit(const QStringList& theWhiteList, const QStringList& theBlackList = {})
    {
        if (!theWhiteList.isEmpty())
            LMTestSupport::writeFile(*myDir, "content/white_list.conf", whiteListText(theWhiteList));
        if (!theBlackList.isEmpty())
            LMTestSupport::writeFile(*myDir, "content/black_list.conf", blackListText(theBlackList));
        manager()->reInit();
    }

    QStringList relative(const LMTemplateSourceFileList& theFiles) const
    {
        QStringList aPaths;
        for (const LMTemplateSourceFile& aFile : theFiles)
            aPaths.append(QDir(myDir->path()).relativeFilePath(aFile.fullName()));
        return aPaths;
    }
    LMTemplateFileManager* manager() const { return LMTemplateFileManager::instance(); }

    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_GUILESS_MAIN(TestTemplateFiles)
#include "tst_templatefiles.moc"
