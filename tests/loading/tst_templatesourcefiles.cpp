#include "LMDirectoryConfig.h"
#include "LMTemplateSourceFile.h"
#include "LMTemplateSourceFileList.h"
#include "LMTestSupport.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QtTest>

namespace {

// Entries of a duplicate table: "P:<path>" lies in the content root (preinstalled), "D:<path>" in
// the downloads folder, "O:<path>" in another folder of the user's; ":<age in seconds>" may follow.
struct Entry
{
    QString where;
    QString path;
    int age = -1;
};

Entry parseEntry(const QString& theText)
{
    const QStringList aParts = theText.split(QLatin1Char(':'));
    Entry anEntry { aParts.value(0), aParts.value(1), -1 };
    if (aParts.size() > 2)
        anEntry.age = aParts.at(2).toInt();
    return anEntry;
}

} // namespace

// Template source files: short names, which files start a design, which lie in the preinstalled
// content, and the selections and orderings of file lists.
class TestTemplateSourceFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void shortName_data();
    void shortName();
    void hookFile_data();
    void hookFile();
    void calendarPageFile_data();
    void calendarPageFile();
    void playingCardMasterFile_data();
    void playingCardMasterFile();
    void masterFile_data();
    void masterFile();
    void equalityAndHash_data();
    void equalityAndHash();
    void preInstalled_data();
    void preInstalled();
    void listFromPaths();
    void masterSVGs_data();
    void masterSVGs();
    void removeUnwantedFiles_data();
    void removeUnwantedFiles();
    void removeDuplicateTemplates_data();
    void removeDuplicateTemplates();
    void sortXmlBeforeSvg_data();
    void sortXmlBeforeSvg();
    void dumpWritesEveryFile();

private:
    QString root() const { return myDir.filePath(QStringLiteral("content")); }
    QString pathOf(const Entry& theEntry) const;
    QString entryOf(const LMTemplateSourceFile& theFile) const;
    QStringList entriesOf(const LMTemplateSourceFileList& theFiles) const;

    // The test's own name holds "templates", which would cut short names inside the temporary path.
    QTemporaryDir myDir { QDir::tempPath() + QStringLiteral("/lm-files-XXXXXX") };
};

void TestTemplateSourceFiles::initTestCase()
{
    QVERIFY(myDir.isValid());
    QVERIFY2(LMTemplateSourceFile::shortNameOf(myDir.path()) == myDir.path(),
             "the temporary path must not look like a content tree");
    QVERIFY(QDir().mkpath(root()));
    LMDirectoryConfig::instance()->setContentRoot(root());
    LMDirectoryConfig::instance()->setUserDataDir(myDir.filePath(QStringLiteral("user")));
    LMTemplateSourceFile::refreshPreInstalledDirectory();
}

void TestTemplateSourceFiles::cleanup()
{
    QLoggingCategory::setFilterRules(QString());
}

QString TestTemplateSourceFiles::pathOf(const Entry& theEntry) const
{
    if (theEntry.where == QLatin1String("P"))
        return root() + QLatin1Char('/') + theEntry.path;
    if (theEntry.where == QLatin1String("D"))
        return LMDirectoryConfig::instance()->downloadsDirectory() + QLatin1Char('/') + theEntry.path;
    return myDir.filePath(QStringLiteral("user/other/") + theEntry.path);
}

QString TestTemplateSourceFiles::entryOf(const LMTemplateSourceFile& theFile) const
{
    for (const QString& aWhere : { QStringLiteral("P"), QStringLiteral("D"), QStringLiteral("O") }) {
        const QString aPrefix = pathOf(Entry { aWhere, QString(), -1 });
        if (theFile.fullName().startsWith(aPrefix))
            return aWhere + QLatin1Char(':') + theFile.fullName().mid(aPrefix.size());
    }
    return theFile.fullName();
}

QStringList TestTemplateSourceFiles::entriesOf(const LMTemplateSourceFileList& theFiles) const
{
    QStringList anEntries;
    for (const LMTemplateSourceFile& aFile : theFiles)
        anEntries.append(entryOf(aFile));
    return anEntries;
}

