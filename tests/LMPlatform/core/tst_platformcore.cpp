#include "LMBasisSettings.h"
#include "LMDirectoryConfig.h"
#include "LMInitializer.h"
#include "LMSettings.h"

#include "LMTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

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

// Gives the protected store access to the test.
class StoreProbe : public LMSettings
{
public:
    using LMSettings::readValue;
};

} // namespace

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

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestPlatformCore)
#include "tst_platformcore.moc"
