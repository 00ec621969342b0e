#include "LMCrashReportSender.h"
#include "LMCustomCardColorConfig.h"
#include "LMDirectoryConfig.h"
#include "LMLocaleAndTranslationManager.h"

#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

// The small services the SVG template reader asks: language, error reports, custom colour
// sheets, the folder of the legacy design list.
class TestSVGServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void languageCode_data();
    void languageCode();
    void errorReportsKeepTheLastHundred();
    void errorReportsFromManyThreads();
    void customColorFile_data();
    void customColorFile();
    void customColorsOfTheContent();
    void legacyDesignsFolder();

private:
    QTemporaryDir myDir;
};

void TestSVGServices::initTestCase()
{
    QVERIFY(myDir.isValid());
    LMDirectoryConfig::instance()->setContentRoot(myDir.path() + QStringLiteral("/tree"));
    QVERIFY(QDir().mkpath(myDir.path() + QStringLiteral("/tree")));
}

void TestSVGServices::cleanupTestCase()
{
    LMDirectoryConfig::instance()->setContentRoot(QString());
    qunsetenv("LM_LANGUAGE");
    LMLocaleAndTranslationManager::instance()->setLanguageCode(QString());
}

void TestSVGServices::languageCode_data()
{
    QTest::addColumn<QByteArray>("environment");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default German") << QByteArray() << QString() << QStringLiteral("de");
    QTest::newRow("environment") << QByteArray("It") << QString() << QStringLiteral("it");
    QTest::newRow("blank environment") << QByteArray("  ") << QString() << QStringLiteral("de");
    QTest::newRow("set wins over environment") << QByteArray("it") << QStringLiteral(" FR ") << QStringLiteral("fr");
    QTest::newRow("set blank goes back") << QByteArray() << QStringLiteral("  ") << QStringLiteral("de");
}

void TestSVGServices::languageCode()
{
    QFETCH(QByteArray, environment);
    QFETCH(QString, set);
    QFETCH(QString, expected);
    if (environment.isEmpty())
        qunsetenv("LM_LANGUAGE");
    else
        qputenv("LM_LANGUAGE", environment);
    LMLocaleAndTranslationManager* aManager = LMLocaleAndTranslationManager::instance();
    aManager->setLanguageCode(QStringLiteral("xx")); // something else first
    aManager->setLanguageCode(set);
    QCOMPARE(aManager->languageCode(), expected);
}

void TestSVGServices::errorReportsKeepTheLastHundred()
{
    LMCrashReportSender* aSender = LMCrashReportSender::instance();
    aSender->clearSentTexts();
    const QString aText = QString::fromUtf8("read: FILE:/x/\xc3\xa4.svg PARENT:/x SIZE:0");
    QTest::ignoreMessage(QtWarningMsg, aText.toUtf8().constData());
    aSender->sendTextErrorToServer(aText);
    QCOMPARE(aSender->sentTexts(), QStringList { aText });

    for (int anIndex = 1; anIndex <= LMCrashReportSender::ourKeptTexts; ++anIndex) {
        const QString aNumbered = QStringLiteral("report %1").arg(anIndex);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aNumbered));
        aSender->sendTextErrorToServer(aNumbered);
    }
    const QStringList aKept = aSender->sentTexts();
    QCOMPARE(aKept.size(), LMCrashReportSender::ourKeptTexts);
    QCOMPARE(aKept.first(), QStringLiteral("report 1")); // the first report fell out
    QCOMPARE(aKept.last(), QStringLiteral("report 100"));
}

void TestSVGServices::errorReportsFromManyThreads()
{
    LMCrashReportSender* aSender = LMCrashReportSender::instance();
    aSender->clearSentTexts();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^thread \\d item \\d+$")));
    // Every warning must be announced once per message; announce the rest with a filter.
    for (int anIndex = 1; anIndex < 4 * 60; ++anIndex)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^thread \\d item \\d+$")));
    std::vector<std::thread> aThreads;
    for (int aThread = 0; aThread < 4; ++aThread) {
        aThreads.emplace_back([aSender, aThread] {
            for (int anItem = 0; anItem < 60; ++anItem)
                aSender->sendTextErrorToServer(QStringLiteral("thread %1 item %2").arg(aThread).arg(anItem));
        });
    }
    for (std::thread& aThread : aThreads)
        aThread.join();
    const QStringList aKept = aSender->sentTexts();
    QCOMPARE(aKept.size(), LMCrashReportSender::ourKeptTexts);
    // Each thread's reports stay in the order it sent them.
    for (int aThread = 0; aThread < 4; ++aThread) {
        int aLast = -1;
        for (const QString& aText : aKept) {
            if (!aText.startsWith(QStringLiteral("thread %1 ").arg(aThread)))
                continue;
            const int anItem = aText.section(QLatin1Char(' '), 3).toInt();
            QVERIFY(anItem > aLast);
            aLast = anItem;
        }
    }
}

