#include "LMArticle.h"
#include "LMDirectoryConfig.h"
#include "LMPlatformIndependent.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateWhiteList.h"
#include "LMTestSupport.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

namespace {

const QByteArray CATALOGUE = R"({
    "articles": [
        {"id": 1001, "orderName": "BOOK_A4_HC", "class": "photobook", "orientation": "portrait"},
        {"id": 1002, "orderName": "BOOK_A5_SC", "class": "photobook", "orientation": "landscape"},
        {"id": 2001, "orderName": "CAL_A3", "class": "calendar", "orientation": "portrait"},
        {"id": 3001, "orderName": "POSTER_XL", "class": "poster", "orientation": "portrait"}
    ]
})";

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

const QString BOOK = QStringLiteral("<product>BOOK_A4_HC</product>");
const QString CALENDARS = QStringLiteral("<type>calendar</type>");

QStringList sorted(QStringList theList)
{
    theList.sort();
    return theList;
}

} // namespace

// The template file manager on a content tree of its own: which files load for which article,
// the white and black lists, duplicates between preinstalled and downloaded content, the parallel
// matching, rescans; and the directory configuration and folder listing it relies on.
class TestTemplateFileManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void directoryConfig_data();
    void directoryConfig();
    void templateDirectories_data();
    void templateDirectories();
    void getFilesInDirectory_data();
    void getFilesInDirectory();
    void allFiles();
    void parseBlacklist_data();
    void parseBlacklist();
    void filesToLoad_data();
    void filesToLoad();
    void logLines();
    void assignedFiles_data();
    void assignedFiles();
    void markFilesLoaded();
    void markFilesLoadedFromSeveralThreads();
    void reInitRescans();
    void unassignedFiles_data();
    void unassignedFiles();
    void joinAllAssignedFiles_data();
    void joinAllAssignedFiles();

private:
    QString path(const QString& theRelative) const { return myDir->filePath(theRelative); }
    void writeFiles(const QStringList& theRelativePaths);
    QStringList relative(const LMTemplateSourceFileList& theFiles) const;
    LMTemplateFileManager* manager() const { return LMTemplateFileManager::instance(); }

    std::unique_ptr<QTemporaryDir> myDir;
};

void TestTemplateFileManager::init()
{
    myDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lm-files-XXXXXX"));
    QVERIFY(myDir->isValid());
    QVERIFY2(LMTemplateSourceFile::shortNameOf(myDir->path()) == myDir->path(),
             "the temporary path must not look like a content tree");
    LMTestSupport::writeFile(*myDir, QStringLiteral("content/products/catalogue.json"), CATALOGUE);
    QVERIFY(QDir().mkpath(path(QStringLiteral("user"))));
    LMDirectoryConfig::instance()->setContentRoot(path(QStringLiteral("content")));
    LMDirectoryConfig::instance()->setUserDataDir(path(QStringLiteral("user")));
    QVERIFY(LMProductCatalogue::instance()->reload());
}

void TestTemplateFileManager::cleanup()
{
    QLoggingCategory::setFilterRules(QString());
    myDir.reset();
}

void TestTemplateFileManager::writeFiles(const QStringList& theRelativePaths)
{
    for (const QString& aPath : theRelativePaths)
        LMTestSupport::writeFile(*myDir, aPath, QByteArrayLiteral("<templates/>\n"));
}

QStringList TestTemplateFileManager::relative(const LMTemplateSourceFileList& theFiles) const
{
    QStringList aPaths;
    const QDir aRoot(myDir->path());
    for (const LMTemplateSourceFile& aFile : theFiles)
        aPaths.append(aRoot.relativeFilePath(aFile.fullName()));
    return aPaths;
}

void TestTemplateFileManager::directoryConfig_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");

    QTest::newRow("designs") << 0x1 << "designs";
    QTest::newRow("templates") << 0x20 << "templates";
    QTest::newRow("calendars") << 0x10000 << "calendars";
    QTest::newRow("games") << 0x20000 << "games";
    QTest::newRow("cards") << 0x40000 << "cards";
    QTest::newRow("none") << 0 << "";
    QTest::newRow("two kinds at once") << 0x21 << "";
    QTest::newRow("negative") << -1 << "";
}