void TestTemplateSourceFiles::shortName_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("shortName");

    QTest::newRow("templates keeps the slash") << "/c/templates/categories/a.xml"
                                               << "/categories/a.xml";
    QTest::newRow("designs drops the slash") << "/c/designs/calendars/2024-cal-a/2024-cal-a_01.svg"
                                             << "calendars/2024-cal-a/2024-cal-a_01.svg";
    QTest::newRow("last templates counts") << "/c/templates/x/templates/b.xml"
                                           << "/b.xml";
    QTest::newRow("last designs counts") << "/c/designs/x/designs/page1.svg"
                                         << "page1.svg";
    QTest::newRow("templates before designs") << "/c/designs/templates/a.svg"
                                              << "/a.svg";
    QTest::newRow("templates inside a file name") << "/c/designs/mytemplates.svg"
                                                  << ".svg";
    QTest::newRow("designs needs its slash") << "/c/designs"
                                             << "/c/designs";
    QTest::newRow("designs inside a folder name") << "/c/olddesigns/x/page1.svg"
                                                  << "x/page1.svg";
    QTest::newRow("letter case counts") << "/c/Templates/a.xml"
                                        << "/c/Templates/a.xml";
    QTest::newRow("neither") << "/c/other/a.xml"
                             << "/c/other/a.xml";
    QTest::newRow("relative") << "designs/a/page1.svg"
                              << "a/page1.svg";
    QTest::newRow("downloads") << "/u/downloads/templates/categories/a.xml"
                               << "/categories/a.xml";
    QTest::newRow("unicode") << "/c/Müller/designs/Sommer/Grüße1.svg"
                             << "Sommer/Grüße1.svg";
    QTest::newRow("backslashes are no separators") << "C:\\c\\designs\\a\\page1.svg"
                                                   << "C:\\c\\designs\\a\\page1.svg";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTemplateSourceFiles::shortName()
{
    QFETCH(QString, fullName);
    QFETCH(QString, shortName);

    const LMTemplateSourceFile aFile(fullName);
    QCOMPARE(aFile.fullName(), fullName);
    QCOMPARE(aFile.shortName(), shortName);
    QCOMPARE(LMTemplateSourceFile::shortNameOf(fullName), shortName);
}

void TestTemplateSourceFiles::hookFile_data()
{
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("hook");

    QTest::newRow("page1") << "page1.svg" << true;
    QTest::newRow("variant of page1") << "page1_back.svg" << true;
    QTest::newRow("in a folder") << "x/page1.svg" << true;
    QTest::newRow("page11") << "page11.svg" << false;
    QTest::newRow("page21") << "page21.svg" << false;
    QTest::newRow("page2") << "page2.svg" << false;
    QTest::newRow("no number") << "page.svg" << false;
    QTest::newRow("just 1.svg (too short)") << "1.svg" << false;
    QTest::newRow("shortest hook") << "a1.svg" << true;
    QTest::newRow("variant with a digit is no variant") << "page1_back2.svg" << false;
    QTest::newRow("variant cut at the first underscore") << "page1_a_b.svg" << true;
    QTest::newRow("underscore at the start is not cut") << "_back.svg" << false;
    QTest::newRow("underscore before the 1") << "x_1.svg" << true;
    QTest::newRow("underscore in the folder") << "dir_a/page1.svg" << true;
    QTest::newRow("upper-case suffix") << "page1.SVG" << true;
    QTest::newRow("upper-case variant") << "Page1_BACK.SVG" << true;
    QTest::newRow("another digit script before the 1") << QStringLiteral("page\u06631.svg") << false;
    QTest::newRow("variant with unicode text") << QStringLiteral("seite1_rückseite.svg") << true;
    QTest::newRow("empty") << "" << false;
}

void TestTemplateSourceFiles::hookFile()
{
    QFETCH(QString, shortName);
    QFETCH(bool, hook);
    QCOMPARE(LMTemplateSourceFile::isHookFile(shortName), hook);
}

void TestTemplateSourceFiles::calendarPageFile_data()
{
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("calendarPage");

    QTest::newRow("page of a calendar") << "2024-cal-a/2024-cal-a_01.svg" << true;
    QTest::newRow("below calendars") << "calendars/2024-cal-a/2024-cal-a_01.svg" << true;
    QTest::newRow("folder name alone") << "2024-cal-a/2024-cal-a" << true;
    QTest::newRow("one dash is not enough") << "cal-a/cal-a_01.svg" << false;
    QTest::newRow("two dashes in a row") << "a--/a--x.svg" << true;
    QTest::newRow("file of another name") << "2024-cal-a/other_01.svg" << false;
    QTest::newRow("no folder") << "2024-cal-a_01.svg" << false;
    QTest::newRow("no file name") << "2024-cal-a/" << false;
    QTest::newRow("letter case counts") << "2024-CAL-A/2024-cal-a_01.svg" << false;
    QTest::newRow("dashes only in the file") << "cal/cal-a-b.svg" << false;
    QTest::newRow("unicode") << QStringLiteral("2024-kalender-grün/2024-kalender-grün_01.svg") << true;
    QTest::newRow("empty") << "" << false;
}