void TestSVGServices::customColorFile_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("sheets");
    QTest::addColumn<QString>("defaultTitle");
    QTest::addColumn<QString>("warning");

    QTest::newRow("two sheets with default")
        << QByteArray(R"({"default": "Rot", "sheets": [{"title": "Blau", "sheet": "customColorBlue.css"},
                                                       {"title": "Rot", "sheet": "customColorRed.css"}]})")
        << QStringList({ "Blau", "Rot" }) << QStringList({ "customColorBlue.css", "customColorRed.css" })
        << QStringLiteral("Rot") << QString();
    QTest::newRow("title from the sheet name, unicode")
        << QByteArray(R"({"sheets": [{"sheet": "gr)"
                      "\xc3\xbc"
                      R"(n.css"}]})")
        << QStringList({ QString::fromUtf8("gr\xc3\xbcn") }) << QStringList({ QString::fromUtf8("gr\xc3\xbcn.css") })
        << QString() << QString();
    QTest::newRow("entry without sheet skipped")
        << QByteArray(R"({"sheets": [{"title": "Leer"}, {"title": "Gelb", "sheet": "y.css"}]})")
        << QStringList({ "Gelb" }) << QStringList({ "y.css" }) << QString()
        << QStringLiteral("entry 0 has no \"sheet\"");
    QTest::newRow("unknown default ignored")
        << QByteArray(R"({"default": "Lila", "sheets": [{"title": "Gelb", "sheet": "y.css"}]})")
        << QStringList({ "Gelb" }) << QStringList({ "y.css" }) << QString()
        << QStringLiteral("the default \"Lila\" is no title of the list");
    QTest::newRow("sheets not a list") << QByteArray(R"({"sheets": {"title": "x"}})") << QStringList() << QStringList()
                                       << QString() << QStringLiteral("\"sheets\" is not a list");
    QTest::newRow("not an object") << QByteArray("[1, 2]") << QStringList() << QStringList() << QString()
                                   << QStringLiteral("not a JSON object");
    QTest::newRow("malformed") << QByteArray("{\"sheets\": [") << QStringList() << QStringList() << QString()
                               << QStringLiteral("unterminated array");
    QTest::newRow("empty object") << QByteArray("{}") << QStringList() << QStringList() << QString() << QString();
}

void TestSVGServices::customColorFile()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, sheets);
    QFETCH(QString, defaultTitle);
    QFETCH(QString, warning);

    const QString aPath
        = LMTestSupport::writeFile(myDir, QStringLiteral("colors/%1.json").arg(QTest::currentDataTag()), json);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("custom colour file %1: %2").arg(aPath, warning)));
    const LMCssSheetTitleIdMap aMap = LMCustomCardColorConfig::readFile(aPath);
    QCOMPARE(aMap.titles(), titles);
    QStringList aSheets;
    for (const QString& aTitle : titles)
        aSheets.append(aMap.sheetId(aTitle));
    QCOMPARE(aSheets, sheets);
    QCOMPARE(aMap.defaultTitle(), defaultTitle);
}

void TestSVGServices::customColorsOfTheContent()
{
    LMCustomCardColorConfig* aConfig = LMCustomCardColorConfig::instance();
    aConfig->reload();
    QVERIFY(aConfig->cssSheets().isEmpty()); // no file: no sheets, no warning

    LMTestSupport::writeFile(myDir, QStringLiteral("tree/css/customcolors.json"),
                             R"({"sheets": [{"title": "Blau", "sheet": "blue.css"}]})");
    QVERIFY(aConfig->cssSheets().isEmpty()); // read once
    aConfig->reload();
    QCOMPARE(aConfig->cssSheets().sheetId(QStringLiteral("Blau")), QStringLiteral("blue.css"));
}

void TestSVGServices::legacyDesignsFolder()
{
    QCOMPARE(LMDirectoryConfig::instance()->legacyDesignsFolder(), myDir.path() + QStringLiteral("/tree/legacy"));
}

QTEST_GUILESS_MAIN(TestSVGServices)
#include "tst_svgservices.moc"
