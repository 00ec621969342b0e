#include "LMBasisSettings.h"
#include "LMDirectoryConfig.h"
#include "LMFolderListing.h"
#include "LMInitializer.h"
#include "LMJsonParser.h"
#include "LMPlatformIndependent.h"
#include "LMSettings.h"

#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;
using LMTestSupport::writeFile;

namespace {

// Records the order in which the hooks of several initializers ran.
class RecordingInitializer : public LMInitializerAbstract
{
public:
    RecordingInitializer(QString theName, QStringList* theLog) : myName(std::move(theName)), myLog(theLog) { }
    void setup(LMInitializerOption theOption) override
    {
        myLog->append(QStringLiteral("setup %1 %2").arg(myName).arg(int(theOption)));
    }
    void teardown() override { myLog->append(QStringLiteral("teardown %1").arg(myName)); }

private:
    QString myName;
    QStringList* myLog;
};

// The kinds of hostile file a content tree can hold, made where the test wants them.
enum class Hostile { Pipe, TooLarge, LinkToDevice, LinkOutside, LinkInside, UndecodableName };

// Makes the file; returns the path the library is given (for a name that cannot be decoded, the
// folder that holds it).
QString make(Hostile theKind, const QTemporaryDir& theTree, const QTemporaryDir& theOutside, const QString& theName)
{
    const QString aPath = theTree.filePath(theName);
    QDir().mkpath(QFileInfo(aPath).absolutePath());
    switch (theKind) {
    case Hostile::Pipe:
        return ::mkfifo(QFile::encodeName(aPath).constData(), 0600) == 0 ? aPath : QString();
    case Hostile::TooLarge: {
        QFile aFile(aPath);
        // Sparse: the size is there, the disk is not used.
        return aFile.open(QIODevice::WriteOnly) && aFile.resize(LMJsonParser::ourMaximumSize + 1) ? aPath : QString();
    }
    case Hostile::LinkToDevice:
        return QFile::link(QStringLiteral("/dev/zero"), aPath) ? aPath : QString();
    case Hostile::LinkOutside:
        return QFile::link(writeFile(theOutside, QStringLiteral("secret.xml"), "<templates2/>"), aPath) ? aPath
                                                                                                        : QString();
    case Hostile::LinkInside:
        return QFile::link(writeFile(theTree, QStringLiteral("other/real.xml"), "<templates2/>"), aPath) ? aPath
                                                                                                         : QString();
    case Hostile::UndecodableName: {
        const QByteArray aRaw = QFile::encodeName(QFileInfo(aPath).absolutePath()) + "/bad\xff\xfe.xml";
        const int aFile = ::open(aRaw.constData(), O_CREAT | O_WRONLY, 0600);
        return aFile >= 0 && ::close(aFile) == 0 ? QFileInfo(aPath).absolutePath() : QString();
    }
    }
    return QString();
}

} // namespace