void TestTemplateSourceFiles::calendarPageFile()
{
    QFETCH(QString, shortName);
    QFETCH(bool, calendarPage);
    QCOMPARE(LMTemplateSourceFile::isCalendarPageFile(shortName), calendarPage);
}

void TestTemplateSourceFiles::playingCardMasterFile_data()
{
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("master");

    QTest::newRow("upper case") << "games/PLC-poker.svg" << true;
    QTest::newRow("lower case") << "games/plc-poker.svg" << true;
    QTest::newRow("in the folder") << "games/PLC-set/card.svg" << true;
    QTest::newRow("underscore instead of dash") << "games/PLC_poker.svg" << false;
    QTest::newRow("without the dash") << "games/PLCpoker.svg" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTemplateSourceFiles::playingCardMasterFile()
{
    QFETCH(QString, shortName);
    QFETCH(bool, master);
    QCOMPARE(LMTemplateSourceFile::isPlayingCardMasterFile(shortName), master);
}

void TestTemplateSourceFiles::masterFile_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<bool>("svg");
    QTest::addColumn<bool>("master");

    QTest::newRow("first page") << "/c/designs/summer/page1.svg" << true << true;
    QTest::newRow("second page") << "/c/designs/summer/page2.svg" << true << false;
    QTest::newRow("collection is never master") << "/c/templates/categories/page1.xml" << false << false;
    QTest::newRow("svg in templates") << "/c/templates/page1.svg" << true << true;
    QTest::newRow("upper-case svg") << "/c/designs/summer/PAGE1.SVG" << true << true;
    QTest::newRow("svgz is no svg") << "/c/designs/summer/page1.svgz" << false << false;
    QTest::newRow("calendar page") << "/c/designs/calendars/2024-cal-a/2024-cal-a_01.svg" << true << true;
    QTest::newRow("later calendar page") << "/c/designs/calendars/2024-cal-a/2024-cal-a_07.svg" << true << true;
    QTest::newRow("hook file among calendars") << "/c/designs/calendars/x/page1.svg" << true << false;
    QTest::newRow("calendars as a name prefix") << "/c/designs/calendarsX/page1.svg" << true << false;
    QTest::newRow("card game master") << "/c/designs/cards/PLC-deck.svg" << true << true;
    QTest::newRow("card calendar page") << "/c/designs/cards/2024-card-a/2024-card-a_x.svg" << true << true;
    QTest::newRow("hook file among cards") << "/c/designs/cards/set/page1.svg" << true << false;
    QTest::newRow("game card master") << "/c/designs/games/PLC-deck.svg" << true << true;
    QTest::newRow("game first page") << "/c/designs/games/memory/page1.svg" << true << true;
    QTest::newRow("calendar page among games") << "/c/designs/games/2024-g-a/2024-g-a_01.svg" << true << false;
    QTest::newRow("card master elsewhere") << "/c/designs/other/PLC-deck.svg" << true << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestTemplateSourceFiles::masterFile()
{
    QFETCH(QString, fullName);
    QFETCH(bool, svg);
    QFETCH(bool, master);

    const LMTemplateSourceFile aFile(fullName);
    QCOMPARE(aFile.isSvgFile(), svg);
    QCOMPARE(aFile.isMasterFile(), master);
}

void TestTemplateSourceFiles::equalityAndHash_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<bool>("sameShortName");

    QTest::newRow("same path") << "/c/designs/a/page1.svg"
                               << "/c/designs/a/page1.svg" << true << true;
    QTest::newRow("copies in two trees") << "/c/designs/a/page1.svg"
                                         << "/u/downloads/designs/a/page1.svg" << false << true;
    QTest::newRow("different files") << "/c/designs/a/page1.svg"
                                     << "/c/designs/b/page1.svg" << false << false;
    QTest::newRow("letter case") << "/c/designs/a/page1.svg"
                                 << "/c/designs/A/page1.svg" << false << false;
}