void TestTemplateFileManager::directoryConfig()
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

void TestTemplateFileManager::templateDirectories_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("content only") << QStringList { "content/designs", "content/templates" }
                                  << QStringList { "content/templates", "content/designs" };
    QTest::newRow("downloads only") << QStringList { "user/downloads/designs" }
                                    << QStringList { "user/downloads/designs" };
    QTest::newRow("all four") << QStringList {
        "content/designs", "content/templates", "user/downloads/templates", "user/downloads/designs"
    } << QStringList { "content/templates", "content/designs", "user/downloads/templates", "user/downloads/designs" };
    QTest::newRow("other folders do not count") << QStringList { "content/design", "user/templates" } << QStringList();
}

void TestTemplateFileManager::templateDirectories()
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

void TestTemplateFileManager::getFilesInDirectory_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<bool>("withDirectories");
    QTest::addColumn<int>("maxDepth");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("xml everywhere") << "*.xml" << true << false << 0
                                    << QStringList { "a.xml", "sub/c.xml", "sub/deep/d.xml", "ü/ö.xml" };
    QTest::newRow("not recursive") << "*.xml" << false << false << 0 << QStringList { "a.xml" };
    QTest::newRow("not recursive ignores the depth") << "*.xml" << false << false << 3 << QStringList { "a.xml" };
    QTest::newRow("depth one") << "*.xml" << true << false << 1 << QStringList { "a.xml" };
    QTest::newRow("depth two") << "*.xml" << true << false << 2 << QStringList { "a.xml", "sub/c.xml", "ü/ö.xml" };
    QTest::newRow("letter case ignored") << "*.svg" << true << false << 0 << QStringList { "B1.SVG", "sub/deep/e.svg" };
    QTest::newRow("several filters") << "*.txt; *.svg" << true << false << 0
                                     << QStringList { "B1.SVG", "notes.txt", "sub/deep/deeper.txt", "sub/deep/e.svg" };
    QTest::newRow("question mark") << "?.xml" << true << false << 0
                                   << QStringList { "a.xml", "sub/c.xml", "sub/deep/d.xml", "ü/ö.xml" };
    QTest::newRow("name in the middle") << "*deep*" << true << false << 0 << QStringList { "sub/deep/deeper.txt" };
    QTest::newRow("with folders") << "*.txt" << true << true << 0
                                  << QStringList { "notes.txt", "sub", "sub/deep", "sub/deep/deeper.txt", "ü" };
    QTest::newRow("with folders, depth two")
        << "*.txt" << true << true << 2 << QStringList { "notes.txt", "sub", "sub/deep", "ü" };
    QTest::newRow("empty filter takes every file")
        << "" << false << false << 0 << QStringList { "B1.SVG", "a.xml", "notes.txt" };
    QTest::newRow("nothing matches") << "*.json" << true << false << 0 << QStringList();
}

void TestTemplateFileManager::getFilesInDirectory()
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
    const QStringList aPaths
        = LMPlatformIndependent::getFilesInDirectory(aTree, filter, recursive, withDirectories, maxDepth);
    QStringList anExpected;
    for (const QString& aRelative : std::as_const(expected))
        anExpected.append(aTree.absoluteFilePath(aRelative));
    QCOMPARE(aPaths, anExpected);

    QVERIFY(LMPlatformIndependent::getFilesInDirectory(QDir(path(QStringLiteral("missing"))), filter, recursive,
                                                       withDirectories, maxDepth)
                .isEmpty());
}

