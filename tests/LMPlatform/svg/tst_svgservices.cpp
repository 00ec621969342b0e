#include "LMCrashReportSender.h"
#include "LMCustomCardColorConfig.h"
#include "LMDirectoryConfig.h"
#include "LMLocaleAndTranslationManager.h"

#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

// The small services the SVG template reader asks: language, error reports, custom colour
// sheets, the folder of the legacy design list.
class TestSVGServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMDirectoryConfig::instance()->setContentRoot(myDir.path() + QStringLiteral("/tree"));
        QVERIFY(QDir().mkpath(myDir.path() + QStringLiteral("/tree")));
    }

    void cleanupTestCase()
    {
        LMDirectoryConfig::instance()->setContentRoot(QString());
        qunsetenv("LM_LANGUAGE");
        LMLocaleAndTranslationManager::instance()->setLanguageCode(QString());
    }

    void languageCode_data()
    {
        columns<QByteArray, QString, QString>("environment", "set", "expected");

        row("default German", QByteArray(), QString(), "de");
        row("environment", QByteArray("It"), QString(), "it");
        row("blank environment", QByteArray("  "), QString(), "de");
        row("set wins over environment", QByteArray("it"), " FR ", "fr");
        row("set blank goes back", QByteArray(), "  ", "de");
    }

    void languageCode()
    {
        QFETCH(QByteArray, environment);
        if (environment.isEmpty())
            qunsetenv("LM_LANGUAGE");
        else
            qputenv("LM_LANGUAGE", environment);
        LMLocaleAndTranslationManager* aManager = LMLocaleAndTranslationManager::instance();
        aManager->setLanguageCode(QStringLiteral("xx")); // something else first
        aManager->setLanguageCode(fetch<QString>("set"));
        QTEST(aManager->languageCode(), "expected");
    }

    void errorReportsKeepTheLastHundred()
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

    void errorReportsFromManyThreads()
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

    void customColorFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("sheets"); // "title=sheet", in list order
        columns<QString, QString>("defaultTitle", "warning");
        const auto row = [](const char* theTag, const QByteArray& theJson, const QStringList& theSheets,
                            const QString& theDefault = QString(), const QString& theWarning = QString()) {
            QTest::newRow(theTag) << theJson << theSheets << theDefault << theWarning;
        };

        row("two sheets with default",
            R"({"default": "Rot", "sheets": [{"title": "Blau", "sheet": "customColorBlue.css"},
                                             {"title": "Rot", "sheet": "customColorRed.css"}]})",
            { "Blau=customColorBlue.css", "Rot=customColorRed.css" }, "Rot");
        row("title from the sheet name, unicode", R"({"sheets": [{"sheet": "grün.css"}]})", { "grün=grün.css" });
        row("entry without sheet skipped", R"({"sheets": [{"title": "Leer"}, {"title": "Gelb", "sheet": "y.css"}]})",
            { "Gelb=y.css" }, QString(), "entry 0 has no \"sheet\"");
        row("unknown default ignored", R"({"default": "Lila", "sheets": [{"title": "Gelb", "sheet": "y.css"}]})",
            { "Gelb=y.css" }, QString(), "the default \"Lila\" is no title of the list");
        row("sheets not a list", R"({"sheets": {"title": "x"}})", {}, QString(), "\"sheets\" is not a list");
        row("not an object", "[1, 2]", {}, QString(), "not a JSON object");
        row("malformed", "{\"sheets\": [", {}, QString(), "unterminated array");
        row("empty object", "{}", {});
    }

    void customColorFile()
    {
        QFETCH(QString, warning);

        const QString aPath = LMTestSupport::writeFile(
            myDir, QStringLiteral("colors/%1.json").arg(QTest::currentDataTag()), fetch<QByteArray>("json"));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("custom colour file %1: %2").arg(aPath, warning)));
        const LMCssSheetTitleIdMap aMap = LMCustomCardColorConfig::readFile(aPath);
        QStringList aSheets;
        for (const QString& aTitle : aMap.titles())
            aSheets.append(aTitle + QLatin1Char('=') + aMap.sheetId(aTitle));
        QTEST(aSheets, "sheets");
        QTEST(aMap.defaultTitle(), "defaultTitle");
    }

    void customColorsOfTheContent()
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

    void legacyDesignsFolder()
    {
        QCOMPARE(LMDirectoryConfig::instance()->legacyDesignsFolder(), myDir.path() + QStringLiteral("/tree/legacy"));
    }

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestSVGServices)
#include "tst_svgservices.moc"