void TestTemplateSourceFiles::equalityAndHash()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, equal);
    QFETCH(bool, sameShortName);

    const LMTemplateSourceFile aFirst(first);
    const LMTemplateSourceFile aSecond(second);
    QCOMPARE(aFirst == aSecond, equal);
    QCOMPARE(aFirst != aSecond, !equal);
    if (sameShortName)
        QCOMPARE(qHash(aFirst, 7), qHash(aSecond, 7));
    const LMTemplateSourceFileList aList { aFirst, aSecond };
    QCOMPARE(aList.asSet().size(), equal ? 1 : 2);
}

void TestTemplateSourceFiles::preInstalled_data()
{
    QTest::addColumn<QString>("relativeToTemp");
    QTest::addColumn<bool>("preInstalled");

    QTest::newRow("in the content root") << "content/designs/a/page1.svg" << true;
    QTest::newRow("deep in the content root") << "content/templates/categories/x/y.xml" << true;
    QTest::newRow("sibling with the same start") << "content2/designs/a/page1.svg" << false;
    QTest::newRow("downloads") << "user/downloads/designs/a/page1.svg" << false;
    QTest::newRow("the temporary folder") << "page1.svg" << false;
}

void TestTemplateSourceFiles::preInstalled()
{
    QFETCH(QString, relativeToTemp);
    QFETCH(bool, preInstalled);

    const LMTemplateSourceFile aFile(myDir.filePath(relativeToTemp));
    QCOMPARE(aFile.isPreInstalled(), preInstalled);
    const LMTemplateSourceFileList aList { LMTemplateSourceFile(QStringLiteral("/elsewhere/designs/page1.svg")),
                                           aFile };
    QCOMPARE(aList.preInstalled(), preInstalled ? LMTemplateSourceFileList { aFile } : LMTemplateSourceFileList());
    QVERIFY(!LMTemplateSourceFile(relativeToTemp).isPreInstalled());

    // A moved content root counts once it is looked up again.
    LMDirectoryConfig::instance()->setContentRoot(myDir.filePath(QStringLiteral("content2")));
    QCOMPARE(aFile.isPreInstalled(), preInstalled);
    LMTemplateSourceFile::refreshPreInstalledDirectory();
    QCOMPARE(aFile.isPreInstalled(), relativeToTemp.startsWith(QLatin1String("content2/")));
    LMDirectoryConfig::instance()->setContentRoot(root());
    LMTemplateSourceFile::refreshPreInstalledDirectory();
}

void TestTemplateSourceFiles::listFromPaths()
{
    const QStringList aPaths { QStringLiteral("/c/designs/b/page1.svg"), QStringLiteral("/c/templates/a.xml"),
                               QStringLiteral("/c/designs/b/page1.svg") };
    const LMTemplateSourceFileList aList(aPaths);
    QCOMPARE(aList.fullNames(), aPaths);
    QCOMPARE(aList.at(1).shortName(), QStringLiteral("/a.xml"));
    QCOMPARE(aList.asSet().size(), 2);
    QVERIFY(LMTemplateSourceFileList(QStringList()).isEmpty());
}

void TestTemplateSourceFiles::masterSVGs_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QStringList() << QStringList();
    QTest::newRow("collections stay, later pages go")
        << QStringList { "/c/designs/a/page2.svg", "/c/templates/b.xml", "/c/designs/a/page1.svg",
                         "/c/templates/c.json" }
        << QStringList { "/c/templates/b.xml", "/c/designs/a/page1.svg", "/c/templates/c.json" };
    QTest::newRow("duplicates stay") << QStringList { "/c/designs/a/page1.svg", "/c/designs/a/page1.svg" }
                                     << QStringList { "/c/designs/a/page1.svg", "/c/designs/a/page1.svg" };
}

void TestTemplateSourceFiles::masterSVGs()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, expected);

    const LMTemplateSourceFileList aList(paths);
    QCOMPARE(aList.masterSVGs().fullNames(), expected);
    QCOMPARE(aList.fullNames(), paths);
}