void TestTemplateFileManager::allFiles()
{
    writeFiles({ "content/templates/categories/a.xml", "content/templates/categories/x/b.xml",
                 "content/templates/categories/notes.txt", "content/designs/summer/page1.svg",
                 "content/designs/summer/page2.svg", "content/designs/calendars/2024-cal-a/2024-cal-a_01.svg",
                 "content/designs/calendars/2024-cal-a/cover.svg", "content/other/c.xml",
                 "user/downloads/designs/summer/page1.svg", "user/downloads/templates/d.xml",
                 "elsewhere/designs/far/page1.svg" });
    QVERIFY(QFile::link(path(QStringLiteral("elsewhere/designs/far")), path(QStringLiteral("content/designs/far"))));

    const QStringList anExpected { "content/designs/calendars/2024-cal-a/2024-cal-a_01.svg",
                                   "content/designs/summer/page1.svg",
                                   "content/templates/categories/a.xml",
                                   "content/templates/categories/x/b.xml",
                                   "user/downloads/designs/summer/page1.svg",
                                   "user/downloads/templates/d.xml" };
    const LMTemplateSourceFileList aFiles = manager()->allFiles();
    QCOMPARE(sorted(relative(aFiles)), anExpected);
    QCOMPARE(aFiles.asSet().size(), aFiles.size());

    QCOMPARE(sorted(relative(LMTemplateFileManager::fileList(QDir(path(QStringLiteral("content/designs"))),
                                                             QStringLiteral("*.svg"), false))),
             QStringList({ "content/designs/calendars/2024-cal-a/2024-cal-a_01.svg",
                           "content/designs/calendars/2024-cal-a/cover.svg", "content/designs/summer/page1.svg",
                           "content/designs/summer/page2.svg" }));
}

void TestTemplateFileManager::parseBlacklist_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("missing") << QByteArray() << QString() << QStringList();
    QTest::newRow("folder pattern loses its star")
        << blackListText({ "*/foo/*" }) << QString() << QStringList { "/foo/*" };
    QTest::newRow("other stars stay") << blackListText({ "*foo/*", "**/x", "a/*/b" }) << QString()
                                      << QStringList { "*foo/*", "**/x", "a/*/b" };
    QTest::newRow("empty names skipped") << blackListText({ "", "a.xml", "" }) << QString() << QStringList { "a.xml" };
    QTest::newRow("any element name and root")
        << QByteArray("<list><files><file name=\"a.xml\"/><entry name=\"b.xml\"/><x/></files></list>") << QString()
        << QStringList { "a.xml", "b.xml" };
    QTest::newRow("only the first files element")
        << QByteArray("<b><files><f name=\"a.xml\"/></files><files><f name=\"b.xml\"/></files></b>") << QString()
        << QStringList { "a.xml" };
    QTest::newRow("no files element") << QByteArray("<b><file name=\"a.xml\"/></b>") << QString() << QStringList();
    QTest::newRow("unicode") << blackListText({ QStringLiteral("*/Grüße/*") }) << QString()
                             << QStringList { QStringLiteral("/Grüße/*") };
    QTest::newRow("malformed") << QByteArray("<b><files><f name=\"a.xml\"></files>")
                               << "malformed XML file .*black_list" << QStringList();
    QTest::newRow("empty file") << QByteArray("") << ".*black_list\\.conf" << QStringList();
}

void TestTemplateFileManager::parseBlacklist()
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

