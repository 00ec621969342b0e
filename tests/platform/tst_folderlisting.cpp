#include "LMFolderListing.h"
#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>
#include <vector>

using LMTestSupport::writeFile;

class TestFolderListing : public QObject
{
    Q_OBJECT

private slots:
    void init() { LMFolderListing::clear(); }
    void suffixes_data();
    void suffixes();
    void changesAreSeen();
    void severalThreads();
};

void TestFolderListing::suffixes_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("any letter case, sorted") << ".json" << QStringList { "A.JSON", "b.json" };
    QTest::newRow("longer suffix") << ".smartlayout" << QStringList { "a-b-c.smartlayout" };
    QTest::newRow("no match") << ".xml" << QStringList();
    QTest::newRow("empty suffix lists every file") << "" << QStringList { "A.JSON", "a-b-c.smartlayout", "b.json", "notes.txt" };
}

void TestFolderListing::suffixes()
{
    QFETCH(QString, suffix);
    QFETCH(QStringList, expected);
    QTemporaryDir aDir;
    for (const char* aName : { "b.json", "A.JSON", "a-b-c.smartlayout", "notes.txt" })
        writeFile(aDir, QString::fromLatin1(aName), "x");
    // Folders are no files, whatever their names.
    QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.json")));
    QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), suffix), expected);
    QCOMPARE(LMFolderListing::filesWithSuffix(aDir.filePath(QStringLiteral("missing")), suffix), QStringList());
}

void TestFolderListing::changesAreSeen()
{
    QTemporaryDir aDir;
    writeFile(aDir, QStringLiteral("one.json"), "x");
    QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), QStringList { "one.json" });
    writeFile(aDir, QStringLiteral("two.json"), "x");
    QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")),
             (QStringList { "one.json", "two.json" }));
    QVERIFY(QFile::remove(aDir.filePath(QStringLiteral("one.json"))));
    QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), QStringList { "two.json" });
}

void TestFolderListing::severalThreads()
{
    QTemporaryDir aDir;
    for (int i = 0; i < 20; ++i)
        writeFile(aDir, QStringLiteral("f%1.json").arg(i, 2, 10, QLatin1Char('0')), "x");
    constexpr int THREADS = 4;
    std::vector<qsizetype> aCounts(THREADS, 0);
    std::vector<std::thread> aThreads;
    for (int i = 0; i < THREADS; ++i)
        aThreads.emplace_back([&, i] {
            for (int aRound = 0; aRound < 50; ++aRound)
                aCounts[size_t(i)] += LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")).size();
        });
    for (std::thread& aThread : aThreads)
        aThread.join();
    for (qsizetype aCount : aCounts)
        QCOMPARE(aCount, 50 * 20);
}

QTEST_GUILESS_MAIN(TestFolderListing)
#include "tst_folderlisting.moc"
