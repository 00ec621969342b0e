#include "LMArticle.h"
#include "LMLoadingTest.h"
#include "LMPlatformIndependent.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateWhiteList.h"

#include <QLoggingCategory>

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

LMArticle article(const QString& theOrderName)
{
    return LMArticle::fromOrderTxtName(theOrderName);
}

} // namespace

// The template file manager on a content tree of its own: which files load for which article,
// the white and black lists, duplicates between preinstalled and downloaded content, the parallel
// matching, rescans; and the directory configuration and folder listing it relies on.
class TestTemplateFileManager : public QObject
{
    Q_OBJECT

private slots:

    void init()
    {
        myDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lm-files-XXXXXX"));
        QVERIFY(myDir->isValid());
        QCOMPARE(LMTemplateSourceFile::shortNameOf(myDir->path()), myDir->path());
        QVERIFY(useContentTree(*myDir, QStringLiteral("catalogue.json")));
    }

    void cleanup()
    {
        QLoggingCategory::setFilterRules(QString());
        myDir.reset();
    }

    void directoryConfig_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");

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
        QFETCH(int, kind);
        QFETCH(QString, name);

        const LMDirectoryConfig* aConfig = LMDirectoryConfig::instance();
        QCOMPARE(aConfig->directoryName(kind), name);
        QCOMPARE(aConfig->preinstalledDirectory(), path(QStringLiteral("content")));
        QCOMPARE(aConfig->downloadsDirectory(), path(QStringLiteral("user/downloads")));
        QCOMPARE(aConfig->blackListFile(), path(QStringLiteral("content/black_list.conf")));
        QCOMPARE(aConfig->categoriesDir().absolutePath(), path(QStringLiteral("content/templates/categories")));
        QVERIFY(aConfig->isInsideContentTree(path(QStringLiteral("content/designs/a/page1.svg"))));
        QVERIFY(aConfig->isInsideContentTree(path(QStringLiteral("user/downloads/designs/a/page1.svg"))));
        QVERIFY(!aConfig->isInsideContentTree(path(QStringLiteral("user/downloads2/a.svg"))));
        QVERIFY(!aConfig->isInsideContentTree(path(QStringLiteral("user/white_list.conf"))));
    }

    void templateDirectories_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("expected");

        row("none", QStringList(), QStringList());
        row("downloads only", words("user/downloads/designs"), words("user/downloads/designs"));
        row("all four", words("content/designs content/templates user/downloads/templates user/downloads/designs"),
            words("content/templates content/designs user/downloads/templates user/downloads/designs"));
        row("other folders do not count", words("content/design user/templates"), QStringList());
    }

    void templateDirectories()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, expected);

        for (const QString& aFolder : std::as_const(folders))
            QVERIFY(QDir().mkpath(path(aFolder)));
        QStringList anActual;
        for (const QDir& aDirectory : LMDirectoryConfig::instance()->templateDirectories())
            anActual.append(QDir(myDir->path()).relativeFilePath(aDirectory.absolutePath()));
        QCOMPARE(anActual, expected);
    }

    void getFilesInDirectory_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<bool>("withDirectories");
        QTest::addColumn<int>("maxDepth");
        QTest::addColumn<QStringList>("expected");

        row("xml everywhere", "*.xml", true, false, 0, words("a.xml sub/c.xml sub/deep/d.xml ü/ö.xml"));
        row("not recursive", "*.xml", false, false, 0, words("a.xml"));
        row("depth one", "*.xml", true, false, 1, words("a.xml"));
        row("depth two", "*.xml", true, false, 2, words("a.xml sub/c.xml ü/ö.xml"));
        row("letter case ignored", "*.svg", true, false, 0, words("B1.SVG sub/deep/e.svg"));
        row("several filters", "*.txt; *.svg", true, false, 0,
            words("B1.SVG notes.txt sub/deep/deeper.txt sub/deep/e.svg"));
        row("question mark", "?.xml", true, false, 0, words("a.xml sub/c.xml sub/deep/d.xml ü/ö.xml"));
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
        QVERIFY(QFile::link(path(QStringLiteral("outside")), path(QStringLiteral("tree/linked"))));
        QVERIFY(QFile::link(path(QStringLiteral("tree")), path(QStringLiteral("tree/sub/loop"))));

        const QDir aTree(path(QStringLiteral("tree")));
        QStringList anExpected;
        for (const QString& aRelative : std::as_const(expected))
            anExpected.append(aTree.absoluteFilePath(aRelative));
        QCOMPARE(LMPlatformIndependent::getFilesInDirectory(aTree, filter, recursive, withDirectories, maxDepth),
                 anExpected);
        QVERIFY(LMPlatformIndependent::getFilesInDirectory(QDir(path(QStringLiteral("missing"))), filter, recursive,
                                                           withDirectories, maxDepth)
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
        QVERIFY(
            QFile::link(path(QStringLiteral("elsewhere/designs/far")), path(QStringLiteral("content/designs/far"))));

        const LMTemplateSourceFileList aFiles = manager()->allFiles();
        QCOMPARE(sorted(relative(aFiles)),
                 words("content/designs/calendars/2024-cal-a/2024-cal-a_01.svg content/designs/summer/page1.svg "
                       "content/templates/categories/a.xml content/templates/categories/x/b.xml "
                       "user/downloads/designs/summer/page1.svg user/downloads/templates/d.xml"));
        QCOMPARE(aFiles.asSet().size(), aFiles.size());
        QCOMPARE(
            sorted(relative(LMTemplateFileManager::fileList(QDir(path(QStringLiteral("content/designs"))),
                                                            QStringLiteral("*.svg"), false))),
            words(
                "content/designs/calendars/2024-cal-a/2024-cal-a_01.svg content/designs/calendars/2024-cal-a/cover.svg "
                "content/designs/summer/page1.svg content/designs/summer/page2.svg"));
    }

    void parseBlacklist_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("expected");

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
        QFETCH(QStringList, expected);

        if (!text.isNull())
            LMTestSupport::writeFile(*myDir, QStringLiteral("content/black_list.conf"), text);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        manager()->parseBlacklist();
        QCOMPARE(manager()->blackList(), expected);
    }

    void filesToLoad_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("whiteList");
        QTest::addColumn<QStringList>("blackList");
        QTest::addColumn<QStringList>("older");
        QTest::addColumn<QStringList>("articles");
        QTest::addColumn<QList<QStringList>>("expected");

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
        row("black list beats the white list", aTree, aWhiteList, words("books-a"), aNone, words("BOOK_A4_HC CAL_A3"),
            Expected { { aGeneral, aSummer }, { aCal1, aCal2 } });

        const QString aDownloaded = QStringLiteral("user/downloads/designs/summer/page1.svg");
        const QString aDownloadedXml = QStringLiteral("user/downloads/templates/categories/books-b.xml");
        const QStringList aCopies { aSummer, aDownloaded, aGeneral };
        row("newer download replaces the preinstalled copy", aCopies, aNone, aNone, QStringList { aSummer },
            words("BOOK_A4_HC CAL_A3"), Expected { { aGeneral, aDownloaded }, {} });
        row("newer preinstalled copy stays", aCopies, aNone, aNone, QStringList { aDownloaded },
            words("BOOK_A4_HC CAL_A3"), Expected { { aGeneral, aSummer }, {} });
        row("both copies assigned: the newer one", aCopies, QStringList { CALENDARS + QStringLiteral("summer") }, aNone,
            QStringList { aSummer }, words("BOOK_A4_HC CAL_A3 BOOK_A5_SC"),
            Expected { { aGeneral }, { aDownloaded }, {} });
        row("downloaded collection assigned", QStringList { aGeneral, aDownloadedXml },
            QStringList { BOOK + QStringLiteral("books-*") }, aNone, aNone, words("CAL_A3 BOOK_A4_HC"),
            Expected { { aGeneral }, { aDownloadedXml } });
    }

    void filesToLoad()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, whiteList);
        QFETCH(QStringList, blackList);
        QFETCH(QStringList, older);
        QFETCH(QStringList, articles);
        QFETCH(QList<QStringList>, expected);

        writeFiles(files);
        for (const QString& aFile : std::as_const(older))
            QVERIFY(makeOlder(path(aFile), 3600));
        reInit(whiteList, blackList);

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

    void logLines()
    {
        writeFiles({ "content/templates/categories/books-a.xml", "content/templates/categories/general.xml",
                     "content/designs/summer/page1.svg" });
        reInit({ BOOK + QStringLiteral("books-*") });

        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
        for (const char* aLine : { "assigned files: 1 unassigned files: 2", "to load", "books-a.xml", "general.xml",
                                   "page1.svg", "assigned files: 0 unassigned files: 0", "to load" })
            QTest::ignoreMessage(QtDebugMsg, aLine);
        // The assigned collection keeps its place before the unassigned one.
        QCOMPARE(relative(manager()->filesToLoad(article(QStringLiteral("BOOK_A4_HC")))),
                 words("content/templates/categories/books-a.xml content/templates/categories/general.xml "
                       "content/designs/summer/page1.svg"));
        QVERIFY(manager()->filesToLoad(article(QStringLiteral("BOOK_A4_HC"))).isEmpty());
    }

    void assignedFiles_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<QString>("article");
        QTest::addColumn<QStringList>("expected");

        row("pattern by pattern", words("zeta alpha"), "BOOK_A4_HC", words("alpha-zeta.xml zeta.xml alpha.xml"));
        row("a file named twice comes once", words("alpha *.xml"), "BOOK_A4_HC",
            words("alpha-zeta.xml alpha.xml zeta.xml"));
        row("letter case ignored", words("ZETA.XML"), "BOOK_A4_HC", words("alpha-zeta.xml zeta.xml"));
        row("another article", words("alpha"), "CAL_A3", QStringList());
        row("invalid article", words("alpha"), "NO_SUCH", QStringList());
    }

    void assignedFiles()
    {
        QFETCH(QStringList, patterns);
        QFETCH(QString, article);
        QFETCH(QStringList, expected);

        writeFiles({ "content/templates/alpha-zeta.xml", "content/templates/alpha.xml", "content/templates/zeta.xml" });
        reInit({ BOOK + patterns.join(QLatin1Char('\t')) });
        QStringList aNames;
        for (const LMTemplateSourceFile& aFile : manager()->assignedFiles(::article(article)))
            aNames.append(aFile.fileInfo().fileName());
        QCOMPARE(aNames, expected);
    }

    void markFilesLoaded()
    {
        writeFiles({ "content/templates/a.xml", "content/templates/b.xml", "content/designs/x/page1.svg" });
        reInit({ BOOK + QStringLiteral("b.xml") });
        QCOMPARE(manager()->unloadedFiles().size(), 3);
        QCOMPARE(sorted(relative(manager()->unassignedFiles())),
                 words("content/designs/x/page1.svg content/templates/a.xml"));

        manager()->markFilesLoaded(LMTemplateSourceFileList(QStringList {
            path(QStringLiteral("content/templates/a.xml")), path(QStringLiteral("content/templates/b.xml")),
            path(QStringLiteral("content/templates/unknown.xml")) }));
        QCOMPARE(relative(manager()->unloadedFiles()), words("content/designs/x/page1.svg"));
        QCOMPARE(relative(manager()->unassignedFiles()), words("content/designs/x/page1.svg"));
        QCOMPARE(relative(manager()->filesToLoad(article(QStringLiteral("BOOK_A4_HC")))),
                 words("content/designs/x/page1.svg"));
        QVERIFY(manager()->unloadedFiles().isEmpty());
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

    void reInitRescans()
    {
        writeFiles({ "content/templates/a.xml", "content/designs/x/page1.svg" });
        manager()->reInit();
        const LMArticle aBook = article(QStringLiteral("BOOK_A4_HC"));
        QCOMPARE(manager()->filesToLoad(aBook).size(), 2);

        writeFiles({ "content/templates/new.xml", "user/downloads/designs/y/page1.svg" });
        QVERIFY(manager()->filesToLoad(aBook).isEmpty());
        reInit({}, { "a.xml" });
        QCOMPARE(sorted(relative(manager()->filesToLoad(aBook))),
                 words("content/designs/x/page1.svg content/templates/new.xml user/downloads/designs/y/page1.svg"));
        QCOMPARE(manager()->blackList(), words("a.xml"));

        // A content root elsewhere: the preinstalled folder is looked up anew.
        writeFiles({ "content-moved/designs/x/page1.svg", "user/downloads/designs/x/page1.svg" });
        QVERIFY(makeOlder(path(QStringLiteral("content-moved/designs/x/page1.svg")), 3600));
        LMDirectoryConfig::instance()->setContentRoot(path(QStringLiteral("content-moved")));
        manager()->reInit();
        QCOMPARE(relative(manager()->filesToLoad(aBook)),
                 words("user/downloads/designs/x/page1.svg user/downloads/designs/y/page1.svg"));
    }

    void unassignedFiles_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<bool>("fromWorkerThread");

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
        QFETCH(bool, fromWorkerThread);

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
            LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"),
                                     whiteListText({ BOOK + patterns.join(QLatin1Char('\t')) }));
        if (fromWorkerThread)
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

    void joinAllAssignedFiles_data()
    {
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("shortNames");

        row("no white list", QStringList(), words("/a.xml"));
        row("two groups",
            QStringList { BOOK + QStringLiteral("books-*.xml\ta.b"),
                          CALENDARS + QStringLiteral("calendars/*\tKal.XML") },
            QStringList { "/books-1.xml", "/BOOKS-2.XML", "/books.svg", "calendars/x/y.svg", "/a.b", "/axb", "/kal.xml",
                          "/other.xml", "" });
    }

    void joinAllAssignedFiles()
    {
        QFETCH(QStringList, groups);
        QFETCH(QStringList, shortNames);

        reInit(groups);
        const QString aJoined = manager()->joinAllAssignedFiles();
        QCOMPARE(aJoined.isEmpty(), groups.isEmpty());
        if (aJoined.isEmpty())
            return;
        const QRegularExpression anExpression(aJoined);
        QVERIFY2(anExpression.isValid(), qPrintable(anExpression.errorString()));
        const QList<QRegularExpression> aSingles = manager()->whiteList().allFilesRx();
        for (const QString& aName : std::as_const(shortNames)) {
            const bool anyMatches
                = std::any_of(aSingles.cbegin(), aSingles.cend(),
                              [&aName](const QRegularExpression& theOne) { return theOne.match(aName).hasMatch(); });
            QVERIFY2(anExpression.match(aName).hasMatch() == anyMatches, qPrintable(aName));
        }
    }

private:
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
            LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"), whiteListText(theWhiteList));
        if (!theBlackList.isEmpty())
            LMTestSupport::writeFile(*myDir, QStringLiteral("content/black_list.conf"), blackListText(theBlackList));
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

QTEST_GUILESS_MAIN(TestTemplateFileManager)
#include "tst_templatefilemanager.moc"