void TestTemplateFileManager::filesToLoad_data()
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
    const QString aSummer2 = QStringLiteral("content/designs/summer/page2.svg");
    const QString aDefault = QStringLiteral("content/templates/categories/backgrounds_default.xml");
    const QStringList aTree { aBooksA, aGeneral, aCal1, aCal2, aSummer, aSummer2, aDefault };
    const QStringList aWhiteList { BOOK + QStringLiteral("\tbooks-*.xml"),
                                   CALENDARS + QStringLiteral("\tcalendars/*") };

    QTest::newRow("no white list: all with the first article")
        << aTree << QStringList() << QStringList() << QStringList() << QStringList { "BOOK_A4_HC", "CAL_A3" }
        << QList<QStringList> { { aBooksA, aGeneral, aCal1, aCal2, aSummer }, {} };
    QTest::newRow("book first") << aTree << aWhiteList << QStringList() << QStringList()
                                << QStringList { "BOOK_A4_HC", "CAL_A3", "POSTER_XL" }
                                << QList<QStringList> { { aBooksA, aGeneral, aSummer }, { aCal1, aCal2 }, {} };
    QTest::newRow("calendar first") << aTree << aWhiteList << QStringList() << QStringList()
                                    << QStringList { "CAL_A3", "BOOK_A4_HC" }
                                    << QList<QStringList> { { aGeneral, aCal1, aCal2, aSummer }, { aBooksA } };
    QTest::newRow("an article not named gets the unassigned files only")
        << aTree << aWhiteList << QStringList() << QStringList() << QStringList { "POSTER_XL", "BOOK_A4_HC" }
        << QList<QStringList> { { aGeneral, aSummer }, { aBooksA } };
    QTest::newRow("same article twice") << aTree << aWhiteList << QStringList() << QStringList()
                                        << QStringList { "BOOK_A4_HC", "BOOK_A4_HC" }
                                        << QList<QStringList> { { aBooksA, aGeneral, aSummer }, {} };
    QTest::newRow("invalid article") << aTree << aWhiteList << QStringList() << QStringList()
                                     << QStringList { "NO_SUCH_ARTICLE", "BOOK_A4_HC" }
                                     << QList<QStringList> { { aGeneral, aSummer }, { aBooksA } };
    QTest::newRow("default backgrounds never, even white-listed")
        << aTree << QStringList { BOOK + QStringLiteral("\tbackgrounds_default.xml\tbooks-*") } << QStringList()
        << QStringList() << QStringList { "BOOK_A4_HC", "CAL_A3" }
        << QList<QStringList> { { aBooksA, aGeneral, aCal1, aCal2, aSummer }, {} };

    const QStringList aFooTree { "content/templates/categories/foo/x.xml", "content/templates/categories/foobar/y.xml",
                                 "content/designs/foo/page1.svg", "content/designs/bar/page1.svg" };
    QTest::newRow("black list */foo/*: folders below templates")
        << aFooTree << QStringList() << QStringList { "*/foo/*" } << QStringList() << QStringList { "BOOK_A4_HC" }
        << QList<QStringList> { { "content/templates/categories/foobar/y.xml", "content/designs/foo/page1.svg",
                                  "content/designs/bar/page1.svg" } };
    QTest::newRow("black list by name and suffix")
        << aFooTree << QStringList() << QStringList { "y.xml", "*.SVG" } << QStringList()
        << QStringList { "BOOK_A4_HC" } << QList<QStringList> { { "content/templates/categories/foo/x.xml" } };
    QTest::newRow("black list beats the white list")
        << aTree << aWhiteList << QStringList { "books-a" } << QStringList() << QStringList { "BOOK_A4_HC", "CAL_A3" }
        << QList<QStringList> { { aGeneral, aSummer }, { aCal1, aCal2 } };

    const QString aDownloaded = QStringLiteral("user/downloads/designs/summer/page1.svg");
    const QString aDownloadedXml = QStringLiteral("user/downloads/templates/categories/books-b.xml");
    QTest::newRow("newer download replaces the preinstalled copy")
        << QStringList { aSummer, aDownloaded, aGeneral } << QStringList() << QStringList() << QStringList { aSummer }
        << QStringList { "BOOK_A4_HC", "CAL_A3" } << QList<QStringList> { { aGeneral, aDownloaded }, {} };
    QTest::newRow("newer preinstalled copy stays")
        << QStringList { aSummer, aDownloaded, aGeneral } << QStringList() << QStringList()
        << QStringList { aDownloaded } << QStringList { "BOOK_A4_HC", "CAL_A3" }
        << QList<QStringList> { { aGeneral, aSummer }, {} };
    QTest::newRow("both copies assigned: the newer one")
        << QStringList { aSummer, aDownloaded, aGeneral } << QStringList { CALENDARS + QStringLiteral("\tsummer") }
        << QStringList() << QStringList { aSummer } << QStringList { "BOOK_A4_HC", "CAL_A3", "BOOK_A5_SC" }
        << QList<QStringList> { { aGeneral }, { aDownloaded }, {} };
    QTest::newRow("downloaded collection assigned")
        << QStringList { aGeneral, aDownloadedXml } << QStringList { BOOK + QStringLiteral("\tbooks-*") }
        << QStringList() << QStringList() << QStringList { "CAL_A3", "BOOK_A4_HC" }
        << QList<QStringList> { { aGeneral }, { aDownloadedXml } };
}

