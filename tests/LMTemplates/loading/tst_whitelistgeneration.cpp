#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobUpdateWhiteList.h"
#include "LMBasisSettings.h"
#include "LMInstallationSettings.h"
#include "LMLoadingTest.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateWhiteListGenerator.h"

#include <QDirIterator>
#include <QLoggingCategory>
#include <QMutex>
#include <QSettings>

#include <atomic>
#include <thread>

using namespace LMLoadingTest;

namespace {

QByteArray svgPage(const char* theProducts)
{
    QByteArray aProducts;
    for (const QString& aName : words(theProducts))
        aProducts += "<lumo:product>" + aName.toUtf8() + "</lumo:product>";
    return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:lumo="urn:lumo" width="100" height="100">)"
           "<metadata><lumo:template>"
        + aProducts + "</lumo:template></metadata><rect width=\"100\" height=\"100\"/></svg>";
}

// A version-2 block: its own filter rules, then one template per filter given ("" for none).
QByteArray templates2(const char* theRoot, const QByteArray& theOwnFilter, const QList<QByteArray>& theFilters)
{
    QByteArray aText = "<" + QByteArray(theRoot) + " version=\"2\">";
    if (!theOwnFilter.isEmpty())
        aText += "<filter>" + theOwnFilter + "</filter>";
    for (const QByteArray& aFilter : theFilters)
        aText += "<template name=\"t\">" + (aFilter.isEmpty() ? QByteArray() : "<filter>" + aFilter + "</filter>")
            + "<layout><total width=\"10\" height=\"10\"/></layout></template>";
    return aText + "</" + QByteArray(theRoot) + ">";
}

const QByteArray BOOK = "<product>BOOK_A4_HC</product>";
const QByteArray CAL = "<product>CAL_A3</product>";

QStringList orderNames(const LMArticlesGroup& theGroup)
{
    QStringList aNames;
    for (const LMArticle& anArticle : theGroup.explicitArticles())
        aNames.append(anArticle.orderTxtName());
    return sorted(aNames);
}

// Copies the folder tree; false when a file could not be copied.
bool copyTree(const QString& theFrom, const QString& theTo)
{
    QDirIterator anIt(theFrom, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (anIt.hasNext()) {
        const QString aSource = anIt.next();
        const QString aTarget = theTo + aSource.mid(theFrom.size());
        if (!QDir().mkpath(QFileInfo(aTarget).absolutePath()) || !QFile::copy(aSource, aTarget))
            return false;
    }
    return true;
}

// Collects the generation's start and save lines from any thread.
QMutex ourEventsMutex;
QStringList ourEvents;
QtMessageHandler ourPreviousHandler = nullptr;
void recordGenerationEvents(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText)
{
    if (theText.startsWith(QLatin1String("Generating White List"))
        || theText.startsWith(QLatin1String("Saving White List"))) {
        const QMutexLocker aLocker(&ourEventsMutex);
        ourEvents.append(theText.section(QLatin1Char(' '), 0, 0));
        return;
    }
    ourPreviousHandler(theType, theContext, theText);
}

// The warnings of the sample's broken files are not this test's subject.
void dropWarnings(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText)
{
    if (theType != QtWarningMsg)
        ourPreviousHandler(theType, theContext, theText);
}

} // namespace

// The white list made from the template files: what each kind of file contributes, the patterns,
// the saved file and its flag, the sample content's list.
class TestWhiteListGeneration : public QObject
{
    Q_OBJECT

    QTemporaryDir myDir;

