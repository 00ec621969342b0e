#include "LMLoadingTest.h"
#include "LMTemplateSourceFile.h"
#include "LMTemplateSourceFileList.h"

#include <QLoggingCategory>

using namespace LMLoadingTest;

// Template source files: short names, which files start a design, which lie in the preinstalled
// content, and the selections and orderings of file lists.
class TestTemplateSourceFiles : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        QCOMPARE(LMTemplateSourceFile::shortNameOf(myDir.path()), myDir.path());
        QVERIFY(QDir().mkpath(root()));
        LMDirectoryConfig::instance()->setContentRoot(root());
        LMDirectoryConfig::instance()->setUserDataDir(myDir.filePath(QStringLiteral("user")));
        LMTemplateSourceFile::refreshPreInstalledDirectory();
    }
    void cleanup() { QLoggingCategory::setFilterRules(QString()); }

    void shortName_data()
    {
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("shortName");

        row("templates keeps the slash", "/c/templates/categories/a.xml", "/categories/a.xml");
        row("designs drops the slash", "/c/designs/calendars/2024-cal-a/2024-cal-a_01.svg",
            "calendars/2024-cal-a/2024-cal-a_01.svg");
        row("last templates counts", "/c/templates/x/templates/b.xml", "/b.xml");
        row("last designs counts", "/c/designs/x/designs/page1.svg", "page1.svg");
        row("templates before designs", "/c/designs/templates/a.svg", "/a.svg");
        row("templates inside a file name", "/c/designs/mytemplates.svg", ".svg");
        row("designs needs its slash", "/c/designs", "/c/designs");
        row("designs inside a folder name", "/c/olddesigns/x/page1.svg", "x/page1.svg");
        row("letter case counts", "/c/Templates/a.xml", "/c/Templates/a.xml");
        row("unicode", "/c/Müller/designs/Sommer/Grüße1.svg", "Sommer/Grüße1.svg");
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

    void predicates_data()
    {
        // "hook", "calendar" and "card" take a short name; "svg" and "master" a file of that full name.
        QTest::addColumn<QString>("predicate");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("holds");

        row("hook: page1", "hook", "x/page1.svg", true);
        row("hook: variant of page1", "hook", "page1_back.svg", true);
        row("hook: page11", "hook", "page11.svg", false);
        row("hook: page2", "hook", "page2.svg", false);
        row("hook: 1.svg is too short", "hook", "1.svg", false);
        row("hook: shortest hook", "hook", "a1.svg", true);
        row("hook: variant with a digit is no variant", "hook", "page1_back2.svg", false);
        row("hook: variant cut at the first underscore", "hook", "page1_a_b.svg", true);
        row("hook: underscore at the start is not cut", "hook", "_back.svg", false);
        row("hook: underscore before the 1", "hook", "x_1.svg", true);
        row("hook: underscore in the folder", "hook", "dir_a/page1.svg", true);
        row("hook: upper-case variant", "hook", "Page1_BACK.SVG", true);
        row("hook: another digit script before the 1", "hook", QStringLiteral("page\u06631.svg"), false);
        row("hook: empty", "hook", "", false);
        row("calendar: page of a calendar", "calendar", "calendars/2024-cal-a/2024-cal-a_01.svg", true);
        row("calendar: one dash is not enough", "calendar", "cal-a/cal-a_01.svg", false);
        row("calendar: two dashes in a row", "calendar", "a--/a--x.svg", true);
        row("calendar: file of another name", "calendar", "2024-cal-a/other_01.svg", false);
        row("calendar: no folder", "calendar", "2024-cal-a_01.svg", false);
        row("calendar: no file name", "calendar", "2024-cal-a/", false);
        row("calendar: letter case counts", "calendar", "2024-CAL-A/2024-cal-a_01.svg", false);
        row("calendar: dashes only in the file", "calendar", "cal/cal-a-b.svg", false);
        row("card: upper case", "card", "games/PLC-poker.svg", true);
        row("card: lower case", "card", "games/plc-poker.svg", true);
        row("card: underscore instead of dash", "card", "games/PLC_poker.svg", false);
        row("svg: upper-case suffix", "svg", "/c/designs/summer/PAGE1.SVG", true);
        row("svg: svgz", "svg", "/c/designs/summer/page1.svgz", false);
        row("svg: collection", "svg", "/c/templates/categories/page1.xml", false);
        row("master: first page", "master", "/c/designs/summer/page1.svg", true);
        row("master: second page", "master", "/c/designs/summer/page2.svg", false);
        row("master: collection is never master", "master", "/c/templates/categories/page1.xml", false);
        row("master: svgz is no svg", "master", "/c/designs/summer/page1.svgz", false);
        row("master: calendar page", "master", "/c/designs/calendars/2024-cal-a/2024-cal-a_07.svg", true);
        row("master: hook file among calendars", "master", "/c/designs/calendars/x/page1.svg", false);
        row("master: calendars as a name prefix", "master", "/c/designs/calendarsX/page1.svg", false);
        row("master: card game master", "master", "/c/designs/cards/PLC-deck.svg", true);
        row("master: card calendar page", "master", "/c/designs/cards/2024-card-a/2024-card-a_x.svg", true);
        row("master: hook file among cards", "master", "/c/designs/cards/set/page1.svg", false);
        row("master: game card master", "master", "/c/designs/games/PLC-deck.svg", true);
        row("master: game first page", "master", "/c/designs/games/memory/page1.svg", true);
        row("master: calendar page among games", "master", "/c/designs/games/2024-g-a/2024-g-a_01.svg", false);
        row("master: card master elsewhere", "master", "/c/designs/other/PLC-deck.svg", false);
        row("master: empty", "master", "", false);
    }

    void predicates()
    {
        QFETCH(QString, predicate);
        QFETCH(QString, name);
        QFETCH(bool, holds);

        if (predicate == QLatin1String("hook"))
            QCOMPARE(LMTemplateSourceFile::isHookFile(name), holds);
        else if (predicate == QLatin1String("calendar"))
            QCOMPARE(LMTemplateSourceFile::isCalendarPageFile(name), holds);
        else if (predicate == QLatin1String("card"))
            QCOMPARE(LMTemplateSourceFile::isPlayingCardMasterFile(name), holds);
        else if (predicate == QLatin1String("svg"))
            QCOMPARE(LMTemplateSourceFile(name).isSvgFile(), holds);
        else
            QCOMPARE(LMTemplateSourceFile(name).isMasterFile(), holds);
    }

    void equalityAndHash_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("sameShortName");

        row("same path", "/c/designs/a/page1.svg", "/c/designs/a/page1.svg", true, true);
        row("copies in two trees", "/c/designs/a/page1.svg", "/u/downloads/designs/a/page1.svg", false, true);
        row("letter case", "/c/designs/a/page1.svg", "/c/designs/A/page1.svg", false, false);
    }

    void equalityAndHash()
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
        QCOMPARE(LMTemplateSourceFileList({ aFirst, aSecond }).asSet().size(), equal ? 1 : 2);
    }

    void preInstalled_data()
    {
        QTest::addColumn<QString>("relativeToTemp");
        QTest::addColumn<bool>("preInstalled");

        row("in the content root", "content/designs/a/page1.svg", true);
        row("sibling with the same start", "content2/designs/a/page1.svg", false);
        row("downloads", "user/downloads/designs/a/page1.svg", false);
    }

    void preInstalled()
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

    void selections_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("expected");

        row("masters: empty", "masters", QStringList(), QStringList());
        row("masters: collections stay, later pages go", "masters",
            words("/c/designs/a/page2.svg /c/templates/b.xml /c/designs/a/page1.svg /c/templates/c.json"),
            words("/c/templates/b.xml /c/designs/a/page1.svg /c/templates/c.json"));
        row("masters: duplicates stay", "masters", words("/c/designs/a/page1.svg /c/designs/a/page1.svg"),
            words("/c/designs/a/page1.svg /c/designs/a/page1.svg"));
        row("wanted: the default backgrounds go", "wanted",
            words("/c/templates/categories/a.xml /c/templates/categories/backgrounds_default.xml /c/designs/page1.svg"),
            words("/c/templates/categories/a.xml /c/designs/page1.svg"));
        row("wanted: contained is enough", "wanted",
            words("/u/downloads/templates/categories/backgrounds_default.xml.bak"), QStringList());
        row("wanted: letter case counts", "wanted", words("/c/templates/Categories/backgrounds_default.xml"),
            words("/c/templates/Categories/backgrounds_default.xml"));
        row("wanted: another folder", "wanted", words("/c/templates/backgrounds_default.xml"),
            words("/c/templates/backgrounds_default.xml"));
        row("sorted: empty", "sorted", QStringList(), QStringList());
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
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("dropped");

        row("empty", QStringList(), QStringList(), QStringList());
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
        QFETCH(QStringList, dropped);

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
        QCOMPARE(entriesOf(aDropped.mid(1)), dropped);
        QCOMPARE(entriesOf(aList.removeDuplicateTemplates()), kept);
        QCOMPARE(aList.fullNames(), aPaths);
    }

    void dumpWritesEveryFile()
    {
        const LMTemplateSourceFileList aList(
            QStringList { QStringLiteral("/c/templates/a.xml"), QStringLiteral("/c/designs/Grüße/page1.svg") });
        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, "load /c/templates/a.xml");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^load /c/designs/Grüße/page1\\.svg$")));
        aList.dump();
    }

private:
    QString root() const { return myDir.filePath(QStringLiteral("content")); }
    // "P:<path>" lies in the content root (preinstalled), "D:<path>" in the downloads folder,
    // "O:<path>" in another folder of the user's.

    QString pathOf(const QString& theWhere, const QString& thePath) const
    {
        if (theWhere == QLatin1String("P"))
            return root() + QLatin1Char('/') + thePath;
        if (theWhere == QLatin1String("D"))
            return LMDirectoryConfig::instance()->downloadsDirectory() + QLatin1Char('/') + thePath;
        return myDir.filePath(QStringLiteral("user/other/") + thePath);
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

    // The test's own name holds "templates", which would cut short names inside the temporary path.
    QTemporaryDir myDir { QDir::tempPath() + QStringLiteral("/lm-files-XXXXXX") };
};

QTEST_GUILESS_MAIN(TestTemplateSourceFiles)
#include "tst_templatesourcefiles.moc"