void TestTemplateFileManager::filesToLoad()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, whiteList);
    QFETCH(QStringList, blackList);
    QFETCH(QStringList, older);
    QFETCH(QStringList, articles);
    QFETCH(QList<QStringList>, expected);

    writeFiles(files);
    const QDateTime anHourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    for (const QString& aFile : std::as_const(older)) {
        QFile anOld(path(aFile));
        QVERIFY(anOld.open(QIODevice::ReadWrite));
        QVERIFY(anOld.setFileTime(anHourAgo, QFileDevice::FileModificationTime));
    }
    if (!whiteList.isEmpty())
        LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"), whiteListText(whiteList));
    if (!blackList.isEmpty())
        LMTestSupport::writeFile(*myDir, QStringLiteral("content/black_list.conf"), blackListText(blackList));
    manager()->reInit();

    QCOMPARE(articles.size(), expected.size());
    for (qsizetype anIndex = 0; anIndex < articles.size(); ++anIndex) {
        const LMTemplateSourceFileList aFiles
            = manager()->filesToLoad(LMArticle::fromOrderTxtName(articles.at(anIndex)));
        const QStringList aLoaded = relative(aFiles);
        QCOMPARE(sorted(aLoaded), sorted(expected.at(anIndex)));
        // Collections come before SVG pages.
        const auto aFirstSvg = std::find_if(aFiles.cbegin(), aFiles.cend(),
                                            [](const LMTemplateSourceFile& theFile) { return theFile.isSvgFile(); });
        QVERIFY(std::all_of(aFirstSvg, aFiles.cend(),
                            [](const LMTemplateSourceFile& theFile) { return theFile.isSvgFile(); }));
        const QSet<LMTemplateSourceFile> aStillUnloaded = manager()->unloadedFiles().asSet();
        for (const LMTemplateSourceFile& aFile : aFiles)
            QVERIFY2(!aStillUnloaded.contains(aFile), qPrintable(aFile.fullName()));
    }
}

