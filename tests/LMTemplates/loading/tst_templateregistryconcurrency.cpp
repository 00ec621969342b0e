#include "LMConcurrent.h"
#include "LMLoadingTest.h"
#include "LMTemplate.h"
#include "LMTemplateFilterLayout.h"
#include "LMTemplateRegistry.h"
#include "LMTestTemplates.h"

#include <QLoggingCategory>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {
QByteArray layouts(const QStringList& theNames)
{
    QString aText = QStringLiteral("<templates2 version='2'><filter><product>BOOK_A4_HC</product></filter>");
    for (const QString& aName : theNames)
        aText += QStringLiteral("<template name='%1' designElementId='7'><layout><total width='10' height='10'/>"
                                "</layout></template>")
                     .arg(aName);
    return (aText + QStringLiteral("</templates2>")).toUtf8();
}

// What one reader saw that it must not have.
struct LMReaderFindings
{
    int myWrongNames = 0;
    int myMissingBase = 0;
    int myShrinking = 0;
    int myWrongFilterResults = 0;
    int myRounds = 0;
};

void readLoop(const std::atomic<bool>* theStop, int theSeed, LMReaderFindings* theFindings)
{
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();
    const LMTemplateFilterLayout aFilter { LMContentFilterParameter() };
    qsizetype aLastCount = 0;
    int aRound = theSeed;
    // At least a few rounds even when the writers are quick.
    while (!theStop->load() || theFindings->myRounds < 5) {
        ++aRound;
        const QString aBase = QStringLiteral("base%1").arg(aRound % 20);
        if (aRegistry->findTemplateByName(aBase).name() != aBase)
            ++theFindings->myMissingBase;
        const QString aWritten = QStringLiteral("w%1").arg(aRound % 300);
        const LMUnconfiguredTemplate aFound = aRegistry->findTemplateByName(aWritten);
        if (!aFound.isNull() && aFound.name() != aWritten)
            ++theFindings->myWrongNames;
        aRegistry->findTemplateByName(QStringLiteral("missing%1").arg(aRound % 7));

        const LMUnconfiguredTemplateList anAll = aRegistry->allTemplates();
        if (anAll.size() < aLastCount)
            ++theFindings->myShrinking;
        aLastCount = anAll.size();
        const LMUnconfiguredTemplateList aFiltered = aRegistry->getTemplates(aFilter);
        for (const LMUnconfiguredTemplate& aTemplate : aFiltered) {
            if (!aTemplate.isJigType(LMJigTypeEnum::Layout))
                ++theFindings->myWrongFilterResults;
        }
        ++theFindings->myRounds;
    }
}
} // namespace

// Lookups from several threads (some of them thread-pool threads) while one thread inserts
// templates and another brings changed files: nothing seen is wrong, nothing inserted is lost.
class TestTemplateRegistryConcurrency : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        // Misses warn once per name and insertion: thousands here.
        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.warning=false"));
        myDir = std::make_unique<QTemporaryDir>();
        QVERIFY(myDir->isValid());
        QVERIFY(LMLoadingTest::useContentTree(*myDir, LMLoadingTest::fixture("catalogue.json")));
    }

    void lookupsWhileInserting()
    {
        LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();
        aRegistry->clear();
        LMUnconfiguredTemplateList aBase;
        for (int i = 0; i < 20; ++i)
            aBase.append(LMTestSupport::releasedTemplate(QStringLiteral("base%1 jig=8").arg(i)));
        QVERIFY(aRegistry->insertTemplates(aBase, true, false));
        QStringList aFiles;
        for (int i = 0; i < 3; ++i)
            aFiles.append(LMTestSupport::writeFile(
                *myDir, QStringLiteral("content/templates/c%1.xml").arg(i),
                layouts({ QStringLiteral("file%1a").arg(i), QStringLiteral("file%1b").arg(i) })));

        std::atomic<bool> aStop { false };
        std::vector<LMReaderFindings> aFindings(6);
        std::vector<std::thread> aReaders;
        for (int i = 0; i < 4; ++i)
            aReaders.emplace_back(readLoop, &aStop, i * 1000, &aFindings[i]);
        // Readers on the global pool (a blocking map hands them out): their parallel name searches
        // give up their pool slot while they wait.
        std::thread aPoolReaders([&aStop, &aFindings] {
            QList<int> aPoolIndexes { 4, 5 };
            LMConcurrent::blockingMap(aPoolIndexes, [&aStop, &aFindings](int theIndex) {
                readLoop(&aStop, theIndex * 1000, &aFindings[theIndex]);
            });
        });

        std::thread aWriter([aRegistry] {
            for (int i = 0; i < 300; i += 10) {
                LMUnconfiguredTemplateList aBatch;
                for (int j = i; j < i + 10; ++j)
                    aBatch.append(LMTestSupport::releasedTemplate(QStringLiteral("w%1 jig=8").arg(j)));
                aRegistry->insertTemplates(aBatch, i % 20 != 0, true);
            }
        });
        std::thread aFileWatcher([aRegistry, aFiles] {
            for (int i = 0; i < 3; ++i)
                aRegistry->readChangedFiles(aFiles);
        });
        aWriter.join();
        aFileWatcher.join();
        aStop = true;
        for (std::thread& aReader : aReaders)
            aReader.join();
        aPoolReaders.join();

        for (const LMReaderFindings& aFinding : aFindings) {
            QCOMPARE(aFinding.myMissingBase, 0);
            QCOMPARE(aFinding.myWrongNames, 0);
            QCOMPARE(aFinding.myShrinking, 0);
            QCOMPARE(aFinding.myWrongFilterResults, 0);
            QVERIFY(aFinding.myRounds >= 5);
        }
        // Every template arrived once: 20 + 300 + 6 from the files, read three times.
        QCOMPARE(aRegistry->countTemplates(), 326);
        for (int i = 0; i < 300; ++i)
            QCOMPARE(aRegistry->findTemplateByName(QStringLiteral("w%1").arg(i)).name(), QStringLiteral("w%1").arg(i));
        QCOMPARE(aRegistry->findTemplateByName("file2b").name(), QStringLiteral("file2b"));
        QCOMPARE(aRegistry->allTemplatesByDesignElementId(LMDesignElementID(7)).size(), 6);
        QCOMPARE(aRegistry->lastAddedDesignElementId(), LMDesignElementID(7));
        aRegistry->clear();
    }

private:
    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_GUILESS_MAIN(TestTemplateRegistryConcurrency)
#include "tst_templateregistryconcurrency.moc"