    QString contentPath(const QString& theRelative) const
    {
        return myDir.filePath(QStringLiteral("content/") + theRelative);
    }

private slots:
    void initTestCase() { LMSettings::setStoreFile(myDir.filePath("settings.ini")); }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QDir(myDir.filePath("content")).removeRecursively();
        QDir(myDir.filePath("user")).removeRecursively();
        QVERIFY(useContentTree(myDir, fixture("whitelist_catalogue.json")));
        LMBasisSettings::instance()->setRunOptions({});
    }

    void productFilterOfEachKind_data()
    {
        columns<QString, QByteArray, QStringList, QString>("file", "content", "products", "warning");
        const char* V1 = "templates/categories/v1.xml";
        const char* V2 = "templates/categories/v2.xml";
        const char* SVG = "designs/theme/s/page1.svg";
        const QByteArray aV1Book = "<templates><template name=\"a\"><filter>" + BOOK + "</filter></template>";
        row("v1: union of the templates' filters", V1,
            aV1Book + "<template name=\"b\"><filter>" + CAL + "</filter></template><template name=\"c\"/></templates>",
            words("BOOK_A4_HC CAL_A3"), "");
        row("v1 without filters", V1, QByteArray("<templates><template name=\"a\"/></templates>"), QStringList(),
            "^\\(t1\\) there is no filter in .*/v1.xml$");
        row("v2: the block's filter under every template", V2, templates2("templates2", BOOK, { "", CAL }),
            words("BOOK_A4_HC CAL_A3"), "");
        row("v2 without filters", V2, templates2("templates2", "", { "" }), QStringList(),
            "^\\(t2\\) there is no filter in .*/v2.xml$");
        row("collection: the blocks united, a block without filter named", V2,
            "<collection>" + templates2("templates2", BOOK, { "" }) + templates2("templates2", "", { "" })
                + "</collection>",
            words("BOOK_A4_HC"), "^\\(t2\\) there is no filter in .*/v2.xml$");
        row("single layout: nothing", V2, QByteArray("<template name=\"t\"><filter>" + BOOK + "</filter></template>"),
            QStringList(), "");
        row("svg: the listed products", SVG, svgPage("CAL_WIDE BOOK_A5_SC"), words("BOOK_A5_SC CAL_WIDE"), "");
        row("svg without products", SVG, svgPage(""), QStringList(), "");
        row("unreadable", V1, QByteArray("<templates><template"), QStringList(),
            "^could not open template file .*/v1.xml$");
    }

    void productFilterOfEachKind()
    {
        QFETCH(QStringList, products);
        QFETCH(QString, warning);
        const QString aPath = LMTestSupport::writeFile(myDir, QStringLiteral("content/") + fetch<QString>("file"),
                                                       fetch<QByteArray>("content"));
        if (!warning.isEmpty()) {
            if (warning.startsWith(QLatin1String("^could not open")))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*v1.xml.*")));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        }
        const QList<LMTemplateWhiteListGeneratorInfo> anInfos
            = LMTemplateWhiteListGenerator().parseFilesParallely(LMTemplateSourceFileList(QStringList { aPath }));
        QCOMPARE(anInfos.size(), 1);
        QCOMPARE(anInfos.first().sourceFile().fullName(), aPath);
        QCOMPARE(orderNames(anInfos.first().productFilter()), products);
        QCOMPARE(anInfos.first().productFilter().isValid(), !products.isEmpty());
    }

    void filePattern_data()
    {
        columns<QString, QString>("shortName", "pattern");
        row("series page: its folder and neighbours", "a/b/series/page1.svg", "a/b/*");
        row("capital suffix", "a/series/PAGE1.SVG", "a/*");
        row("series folder at the top keeps its name", "meadow/meadow-1.svg", "meadow/*");
        row("page without folder", "page1.svg", "page1.svg");
    }

    void filePattern()
    {
        QCOMPARE(LMTemplateWhiteListGenerator::filePattern(
                     LMTemplateSourceFile(QStringLiteral("/c/designs/") + fetch<QString>("shortName"))),
                 fetch<QString>("pattern"));
    }

    void filesToScan()
    {
        const QString aPreinstalled = LMTestSupport::writeFile(myDir, "content/templates/categories/a.xml",
                                                               templates2("templates2", BOOK, { "" }));
        const QString aDownloaded = LMTestSupport::writeFile(myDir, "user/downloads/templates/categories/b.xml",
                                                             templates2("templates2", CAL, { "" }));
        LMTemplateFileManager::instance()->reInit();
        QCOMPARE(LMTemplateWhiteListGenerator::filesToScan().fullNames(), QStringList { aPreinstalled });
        LMBasisSettings::instance()->setRunOptions({ QStringLiteral("2") });
        QCOMPARE(sorted(LMTemplateWhiteListGenerator::filesToScan().fullNames()),
                 sorted({ aPreinstalled, aDownloaded }));
    }

    void savedListAndFlag()
    {
        LMTestSupport::writeFile(myDir, "content/templates/categories/a.xml", templates2("templates2", BOOK, { "" }));
        LMTemplateFileManager::instance()->reInit();
        QVERIFY(LMInstallationSettings::instance()->setMustGenerateWhiteList(true));
        // Read back from the store, as another process would.
        QCOMPARE(QSettings(LMSettings::storeFile(), QSettings::IniFormat)
                     .value("Installation/MustGenerateWhiteList")
                     .toBool(),
                 true);

        // An interrupted save: the old list stays, and so does the flag.
        const QByteArray anOld = "<whitelist/>";
        const QString aUserCopy = LMTemplateWhiteList::whiteListFile(true).absoluteFilePath();
        {
            QFile anOldFile(aUserCopy);
            QVERIFY(anOldFile.open(QIODevice::WriteOnly));
            anOldFile.write(anOld);
        }
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^cannot save XML file .*white_list.conf")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^the generated white list was not saved")));
        bool aSaved = false;
        {
            const LMTestSupport::FileSizeLimit aLimit(64);
            QVERIFY(aLimit.isActive());
            aSaved = LMTemplateWhiteListGenerator().generateWhiteListFile();
        }
        QVERIFY(!aSaved);
        QFile anOldFile(aUserCopy);
        QVERIFY(anOldFile.open(QIODevice::ReadOnly));
        QCOMPARE(anOldFile.readAll(), anOld);
        QVERIFY(LMInstallationSettings::instance()->mustGenerateWhiteList());

        // After an update the list is generated in the background, saved and the flag cleared.
        LMTemplateWhiteListGenerator::updateAfterVersionChange();
        LMBackgroundJobManager::instance()->waitForIdle();
        QVERIFY(!LMInstallationSettings::instance()->mustGenerateWhiteList());
        LMTemplateWhiteList aGeneratedList;
        QVERIFY(aGeneratedList.load(QFileInfo(aUserCopy)));
        QCOMPARE(aGeneratedList.findFiles(LMArticle::fromOrderTxtName("BOOK_A4_HC")),
                 QStringList { "/categories/a.xml" });

        // Without the flag nothing is scheduled.
        QVERIFY(QFile::remove(aUserCopy));
        LMTemplateWhiteListGenerator::updateAfterVersionChange();
        LMBackgroundJobManager::instance()->waitForIdle();
        QVERIFY(!QFileInfo::exists(aUserCopy));
    }

    void generationsNeverOverlap()
    {
        for (int i = 0; i < 200; ++i)
            LMTestSupport::writeFile(myDir, QStringLiteral("content/templates/categories/f%1.xml").arg(i),
                                     templates2("templates2", i % 2 ? BOOK : CAL, { "", "" }));
        LMTemplateFileManager::instance()->reInit();
        ourEvents.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.info=true"));
        ourPreviousHandler = qInstallMessageHandler(recordGenerationEvents);
        std::atomic<int> aSaved { 0 };
        const auto aGenerate = [&aSaved] {
            aSaved += LMBackgroundJobUpdateWhiteList().doStuff() ? 1 : 0;
        };
        std::thread aFirst(aGenerate);
        std::thread aSecond(aGenerate);
        aFirst.join();
        aSecond.join();
        qInstallMessageHandler(ourPreviousHandler);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(aSaved.load(), 2);
        QCOMPARE(ourEvents, QStringList({ "Generating", "Saving", "Generating", "Saving" }));
    }

    void sampleContentList()
    {
        QVERIFY(QDir(myDir.filePath("content")).removeRecursively());
        QVERIFY(copyTree(LMDirectoryConfig::sampleContentRoot(), myDir.filePath("content")));
        LMDirectoryConfig::instance()->setContentRoot(myDir.filePath("content"));
        QVERIFY(LMProductCatalogue::instance()->reload());
        LMTemplateFileManager::instance()->reInit();
        ourPreviousHandler = qInstallMessageHandler(dropWarnings);
        const QList<LMTemplateWhiteListGeneratorInfo> anInfos
            = LMTemplateWhiteListGenerator().parseFilesParallely(LMTemplateWhiteListGenerator::filesToScan());
        qInstallMessageHandler(ourPreviousHandler);
        LMTemplateWhiteList aGenerated = LMTemplateWhiteListGenerator::summarizeResults(anInfos);
        aGenerated.removeUndesirables();

        // The sample's list is the generated one.
        LMTemplateWhiteList aShipped;
        QVERIFY(aShipped.load(LMTemplateWhiteList::whiteListFile(false)));
        QCOMPARE(aShipped.groups(), aGenerated.groups());

        // Every article gets every file that has templates for it, as with the list written by hand.
        for (const char* aList : { "white_list.conf", "white_list_by_hand.conf" }) {
            if (QByteArray(aList) != "white_list.conf") {
                QVERIFY(QFile::remove(contentPath("white_list.conf")));
                QVERIFY(QFile::copy(LMTestSupport::dataPath(QStringLiteral("loading/") + aList),
                                    contentPath("white_list.conf")));
            }
            int aChecked = 0;
            for (const LMArticle& anArticle : LMProductCatalogue::instance()->articles()) {
                LMTemplateFileManager::instance()->reInit();
                // The black list keeps some files from loading for any product.
                const LMTemplateSourceFileList aLoadable = LMTemplateFileManager::instance()->unloadedFiles();
                const QStringList aLoaded = LMTemplateFileManager::instance()->filesToLoad(anArticle).fullNames();
                for (const LMTemplateWhiteListGeneratorInfo& anInfo : anInfos) {
                    if (!anInfo.productFilter().contains(anArticle) || !aLoadable.contains(anInfo.sourceFile()))
                        continue;
                    ++aChecked;
                    QVERIFY2(aLoaded.contains(anInfo.sourceFile().fullName()),
                             qPrintable(aList + QStringLiteral(": ") + anArticle.orderTxtName() + QStringLiteral(" ")
                                        + anInfo.sourceFile().shortName()));
                }
            }
            QVERIFY(aChecked > 5);
        }
    }
};

QTEST_GUILESS_MAIN(TestWhiteListGeneration)
#include "tst_whitelistgeneration.moc"