// Start-up, the settings store, the content tree and basis settings; cached listings of content
// folders; and files of a content tree that would hang, exhaust memory or lead out of the tree:
// refused with a warning that names them, and nothing else is lost.
class TestPlatformCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        // Read by LMBasisSettings when it is created, which this test does first.
        qputenv("LM_MASTER_MODE", " TRUE ");
        qputenv("LM_PRICE_UPDATE_MODE", "0");
        qputenv("LM_RUN_OPTIONS", " fastStart, ,Verbose,");
        QVERIFY(!LMBasisSettings::existingInstance());
    }

    void init() { LMFolderListing::clear(); }

    void settingsStoreReading_data()
    {
        columns<QByteArray, QString, bool>("store", "expected", "stored");

        row("missing store", QByteArray(), QStringLiteral("fallback"), false);
        row("key present", QByteArray("[General]\nName=Sommer\n"), QStringLiteral("Sommer"), true);
        row("other keys only", QByteArray("[General]\nOther=1\n"), QStringLiteral("fallback"), false);
        row("binary garbage", QByteArray("\x01\x02\xff[[[=\n\x00\x00=\xfe", 13), QStringLiteral("fallback"), false);
    }

    void settingsStoreReading()
    {
        QFETCH(QByteArray, store);
        const QString aName = QStringLiteral("reading/%1.ini").arg(QTest::currentDataTag());
        if (!store.isEmpty())
            LMTestSupport::writeFile(myDir, aName, store);
        LMSettings::setStoreFile(myDir.filePath(aName));

        LMSettings aSettings;
        LMConfigItem<QString> anItem(QStringLiteral("Name"), QStringLiteral("fallback"));
        anItem.setValue(QStringLiteral("stale"));
        aSettings.load(&anItem);
        QTEST(anItem.value(), "expected");
        QTEST(anItem.isStored(), "stored");
    }

    void settingsStoreWritesThrough()
    {
        const QString aPath = myDir.filePath(QStringLiteral("deep/new/folder/store.ini"));
        LMSettings::setStoreFile(aPath);
        LMSettings aSettings;
        QSignalSpy aSaved(&aSettings, &LMSettings::saved);

        LMConfigItem<QColor> aColor(QStringLiteral("Colour"), QColor(Qt::red));
        aColor.setValue(QColor(1, 2, 3, 4));
        QVERIFY(aSettings.save(aColor));
        QCOMPARE(aSaved.count(), 1);
        QCOMPARE(aSaved.first().first().toString(), QStringLiteral("Colour"));
        QVERIFY(QFileInfo::exists(aPath));

        LMConfigItem<QColor> aReadBack(QStringLiteral("Colour"), QColor(Qt::red));
        LMSettings().load(&aReadBack);
        QCOMPARE(aReadBack.value(), QColor(1, 2, 3, 4));

        LMConfigItem<int> aNumber(QStringLiteral("Count"), 0);
        aNumber.setValue(-17);
        QVERIFY(aSettings.save(aNumber));
        LMConfigItem<int> aNumberBack(QStringLiteral("Count"), 0);
        LMSettings().load(&aNumberBack);
        QCOMPARE(aNumberBack.value(), -17);
        // The first value is still there: a save never drops the other keys.
        LMSettings().load(&aReadBack);
        QCOMPARE(aReadBack.value(), QColor(1, 2, 3, 4));
    }

    void settingsStoreUnwritable()
    {
        // A folder stands where the store file should be.
        const QString aPath = myDir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(aPath + QStringLiteral("/inside")));
        LMSettings::setStoreFile(aPath);
        LMSettings aSettings;
        QSignalSpy aSaved(&aSettings, &LMSettings::saved);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Cannot write the settings store ") + aPath));
        QVERIFY(!aSettings.save(LMConfigItem<QString>(QStringLiteral("Name"), QStringLiteral("x"))));
        QCOMPARE(aSaved.count(), 0);
    }

    void initializerOrder()
    {
        QStringList aLog;
        RecordingInitializer aFirst(QStringLiteral("first"), &aLog);
        RecordingInitializer aSecond(QStringLiteral("second"), &aLog);
        RecordingInitializer aLate(QStringLiteral("late"), &aLog);
        LMInitializer* anInitializer = LMInitializer::instance();

        anInitializer->registerInitializer(&aFirst);
        anInitializer->registerInitializer(&aSecond);
        anInitializer->registerInitializer(&aFirst);
        anInitializer->setupAll(LMInitializerOption::Headless);
        anInitializer->setupAll(LMInitializerOption::Headless);
        anInitializer->registerInitializer(&aLate);
        anInitializer->teardownAll();
        anInitializer->teardownAll();
        anInitializer->unregisterInitializer(&aFirst);
        anInitializer->unregisterInitializer(&aSecond);
        anInitializer->unregisterInitializer(&aLate);

        const QStringList anExpected { QStringLiteral("setup first 1"),   QStringLiteral("setup second 1"),
                                       QStringLiteral("setup late 1"),    QStringLiteral("teardown late"),
                                       QStringLiteral("teardown second"), QStringLiteral("teardown first") };
        QCOMPARE(aLog, anExpected);
        QVERIFY(!anInitializer->isRegistered(&aFirst));
    }

    void basisSettingsFromEnvironment()
    {
        LMBasisSettings* aSettings = LMBasisSettings::instance();
        QVERIFY(aSettings->runsInMasterMode());
        QVERIFY(!aSettings->runsInPriceUpdateMode());
        QCOMPARE(aSettings->runOptions(), (QStringList { QStringLiteral("fastStart"), QStringLiteral("Verbose") }));
        QVERIFY(aSettings->hasRunOption(QStringLiteral("FASTSTART")));
        QVERIFY(aSettings->hasRunOption(QStringLiteral(" verbose ")));
        QVERIFY(!aSettings->hasRunOption(QString()));

        aSettings->setMasterMode(false);
        aSettings->setRunOptions({});
    }

    void insideContentTree_data()
    {
        columns<QString, bool>("path", "inside");

        const QString aRoot = myDir.filePath(QStringLiteral("content"));
        row("the root itself", aRoot, true);
        row("relative to the root", QStringLiteral("templates/a.xml"), true);
        row("dot-dot back inside", aRoot + QStringLiteral("/x/../a.xml"), true);
        row("dot-dot leaves", aRoot + QStringLiteral("/../secret.xml"), false);
        row("sibling sharing the prefix", aRoot + QStringLiteral("-other/a.xml"), false);
    }

    void insideContentTree()
    {
        LMDirectoryConfig::instance()->setContentRoot(myDir.filePath(QStringLiteral("content")));
        QTEST(LMDirectoryConfig::instance()->isInsideContentTree(fetch<QString>("path")), "inside");
    }

    void contentRootFallsBack()
    {
        LMDirectoryConfig* aConfig = LMDirectoryConfig::instance();
        aConfig->setContentRoot(myDir.filePath(QStringLiteral("content/./sub/..")));
        QCOMPARE(aConfig->contentRoot(), myDir.filePath(QStringLiteral("content")));
        QCOMPARE(aConfig->contentPath(QStringLiteral("a/../b.xml")), myDir.filePath(QStringLiteral("content/b.xml")));

        qputenv("LM_CONTENT_DIR", myDir.filePath(QStringLiteral("from-env")).toUtf8());
        aConfig->setContentRoot(QString());
        QCOMPARE(aConfig->contentRoot(), myDir.filePath(QStringLiteral("from-env")));

        qunsetenv("LM_CONTENT_DIR");
        aConfig->setContentRoot(QString());
        QCOMPARE(aConfig->contentRoot(), QDir::cleanPath(LMDirectoryConfig::sampleContentRoot()));
    }

    void jsonFiles_data()
    {
        columns<int, QString>("kind", "warning");
        row("a pipe would block open()", int(Hostile::Pipe), "cannot read JSON file %1: not a regular file");
        row("a link to an endless device", int(Hostile::LinkToDevice), "cannot read JSON file %1: not a regular file");
        row("larger than the cap", int(Hostile::TooLarge),
            QStringLiteral("refused JSON file %1: larger than ") + QString::number(LMJsonParser::ourMaximumSize)
                + QStringLiteral(" bytes"));
    }

    void jsonFiles()
    {
        QFETCH(QString, warning);
        QTemporaryDir aTree;
        QTemporaryDir anOutside;
        const QString aPath = make(Hostile(fetch<int>("kind")), aTree, anOutside, QStringLiteral("designs/a.json"));
        QVERIFY(!aPath.isEmpty());
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
        QVERIFY(LMJsonParser::loadDocument(QFileInfo(aPath)).isNull());
    }

    void listedFiles_data()
    {
        columns<int, QString, QStringList>("kind", "warning", "listed");
        row("a link to a file outside the tree", int(Hostile::LinkOutside),
            "skipped %1: a link to a file outside the content tree", words("keep.xml other/real.xml"));
        row("a link to a file inside the tree", int(Hostile::LinkInside), QString(),
            words("designs/link.xml keep.xml other/real.xml"));
        row("a name that is not valid UTF-8", int(Hostile::UndecodableName),
            QString::fromUtf8("skipped a file in %1: its name \"bad\xef\xbf\xbd\xef\xbf\xbd.xml\" is not valid in the "
                              "file names' encoding"),
            words("keep.xml other/real.xml"));
        row("a pipe is no file to list", int(Hostile::Pipe), QString(), words("keep.xml other/real.xml"));
    }

    void listedFiles()
    {
        QFETCH(int, kind);
        QFETCH(QString, warning);
        QTemporaryDir aTree;
        QTemporaryDir anOutside;
        LMDirectoryConfig::instance()->setContentRoot(aTree.path());
        writeFile(aTree, QStringLiteral("keep.xml"), "<templates2/>");
        writeFile(aTree, QStringLiteral("other/real.xml"), "<templates2/>");
        const QString aPath = make(Hostile(kind), aTree, anOutside, QStringLiteral("designs/link.xml"));
        QVERIFY(!aPath.isEmpty());
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
        QStringList aListed;
        for (const QString& aFile :
             LMPlatformIndependent::getFilesInDirectory(QDir(aTree.path()), "*.xml", true, false, 0))
            aListed.append(QDir(aTree.path()).relativeFilePath(aFile));
        LMDirectoryConfig::instance()->setContentRoot(QString());
        // QTemporaryDir cannot remove a file whose name it cannot encode.
        if (Hostile(kind) == Hostile::UndecodableName)
            QCOMPARE(::unlink((QFile::encodeName(aPath) + "/bad\xff\xfe.xml").constData()), 0);
        QTEST(aListed, "listed");
    }

    void suffixes_data()
    {
        columns<QString, QStringList>("suffix", "expected");
        row("any letter case, sorted", ".json", words("A.JSON b.json"));
        row("longer suffix", ".smartlayout", words("a-b-c.smartlayout"));
        row("no match", ".xml", QStringList());
        row("empty suffix lists every file", "", words("A.JSON a-b-c.smartlayout b.json notes.txt"));
    }

    void suffixes()
    {
        QFETCH(QString, suffix);
        QTemporaryDir aDir;
        for (const char* aName : { "b.json", "A.JSON", "a-b-c.smartlayout", "notes.txt" })
            writeFile(aDir, QString::fromLatin1(aName), "x");
        // Folders are no files, whatever their names.
        QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.json")));
        QTEST(LMFolderListing::filesWithSuffix(aDir.path(), suffix), "expected");
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.filePath(QStringLiteral("missing")), suffix), QStringList());
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.filePath(QStringLiteral("b.json")), suffix), QStringList());
    }

    void changesAreSeen()
    {
        QTemporaryDir aDir;
        writeFile(aDir, QStringLiteral("one.json"), "x");
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), words("one.json"));
        writeFile(aDir, QStringLiteral("two.json"), "x");
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), words("one.json two.json"));
        QVERIFY(QFile::remove(aDir.filePath(QStringLiteral("one.json"))));
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), words("two.json"));
    }

    void snapshots_data()
    {
        // The folder's time after the first listing, in seconds from now; whether the second file
        // comes while the snapshot is open (else just before it opens).
        columns<int, bool, QStringList, QStringList>("folderTime", "changeInside", "inside", "after");
        row("a change before the snapshot is seen at its first look", -60, false, words("one.json two.json"),
            words("one.json two.json"));
        row("a change after the snapshot's look waits for it to close", -60, true, words("one.json"),
            words("one.json two.json"));
        row("a folder whose listing is not trusted is listed anew in a snapshot", 60, true,
            words("one.json two.json"), words("one.json two.json"));
    }

    void snapshots()
    {
        QFETCH(int, folderTime);
        QFETCH(bool, changeInside);
        QTemporaryDir aDir;
        const QString aSuffix = QStringLiteral(".json");
        writeFile(aDir, QStringLiteral("one.json"), "x");
        // Set outright: a listing is trusted only well after the folder's last change.
        std::filesystem::last_write_time(QFile::encodeName(aDir.path()).toStdString(),
                                         std::filesystem::file_time_type::clock::now()
                                             + std::chrono::seconds(folderTime));
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), aSuffix), words("one.json"));
        if (!changeInside)
            writeFile(aDir, QStringLiteral("two.json"), "x");
        {
            const LMFolderListing::Snapshot aSnapshot;
            const LMFolderListing::Snapshot aNested;
            LMFolderListing::filesWithSuffix(aDir.path(), aSuffix);
            if (changeInside)
                writeFile(aDir, QStringLiteral("two.json"), "x");
            QTEST(LMFolderListing::filesWithSuffix(aDir.path(), aSuffix), "inside");
        }
        QTEST(LMFolderListing::filesWithSuffix(aDir.path(), aSuffix), "after");
    }

    void severalThreads()
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

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestPlatformCore)
#include "tst_platformcore.moc"
