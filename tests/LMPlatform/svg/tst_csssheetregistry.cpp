#include "LMCssSheetRegistry.h"
#include "LMCssSheetTitleIdMap.h"
#include "LMDirectoryConfig.h"
#include "LMTestSupport.h"
#include "LMXMLLoader.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

// The registry of CSS sheets: the content folder on first use, registering, folders, reloading,
// and use from many threads.
class TestCssSheetRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMTestSupport::writeFile(myDir, QStringLiteral("root/css/winter.css"), "text { fill: #ffffff }");
        LMTestSupport::writeFile(myDir, QStringLiteral("root/css/summer.css"), "text { fill: #ffcc00 }");
        LMTestSupport::writeFile(myDir, QStringLiteral("root/css/notes.txt"), "not a sheet");
        LMTestSupport::writeFile(myDir, QString::fromUtf8("more/gr\xc3\xbcn.css"),
                                 "/* \xc3\xbc */ text { fill: green }");
        LMTestSupport::writeFile(myDir, QStringLiteral("more/winter.css"), "text { fill: #eeeeee }");
        LMTestSupport::writeFile(myDir, QStringLiteral("huge/big.css"),
                                 QByteArray(LMCssSheetRegistry::ourMaximumSheetSize + 1, ' '));
        LMTestSupport::writeFile(myDir, QStringLiteral("huge/small.css"), "text {}");
        QVERIFY(QDir().mkpath(myDir.path() + QStringLiteral("/empty")));
        // Before the registry's first use: its content comes from here.
        LMDirectoryConfig::instance()->setContentRoot(myDir.path() + QStringLiteral("/root"));
    }

    void cleanupTestCase() { LMDirectoryConfig::instance()->setContentRoot(QString()); }

    void contentSheetsOnFirstUse()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        QCOMPARE(aRegistry->sheetIds(), words("summer.css winter.css"));
        QCOMPARE(aRegistry->sheet(QStringLiteral("winter.css")), QStringLiteral("text { fill: #ffffff }"));
        QVERIFY(!aRegistry->contains(QStringLiteral("notes.txt")));
        QVERIFY(!aRegistry->contains(QStringLiteral("Winter.css")));
        QVERIFY(aRegistry->sheet(QStringLiteral("autumn.css")).isEmpty());
    }

    void registerReplaces()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        aRegistry->registerSheet(QStringLiteral("custom.css"), QStringLiteral("a"));
        aRegistry->registerSheet(QStringLiteral("custom.css"), QStringLiteral("b"));
        QCOMPARE(aRegistry->sheet(QStringLiteral("custom.css")), QStringLiteral("b"));
        aRegistry->registerSheet(QStringLiteral("empty.css"), QString());
        QVERIFY(aRegistry->contains(QStringLiteral("empty.css")));
    }

    void sheetTextsByTitle()
    {
        LMCssSheetTitleIdMap aMap;
        aMap.insert(QStringLiteral("Sommer"), QStringLiteral("summer.css"));
        aMap.insert(QStringLiteral("Herbst"), QStringLiteral("autumn.css")); // not registered
        aMap.insert(QStringLiteral("Eigen"), QStringLiteral("custom.css"));
        const QMap<QString, QString> aTexts = LMCssSheetRegistry::instance()->sheetTexts(aMap);
        QCOMPARE(aTexts.keys(), words("Eigen Sommer"));
        QCOMPARE(aTexts.value(QStringLiteral("Sommer")), QStringLiteral("text { fill: #ffcc00 }"));
        QCOMPARE(aTexts.value(QStringLiteral("Eigen")), QStringLiteral("b"));
    }

    void loadFolder_data()
    {
        columns<QString, int, QString, QString, QString>("folder", "count", "warning", "checkedId", "checkedText");

        row("replaces and adds, unicode names", "more", 2, QString(), QString::fromUtf8("gr\xc3\xbcn.css"),
            QString::fromUtf8("/* \xc3\xbc */ text { fill: green }"));
        row("same id replaced", "more", 2, QString(), "winter.css", "text { fill: #eeeeee }");
        row("empty folder", "empty", 0, QString(), "summer.css", "text { fill: #ffcc00 }");
        row("missing folder", "absent", 0, "CSS folder %1 not found", "summer.css", "text { fill: #ffcc00 }");
        row("oversized sheet skipped", "huge", 1, "CSS sheet %1/big.css not read: larger than 1048576 bytes",
            "small.css", "text {}");
    }

    void loadFolder()
    {
        QFETCH(QString, warning);
        const QString aPath = myDir.path() + QLatin1Char('/') + fetch<QString>("folder");
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        QTEST(aRegistry->loadFolder(aPath), "count");
        QTEST(aRegistry->sheet(fetch<QString>("checkedId")), "checkedText");
        QVERIFY(!aRegistry->contains(QStringLiteral("big.css")));
    }

    void reloadRereadsTheContent()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        aRegistry->registerSheet(QStringLiteral("custom.css"), QStringLiteral("x"));
        LMTestSupport::writeFile(myDir, QStringLiteral("root/css/autumn.css"), "text { fill: brown }");
        QVERIFY(!aRegistry->contains(QStringLiteral("autumn.css"))); // read once, not watched
        aRegistry->reload();
        QCOMPARE(aRegistry->sheetIds(), words("autumn.css summer.css winter.css"));
        // The content's own sheet again, not the one a folder replaced it with.
        QCOMPARE(aRegistry->sheet(QStringLiteral("winter.css")), QStringLiteral("text { fill: #ffffff }"));
    }

    void concurrentFirstUse()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        aRegistry->reload();
        std::atomic<int> aFound { 0 };
        std::vector<std::thread> aThreads;
        for (int anIndex = 0; anIndex < 8; ++anIndex) {
            aThreads.emplace_back([&aFound, aRegistry] {
                if (aRegistry->sheet(QStringLiteral("summer.css")) == QStringLiteral("text { fill: #ffcc00 }"))
                    ++aFound;
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        QCOMPARE(aFound.load(), 8);
        QCOMPARE(aRegistry->sheetIds().size(), 3);
    }

    void concurrentRegisterAndRead()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        constexpr int aThreadCount = 4;
        constexpr int aSheetCount = 200;
        std::atomic<int> aMismatches { 0 };
        std::vector<std::thread> aThreads;
        for (int aThread = 0; aThread < aThreadCount; ++aThread) {
            aThreads.emplace_back([=, &aMismatches] {
                for (int aSheet = 0; aSheet < aSheetCount; ++aSheet) {
                    const QString anId = QStringLiteral("t%1-%2.css").arg(aThread).arg(aSheet);
                    aRegistry->registerSheet(anId, anId);
                    if (aRegistry->sheet(anId) != anId || !aRegistry->contains(QStringLiteral("winter.css")))
                        ++aMismatches;
                    if (aSheet % 50 == 0)
                        aRegistry->sheetIds();
                }
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        QCOMPARE(aMismatches.load(), 0);
        QCOMPARE(aRegistry->sheetIds().size(), 3 + aThreadCount * aSheetCount);
    }

    // Titles keep their first place; a title inserted again takes the new sheet; uniting keeps
    // the own sheet of a title and the own default; the order is part of the value.
    void titleIdMap()
    {
        LMCssSheetTitleIdMap aMap;
        QVERIFY(aMap.isEmpty());
        aMap.insert(QStringLiteral("winter"), QStringLiteral("winter.css"));
        aMap.insert(QStringLiteral("autumn"), QStringLiteral("autumn.css"));
        aMap.insert(QStringLiteral("winter"), QStringLiteral("snow.css"));
        QCOMPARE(aMap.titles(), words("winter autumn"));
        QCOMPARE(aMap.sheetId(QStringLiteral("winter")), QStringLiteral("snow.css"));
        QVERIFY(aMap.contains(QStringLiteral("autumn")) && !aMap.contains(QStringLiteral("Autumn")));
        QVERIFY(aMap.sheetId(QStringLiteral("spring")).isEmpty());

        LMCssSheetTitleIdMap anOther;
        anOther.insert(QStringLiteral("spring"), QStringLiteral("spring.css"));
        anOther.insert(QStringLiteral("winter"), QStringLiteral("ice.css"));
        anOther.setDefaultTitle(QStringLiteral("spring"));
        LMCssSheetTitleIdMap aUnited = aMap;
        QVERIFY(aUnited == aMap);
        aUnited.unite(anOther);
        QCOMPARE(aUnited.titles(), words("winter autumn spring"));
        QCOMPARE(aUnited.sheetId(QStringLiteral("winter")), QStringLiteral("snow.css"));
        QCOMPARE(aUnited.defaultTitle(), QStringLiteral("spring")); // taken: this map had none
        aUnited.setDefaultTitle(QStringLiteral("autumn"));
        aUnited.unite(anOther);
        QCOMPARE(aUnited.defaultTitle(), QStringLiteral("autumn"));
        QCOMPARE(aUnited.size(), 3);

        LMCssSheetTitleIdMap aDefaulted = aMap;
        aDefaulted.setDefaultTitle(QStringLiteral("winter"));
        QVERIFY(aDefaulted != aMap);
        LMCssSheetTitleIdMap aReversed;
        aReversed.insert(QStringLiteral("autumn"), QStringLiteral("autumn.css"));
        aReversed.insert(QStringLiteral("winter"), QStringLiteral("snow.css"));
        QVERIFY(aReversed != aMap);
    }

    void fromDocument_data()
    {
        columns<QByteArray, QStringList, QStringList, QString>("xml", "titles", "sheetIds", "defaultTitle");

        const QByteArray aRoot = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
        row("no instructions", aRoot, QStringList(), QStringList(), QString());
        row("title from base name",
            QByteArray("<?xml-stylesheet type=\"text/css\" href=\"css/blue.sheet.css\"?>" + aRoot), words("blue.sheet"),
            words("blue.sheet.css"), "blue.sheet");
        row("alternate first, default is the first non-alternate",
            QByteArray("<?xml version=\"1.0\"?>"
                       "<?xml-stylesheet href='red.css' title='Rot' alternate='yes'?>"
                       "<?xml-stylesheet href=\"green.css\" title=\"Gr\xc3\xbcn\"?>"
                       "<?xml-stylesheet href=\"blue.css\"?>"
                       + aRoot),
            QStringList({ "Rot", QString::fromUtf8("Gr\xc3\xbcn"), "blue" }), words("red.css green.css blue.css"),
            QString::fromUtf8("Gr\xc3\xbcn"));
        row("all alternate: no default", QByteArray("<?xml-stylesheet href=\"a.css\" alternate=\"YES\"?>" + aRoot),
            words("a"), words("a.css"), QString());
        row("alternate no counts as default", QByteArray("<?xml-stylesheet href=\"a.css\" alternate=\"no\"?>" + aRoot),
            words("a"), words("a.css"), "a");
        QTest::newRow("after the root: ignored")
            << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><?xml-stylesheet href=\"x.css\"?></svg>"
                          "<?xml-stylesheet href=\"y.css\"?>")
            << QStringList() << QStringList() << QString();
        row("other instruction ignored", QByteArray("<?other-thing href=\"x.css\"?>" + aRoot), QStringList(),
            QStringList(), QString());
    }

    void fromDocument()
    {
        QFETCH(QStringList, titles);
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QByteArray>("xml"), QStringLiteral("sheets.svg"));
        QVERIFY(!aDocument.isNull());
        const LMCssSheetTitleIdMap aMap = LMCssSheetTitleIdMap::fromDocument(aDocument);
        QCOMPARE(aMap.titles(), titles);
        QStringList anIds;
        for (const QString& aTitle : titles)
            anIds.append(aMap.sheetId(aTitle));
        QTEST(anIds, "sheetIds");
        QCOMPARE(aMap.defaultTitle(), fetch<QString>("defaultTitle"));
    }

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestCssSheetRegistry)
#include "tst_csssheetregistry.moc"