void TestTemplateSourceFiles::removeUnwantedFiles_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QStringList() << QStringList();
    QTest::newRow("the default backgrounds go")
        << QStringList { "/c/templates/categories/a.xml", "/c/templates/categories/backgrounds_default.xml",
                         "/c/designs/page1.svg" }
        << QStringList { "/c/templates/categories/a.xml", "/c/designs/page1.svg" };
    QTest::newRow("also in the downloads")
        << QStringList { "/u/downloads/templates/categories/backgrounds_default.xml" } << QStringList();
    QTest::newRow("contained is enough") << QStringList { "/c/templates/categories/backgrounds_default.xml.bak" }
                                         << QStringList();
    QTest::newRow("letter case counts") << QStringList { "/c/templates/Categories/backgrounds_default.xml" }
                                        << QStringList { "/c/templates/Categories/backgrounds_default.xml" };
    QTest::newRow("another folder") << QStringList { "/c/templates/backgrounds_default.xml" }
                                    << QStringList { "/c/templates/backgrounds_default.xml" };
}

void TestTemplateSourceFiles::removeUnwantedFiles()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, expected);

    QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
    for (const QString& aPath : std::as_const(paths)) {
        if (!expected.contains(aPath))
            QTest::ignoreMessage(QtDebugMsg, qPrintable(aPath + QStringLiteral(" die Datei lade ich nicht.")));
    }
    const LMTemplateSourceFileList aList(paths);
    QCOMPARE(aList.removeUnwantedFiles().fullNames(), expected);
    QCOMPARE(aList.fullNames(), paths);
}

void TestTemplateSourceFiles::removeDuplicateTemplates_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("dropped");

    QTest::newRow("empty") << QStringList() << QStringList() << QStringList();
    QTest::newRow("newer preinstalled copy stays")
        << QStringList { "P:designs/a/page1.svg:10", "D:designs/a/page1.svg:100" }
        << QStringList { "P:designs/a/page1.svg" } << QStringList { "D:designs/a/page1.svg" };
    QTest::newRow("newer downloaded copy stays")
        << QStringList { "P:designs/a/page1.svg:100", "D:designs/a/page1.svg:10" }
        << QStringList { "D:designs/a/page1.svg" } << QStringList { "P:designs/a/page1.svg" };
    QTest::newRow("equal times: the downloaded copy")
        << QStringList { "D:templates/categories/x.xml:50", "P:templates/categories/x.xml:50" }
        << QStringList { "D:templates/categories/x.xml" } << QStringList { "P:templates/categories/x.xml" };
    QTest::newRow("files of their own stay")
        << QStringList { "P:designs/a/page1.svg:10", "D:designs/b/page1.svg:100", "O:designs/c/page1.svg:5" }
        << QStringList { "P:designs/a/page1.svg", "D:designs/b/page1.svg", "O:designs/c/page1.svg" } << QStringList();
    QTest::newRow("order kept") << QStringList { "D:designs/x/page1.svg:100", "P:templates/a.xml:5",
                                                 "P:designs/x/page1.svg:10", "D:templates/b.xml:5" }
                                << QStringList { "P:templates/a.xml", "P:designs/x/page1.svg", "D:templates/b.xml" }
                                << QStringList { "D:designs/x/page1.svg" };
    QTest::newRow("of two other copies the later is compared")
        << QStringList { "P:designs/x/page1.svg:50", "D:designs/x/page1.svg:100", "O:designs/x/page1.svg:10" }
        << QStringList { "D:designs/x/page1.svg", "O:designs/x/page1.svg" } << QStringList { "P:designs/x/page1.svg" };
    QTest::newRow("two other copies, the preinstalled one newest")
        << QStringList { "P:designs/x/page1.svg:5", "D:designs/x/page1.svg:100", "O:designs/x/page1.svg:10" }
        << QStringList { "P:designs/x/page1.svg", "D:designs/x/page1.svg" } << QStringList { "O:designs/x/page1.svg" };
    QTest::newRow("missing files: the other copy")
        << QStringList { "P:designs/gone/page1.svg", "D:designs/gone/page1.svg" }
        << QStringList { "D:designs/gone/page1.svg" } << QStringList { "P:designs/gone/page1.svg" };
    QTest::newRow("only the other copy exists")
        << QStringList { "P:designs/half/page1.svg", "D:designs/half/page1.svg:100" }
        << QStringList { "D:designs/half/page1.svg" } << QStringList { "P:designs/half/page1.svg" };
    QTest::newRow("only the preinstalled copy exists")
        << QStringList { "P:designs/half2/page1.svg:100", "D:designs/half2/page1.svg" }
        << QStringList { "P:designs/half2/page1.svg" } << QStringList { "D:designs/half2/page1.svg" };
    QTest::newRow("same file twice") << QStringList { "P:templates/twice.xml:5", "P:templates/twice.xml:5" }
                                     << QStringList { "P:templates/twice.xml", "P:templates/twice.xml" }
                                     << QStringList();
}