void TestTemplateFileManager::logLines()
{
    writeFiles({ "content/templates/categories/books-a.xml", "content/templates/categories/general.xml",
                 "content/designs/summer/page1.svg" });
    LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"),
                             whiteListText({ BOOK + QStringLiteral("\tbooks-*") }));
    manager()->reInit();

    QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "assigned files: 1 unassigned files: 2");
    QTest::ignoreMessage(QtDebugMsg, "to load");
    QTest::ignoreMessage(QtDebugMsg, "books-a.xml");
    QTest::ignoreMessage(QtDebugMsg, "general.xml");
    QTest::ignoreMessage(QtDebugMsg, "page1.svg");
    const LMTemplateSourceFileList aFiles
        = manager()->filesToLoad(LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC")));
    // The assigned collection keeps its place before the unassigned one.
    QCOMPARE(relative(aFiles),
             QStringList({ "content/templates/categories/books-a.xml", "content/templates/categories/general.xml",
                           "content/designs/summer/page1.svg" }));

    QTest::ignoreMessage(QtDebugMsg, "assigned files: 0 unassigned files: 0");
    QTest::ignoreMessage(QtDebugMsg, "to load");
    QVERIFY(manager()->filesToLoad(LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC"))).isEmpty());
}

void TestTemplateFileManager::assignedFiles_data()
{
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QString>("article");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("pattern by pattern") << QStringList { "zeta", "alpha" } << "BOOK_A4_HC"
                                        << QStringList { "alpha-zeta.xml", "zeta.xml", "alpha.xml" };
    QTest::newRow("a file named twice comes once") << QStringList { "alpha", "*.xml" } << "BOOK_A4_HC"
                                                   << QStringList { "alpha-zeta.xml", "alpha.xml", "zeta.xml" };
    QTest::newRow("letter case ignored") << QStringList { "ZETA.XML" } << "BOOK_A4_HC"
                                         << QStringList { "alpha-zeta.xml", "zeta.xml" };
    QTest::newRow("another article") << QStringList { "alpha" } << "CAL_A3" << QStringList();
    QTest::newRow("invalid article") << QStringList { "alpha" } << "NO_SUCH" << QStringList();
    QTest::newRow("pattern naming nothing") << QStringList { "omega" } << "BOOK_A4_HC" << QStringList();
}

void TestTemplateFileManager::assignedFiles()
{
    QFETCH(QStringList, patterns);
    QFETCH(QString, article);
    QFETCH(QStringList, expected);

    writeFiles({ "content/templates/alpha-zeta.xml", "content/templates/alpha.xml", "content/templates/zeta.xml" });
    LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"),
                             whiteListText({ BOOK + QLatin1Char('\t') + patterns.join(QLatin1Char('\t')) }));
    manager()->reInit();

    QStringList aNames;
    for (const LMTemplateSourceFile& aFile : manager()->assignedFiles(LMArticle::fromOrderTxtName(article)))
        aNames.append(aFile.fileInfo().fileName());
    QCOMPARE(aNames, expected);
}

void TestTemplateFileManager::markFilesLoaded()
{
    writeFiles({ "content/templates/a.xml", "content/templates/b.xml", "content/designs/x/page1.svg" });
    LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"),
                             whiteListText({ BOOK + QStringLiteral("\tb.xml") }));
    manager()->reInit();
    QCOMPARE(manager()->unloadedFiles().size(), 3);
    QCOMPARE(sorted(relative(manager()->unassignedFiles())),
             QStringList({ "content/designs/x/page1.svg", "content/templates/a.xml" }));

    manager()->markFilesLoaded(LMTemplateSourceFileList(
        QStringList { path(QStringLiteral("content/templates/a.xml")), path(QStringLiteral("content/templates/b.xml")),
                      path(QStringLiteral("content/templates/unknown.xml")) }));
    QCOMPARE(relative(manager()->unloadedFiles()), QStringList({ "content/designs/x/page1.svg" }));
    QCOMPARE(relative(manager()->unassignedFiles()), QStringList({ "content/designs/x/page1.svg" }));
    QCOMPARE(relative(manager()->filesToLoad(LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC")))),
             QStringList({ "content/designs/x/page1.svg" }));
    QVERIFY(manager()->unloadedFiles().isEmpty());
}

void TestTemplateFileManager::markFilesLoadedFromSeveralThreads()
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

void TestTemplateFileManager::reInitRescans()
{
    writeFiles({ "content/templates/a.xml", "content/designs/x/page1.svg" });
    manager()->reInit();
    const LMArticle aBook = LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC"));
    QCOMPARE(manager()->filesToLoad(aBook).size(), 2);

    writeFiles({ "content/templates/new.xml", "user/downloads/designs/y/page1.svg" });
    QVERIFY(manager()->filesToLoad(aBook).isEmpty());
    LMTestSupport::writeFile(*myDir, QStringLiteral("content/black_list.conf"), blackListText({ "a.xml" }));
    manager()->reInit();
    QCOMPARE(sorted(relative(manager()->filesToLoad(aBook))),
             QStringList(
                 { "content/designs/x/page1.svg", "content/templates/new.xml", "user/downloads/designs/y/page1.svg" }));
    QCOMPARE(manager()->blackList(), QStringList({ "a.xml" }));

    // A content root elsewhere: the preinstalled folder is looked up anew.
    const QString anOtherRoot = path(QStringLiteral("content-moved"));
    writeFiles({ "content-moved/designs/x/page1.svg", "user/downloads/designs/x/page1.svg" });
    QFile anOld(path(QStringLiteral("content-moved/designs/x/page1.svg")));
    QVERIFY(anOld.open(QIODevice::ReadWrite));
    QVERIFY(anOld.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    LMDirectoryConfig::instance()->setContentRoot(anOtherRoot);
    manager()->reInit();
    QCOMPARE(relative(manager()->filesToLoad(aBook)),
             QStringList({ "user/downloads/designs/x/page1.svg", "user/downloads/designs/y/page1.svg" }));
}

void TestTemplateFileManager::unassignedFiles_data()
{
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<bool>("fromWorkerThread");

    QTest::newRow("no patterns") << QStringList() << false;
    QTest::newRow("literal parts") << QStringList { "alpha-1*.xml", "gamma-3", "delta-4*" } << false;
    QTest::newRow("letter case") << QStringList { "ALPHA-1", "Beta-5", "DeLtA-" } << false;
    QTest::newRow("expression syntax") << QStringList {
        "(alpha|gamma)-1[0-9].xml", "beta-?5", "^/gen/delta-1", "x(y)-", "b{2}", "a+l"
    } << false;
    QTest::newRow("unicode letter case") << QStringList { "KELVIN-1", QStringLiteral("\u212Aelvin-2"), "STRASSE",
                                                          QStringLiteral("STRAßE-3"), QStringLiteral("ſtraße-4") }
                                         << false;
    QTest::newRow("dots and backslashes") << QStringList { "gen/beta-1.", "a\\b", "1.xml" } << false;
    QTest::newRow("shared beginnings") << QStringList { "alpha-1", "alpha-2", "alph", "ALPHA-3*.xml", "kelv" } << false;
    QTest::newRow("short texts") << QStringList { "bb", "7.x", "-1", "a" } << false;
    QTest::newRow("text at the very end") << QStringList { "9.XML" } << false;
    QTest::newRow("four letters at the very end") << QStringList { ".XML" } << false;
    QTest::newRow("everything") << QStringList { "*" } << false;
    QTest::newRow("from a worker thread") << QStringList { "alpha-1*.xml", "GAMMA", "*-7.*" } << true;
}

void TestTemplateFileManager::unassignedFiles()
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
                                 whiteListText({ BOOK + QLatin1Char('\t') + patterns.join(QLatin1Char('\t')) }));
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
    if (patterns.isEmpty())
        QCOMPARE(manager()->unassignedFiles().size(), aFiles.size());
    if (patterns == QStringList { QStringLiteral("*") })
        QVERIFY(manager()->unassignedFiles().isEmpty());
}

void TestTemplateFileManager::joinAllAssignedFiles_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("shortNames");

    QTest::newRow("no white list") << QStringList() << QStringList { "/a.xml" };
    QTest::newRow("two groups") << QStringList { BOOK + QStringLiteral("\tbooks-*.xml\ta.b"),
                                                 CALENDARS + QStringLiteral("\tcalendars/*\tKal.XML") }
                                << QStringList { "/books-1.xml",      "/BOOKS-2.XML", "/books.svg",
                                                 "calendars/x/y.svg", "/a.b",         "/axb",
                                                 "/kal.xml",          "/other.xml",   "" };
}

void TestTemplateFileManager::joinAllAssignedFiles()
{
    QFETCH(QStringList, groups);
    QFETCH(QStringList, shortNames);

    if (!groups.isEmpty())
        LMTestSupport::writeFile(*myDir, QStringLiteral("content/white_list.conf"), whiteListText(groups));
    manager()->reInit();
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

QTEST_GUILESS_MAIN(TestTemplateFileManager)
#include "tst_templatefilemanager.moc"