void TestTemplateSourceFiles::removeDuplicateTemplates()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, dropped);

    const QDateTime aNow = QDateTime::currentDateTimeUtc();
    QStringList aPaths;
    for (const QString& aText : std::as_const(entries)) {
        const Entry anEntry = parseEntry(aText);
        const QString aPath = pathOf(anEntry);
        aPaths.append(aPath);
        if (anEntry.age < 0) {
            QFile::remove(aPath);
            continue;
        }
        QVERIFY(QDir().mkpath(QFileInfo(aPath).absolutePath()));
        QFile aFile(aPath);
        QVERIFY(aFile.open(QIODevice::WriteOnly));
        QVERIFY(aFile.setFileTime(aNow.addSecs(-anEntry.age), QFileDevice::FileModificationTime));
    }

    const LMTemplateSourceFileList aList(aPaths);
    const LMTemplateSourceFile aSentinel(QStringLiteral("/before/designs/page1.svg"));
    LMTemplateSourceFileList aDropped { aSentinel };
    QCOMPARE(entriesOf(aList.removeDuplicateTemplates(&aDropped)), kept);
    QCOMPARE(aDropped.value(0), aSentinel);
    QCOMPARE(entriesOf(aDropped.mid(1)), dropped);
    QCOMPARE(entriesOf(aList.removeDuplicateTemplates()), kept);
    QCOMPARE(aList.fullNames(), aPaths);
}

void TestTemplateSourceFiles::sortXmlBeforeSvg_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QStringList() << QStringList();
    QTest::newRow("mixed keeps each order") << QStringList {
        "/c/designs/b/page1.svg", "/c/templates/z.xml", "/c/designs/a/page1.svg", "/c/templates/a.xml"
    } << QStringList { "/c/templates/z.xml", "/c/templates/a.xml", "/c/designs/b/page1.svg", "/c/designs/a/page1.svg" };
    QTest::newRow("already sorted") << QStringList { "/c/templates/a.xml", "/c/designs/a/page1.svg" }
                                    << QStringList { "/c/templates/a.xml", "/c/designs/a/page1.svg" };
    QTest::newRow("only svg") << QStringList { "/c/designs/b/page1.svg", "/c/designs/a/page1.svg" }
                              << QStringList { "/c/designs/b/page1.svg", "/c/designs/a/page1.svg" };
    QTest::newRow("upper-case suffix is svg") << QStringList { "/c/designs/A1.SVG", "/c/templates/a.xml" }
                                              << QStringList { "/c/templates/a.xml", "/c/designs/A1.SVG" };
    QTest::newRow("svg in a folder name is not") << QStringList { "/c/designs/x1.svg", "/c/templates/a.svg/b.xml" }
                                                 << QStringList { "/c/templates/a.svg/b.xml", "/c/designs/x1.svg" };
    QTest::newRow("any other suffix goes first") << QStringList { "/c/designs/x1.svg", "/c/designs/x1.svgz" }
                                                 << QStringList { "/c/designs/x1.svgz", "/c/designs/x1.svg" };
}

void TestTemplateSourceFiles::sortXmlBeforeSvg()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, expected);

    const LMTemplateSourceFileList aList(paths);
    QCOMPARE(aList.sortXmlBeforeSvg().fullNames(), expected);
    QCOMPARE(aList.fullNames(), paths);
}

void TestTemplateSourceFiles::dumpWritesEveryFile()
{
    const LMTemplateSourceFileList aList(
        QStringList { QStringLiteral("/c/templates/a.xml"), QStringLiteral("/c/designs/Grüße/page1.svg") });
    QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "load /c/templates/a.xml");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^load /c/designs/Grüße/page1\\.svg$")));
    aList.dump();
}

QTEST_GUILESS_MAIN(TestTemplateSourceFiles)
#include "tst_templatesourcefiles.moc"
