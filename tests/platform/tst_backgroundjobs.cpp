#include "LMBackgroundJob.h"
#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobRunner.h"
#include "LMBackgroundTask.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSet>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>
#include <mutex>
#include <typeinfo>

namespace {

// What the jobs did, in the order they did it, and in which thread. A standard mutex, because
// ThreadSanitizer sees through it.
class Journal
{
public:
    void add(const QString& theEntry)
    {
        const std::lock_guard aLock(myMutex);
        myEntries.append(theEntry);
        myThreads.append(QThread::currentThread());
    }
    QStringList entries() const
    {
        const std::lock_guard aLock(myMutex);
        return myEntries;
    }
    QList<QThread*> threads() const
    {
        const std::lock_guard aLock(myMutex);
        return myThreads;
    }

private:
    mutable std::mutex myMutex;
    QStringList myEntries;
    QList<QThread*> myThreads;
};

using JournalPtr = std::shared_ptr<Journal>;

// Writes its name into the journal and succeeds unless told otherwise. Equal by name; with
// theCollides every job has the same hash, so that only operator== tells them apart.
class RecordingJob : public LMBackgroundJob
{
public:
    RecordingJob(JournalPtr theJournal, const QString& theName, bool theSucceeds = true, bool theCollides = false)
        : myJournal(std::move(theJournal)), myName(theName), mySucceeds(theSucceeds), myCollides(theCollides)
    {
    }

    void setName(const QString& theName) { myName = theName; }

    bool doStuff() const override
    {
        myJournal->add(myName);
        return mySucceeds;
    }
    std::unique_ptr<LMBackgroundJob> clone() const override { return std::make_unique<RecordingJob>(*this); }
    size_t hash() const override { return myCollides ? 0 : qHash(myName); }
    bool operator==(const LMBackgroundJob& theOther) const override
    {
        if (typeid(theOther) != typeid(*this))
            return false;
        const auto& anOther = static_cast<const RecordingJob&>(theOther);
        return anOther.myJournal == myJournal && anOther.myName == myName;
    }

private:
    JournalPtr myJournal;
    QString myName;
    bool mySucceeds;
    bool myCollides;
};

// Lets a test hold a worker inside a job until it opens the gate.
struct Gate
{
    QSemaphore myEntered;
    QSemaphore myOpened;
};

using GatePtr = std::shared_ptr<Gate>;

// Waits at its gate, then writes "gate". Jobs at the same gate are equal.
class GateJob : public LMBackgroundJob
{
public:
    GateJob(JournalPtr theJournal, GatePtr theGate) : myJournal(std::move(theJournal)), myGate(std::move(theGate)) { }

    bool doStuff() const override
    {
        myGate->myEntered.release();
        myGate->myOpened.acquire();
        myJournal->add(QStringLiteral("gate"));
        return true;
    }
    std::unique_ptr<LMBackgroundJob> clone() const override { return std::make_unique<GateJob>(*this); }
    size_t hash() const override { return qHash(myGate.get()); }
    bool operator==(const LMBackgroundJob& theOther) const override
    {
        const auto* anOther = dynamic_cast<const GateJob*>(&theOther);
        return anOther && anOther->myGate == myGate;
    }

private:
    JournalPtr myJournal;
    GatePtr myGate;
};

// Opens a gate and writes "open".
class OpenGateJob : public LMBackgroundJob
{
public:
    OpenGateJob(JournalPtr theJournal, GatePtr theGate) : myJournal(std::move(theJournal)), myGate(std::move(theGate))
    {
    }

    bool doStuff() const override
    {
        myJournal->add(QStringLiteral("open"));
        myGate->myOpened.release();
        return true;
    }
    std::unique_ptr<LMBackgroundJob> clone() const override { return std::make_unique<OpenGateJob>(*this); }
    size_t hash() const override { return qHash(myGate.get()) ^ 1U; }
    bool operator==(const LMBackgroundJob& theOther) const override
    {
        const auto* anOther = dynamic_cast<const OpenGateJob*>(&theOther);
        return anOther && anOther->myGate == myGate;
    }

private:
    JournalPtr myJournal;
    GatePtr myGate;
};

// Runs three children on a runner of its own and waits for them, as the template loader does
// inside a background job: below the last level the children are recording jobs.
class NestedRunnerJob : public LMBackgroundJob
{
public:
    NestedRunnerJob(JournalPtr theJournal, const QString& thePath, int theDepth)
        : myJournal(std::move(theJournal)), myPath(thePath), myDepth(theDepth)
    {
    }

    bool doStuff() const override
    {
        LMBackgroundJobRunner aRunner;
        for (int i = 0; i < 3; ++i) {
            const QString aChild = myPath + QLatin1Char('.') + QString::number(i);
            if (myDepth > 1)
                aRunner.scheduleJob(NestedRunnerJob(myJournal, aChild, myDepth - 1), LMBackgroundJobPriority::High);
            else
                aRunner.scheduleJob(RecordingJob(myJournal, aChild), LMBackgroundJobPriority::High);
        }
        aRunner.wait();
        const bool anOk = aRunner.finishedCount() == 3 && aRunner.failedCount() == 0;
        myJournal->add((anOk ? QStringLiteral("done ") : QStringLiteral("failed ")) + myPath);
        return anOk;
    }
    std::unique_ptr<LMBackgroundJob> clone() const override { return std::make_unique<NestedRunnerJob>(*this); }
    size_t hash() const override { return qHash(myPath); }
    bool operator==(const LMBackgroundJob& theOther) const override
    {
        const auto* anOther = dynamic_cast<const NestedRunnerJob*>(&theOther);
        return anOther && anOther->myJournal == myJournal && anOther->myPath == myPath;
    }

private:
    JournalPtr myJournal;
    QString myPath;
    int myDepth;
};

// Schedules a recording job on the manager when it runs.
class SchedulingJob : public LMBackgroundJob
{
public:
    explicit SchedulingJob(JournalPtr theJournal) : myJournal(std::move(theJournal)) { }

    bool doStuff() const override
    {
        myJournal->add(QStringLiteral("first"));
        LMBackgroundJobManager::instance()->schedule(RecordingJob(myJournal, QStringLiteral("follow-up")),
                                                     LMBackgroundJobPriority::Idle);
        return true;
    }
    std::unique_ptr<LMBackgroundJob> clone() const override { return std::make_unique<SchedulingJob>(*this); }
    size_t hash() const override { return 7; }
    bool operator==(const LMBackgroundJob& theOther) const override { return typeid(theOther) == typeid(*this); }

private:
    JournalPtr myJournal;
};

LMBackgroundJobManager* manager()
{
    return LMBackgroundJobManager::instance();
}

// Jobs given as "name" (succeeds) or "name!" (fails).
RecordingJob jobFromText(const JournalPtr& theJournal, const QString& theText)
{
    const bool aFails = theText.endsWith(QLatin1Char('!'));
    return RecordingJob(theJournal, aFails ? theText.chopped(1) : theText, !aFails);
}

QStringList withoutGate(QStringList theEntries)
{
    theEntries.removeAll(QStringLiteral("gate"));
    return theEntries;
}

} // namespace

class TestBackgroundJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { myDefaultWorkers = manager()->maxWorkerCount(); }
    void cleanup()
    {
        manager()->waitForIdle();
        manager()->setMaxWorkerCount(myDefaultWorkers);
    }

    void schedulingOrder_data();
    void schedulingOrder();
    void duplicateOfRunningJobIsQueuedAgain();
    void queuedJobIsACopy();
    void cancelPendingDropsManagerJobs();
    void waitForIdleWaitsForFollowUps();
    void jobFinishedReportsResults();

    void task_data();
    void task();
    void taskEquality_data();
    void taskEquality();
    void taskCopyOwnsItsJobs();

    void runner_data();
    void runner();
    void runnerInsideJob_data();
    void runnerInsideJob();
    void runnerWaitsForJobRunningElsewhere();
    void equalJobsOfDifferentOwnersStaySeparate();

private:
    // Schedules a gate job and returns once the manager's single worker is inside it.
    GatePtr blockSingleWorker(const JournalPtr& theJournal)
    {
        manager()->setMaxWorkerCount(1);
        auto aGate = std::make_shared<Gate>();
        manager()->schedule(GateJob(theJournal, aGate), LMBackgroundJobPriority::Immediate);
        aGate->myEntered.acquire();
        return aGate;
    }

    int myDefaultWorkers = 1;
};

void TestBackgroundJobs::schedulingOrder_data()
{
    QTest::addColumn<QStringList>("requests"); // "name:priority"
    QTest::addColumn<bool>("collidingHashes");
    QTest::addColumn<QStringList>("expectedOrder");
    QTest::addColumn<int>("expectedQueued");

    QTest::newRow("no jobs") << QStringList() << false << QStringList() << 0;
    QTest::newRow("higher priority runs first")
        << QStringList { "a:0", "b:4", "c:2", "d:1", "e:3" } << false << QStringList { "b", "e", "c", "d", "a" } << 5;
    QTest::newRow("one priority runs in scheduling order")
        << QStringList { "a:2", "b:2", "c:2", "d:2" } << false << QStringList { "a", "b", "c", "d" } << 4;
    QTest::newRow("priorities and order mixed")
        << QStringList { "a:1", "b:3", "c:1", "d:3", "e:2" } << false << QStringList { "b", "d", "e", "a", "c" } << 5;
    QTest::newRow("equal queued job runs once")
        << QStringList { "a:2", "a:2", "a:2" } << false << QStringList { "a" } << 1;
    QTest::newRow("equal job keeps its place")
        << QStringList { "a:2", "b:2", "a:2" } << false << QStringList { "a", "b" } << 2;
    QTest::newRow("equal job with higher priority raises the queued one")
        << QStringList { "a:1", "b:2", "a:3" } << false << QStringList { "a", "b" } << 2;
    QTest::newRow("equal job with lower priority keeps the higher one")
        << QStringList { "a:3", "b:2", "a:0" } << false << QStringList { "a", "b" } << 2;
    QTest::newRow("raised job goes behind the jobs of its new priority")
        << QStringList { "a:1", "b:3", "a:3" } << false << QStringList { "b", "a" } << 2;
    QTest::newRow("equal hashes alone do not make jobs equal")
        << QStringList { "a:2", "b:2", "a:2", "c:1" } << true << QStringList { "a", "b", "c" } << 3;
    QTest::newRow("unicode names") << QStringList { QString::fromUtf8("Grüße:1"), QString::fromUtf8("grüße:1") }
                                   << false << QStringList { QString::fromUtf8("Grüße"), QString::fromUtf8("grüße") }
                                   << 2;
}

void TestBackgroundJobs::schedulingOrder()
{
    QFETCH(QStringList, requests);
    QFETCH(bool, collidingHashes);
    QFETCH(QStringList, expectedOrder);
    QFETCH(int, expectedQueued);

    const auto aJournal = std::make_shared<Journal>();
    const GatePtr aGate = blockSingleWorker(aJournal);
    int aQueued = 0;
    for (const QString& aRequest : std::as_const(requests)) {
        const QString aName = aRequest.section(QLatin1Char(':'), 0, 0);
        const auto aPriority = static_cast<LMBackgroundJobPriority>(aRequest.section(QLatin1Char(':'), 1).toInt());
        if (manager()->schedule(RecordingJob(aJournal, aName, true, collidingHashes), aPriority))
            ++aQueued;
    }
    QCOMPARE(aQueued, expectedQueued);
    QCOMPARE(manager()->pendingCount(), expectedQueued);

    aGate->myOpened.release();
    manager()->waitForIdle();
    QCOMPARE(manager()->pendingCount(), 0);
    QCOMPARE(withoutGate(aJournal->entries()), expectedOrder);
}

void TestBackgroundJobs::duplicateOfRunningJobIsQueuedAgain()
{
    const auto aJournal = std::make_shared<Journal>();
    const GatePtr aGate = blockSingleWorker(aJournal);

    // The first gate job is running: an equal one is new work.
    QVERIFY(manager()->schedule(GateJob(aJournal, aGate), LMBackgroundJobPriority::Normal));
    QCOMPARE(manager()->pendingCount(), 1);
    QVERIFY(!manager()->schedule(GateJob(aJournal, aGate), LMBackgroundJobPriority::Normal));

    aGate->myOpened.release(2);
    manager()->waitForIdle();
    QCOMPARE(aJournal->entries(), (QStringList { "gate", "gate" }));
}

void TestBackgroundJobs::queuedJobIsACopy()
{
    const auto aJournal = std::make_shared<Journal>();
    const GatePtr aGate = blockSingleWorker(aJournal);

    auto aJob = std::make_unique<RecordingJob>(aJournal, QStringLiteral("as scheduled"));
    QVERIFY(manager()->schedule(*aJob, LMBackgroundJobPriority::Normal));
    aJob->setName(QStringLiteral("changed afterwards"));
    // The changed original is another job now, so it is queued beside the copy.
    QVERIFY(manager()->schedule(*aJob, LMBackgroundJobPriority::Low));
    aJob.reset();

    aGate->myOpened.release();
    manager()->waitForIdle();
    QCOMPARE(withoutGate(aJournal->entries()), (QStringList { "as scheduled", "changed afterwards" }));
}

void TestBackgroundJobs::cancelPendingDropsManagerJobs()
{
    const auto aJournal = std::make_shared<Journal>();
    const GatePtr aGate = blockSingleWorker(aJournal);
    LMBackgroundJobRunner aRunner;
    manager()->schedule(RecordingJob(aJournal, QStringLiteral("a")), LMBackgroundJobPriority::High);
    manager()->schedule(RecordingJob(aJournal, QStringLiteral("b")), LMBackgroundJobPriority::Idle);
    aRunner.scheduleJob(RecordingJob(aJournal, QStringLiteral("of the runner")), LMBackgroundJobPriority::Low);
    QCOMPARE(manager()->pendingCount(), 3);

    QCOMPARE(manager()->cancelPending(), 2);
    QCOMPARE(manager()->pendingCount(), 1);
    QCOMPARE(manager()->cancelPending(), 0);

    aGate->myOpened.release();
    aRunner.wait();
    manager()->waitForIdle();
    QCOMPARE(withoutGate(aJournal->entries()), QStringList { "of the runner" });

    // The manager goes on taking work.
    QVERIFY(manager()->schedule(RecordingJob(aJournal, QStringLiteral("a")), LMBackgroundJobPriority::High));
    manager()->waitForIdle();
    QCOMPARE(withoutGate(aJournal->entries()), (QStringList { "of the runner", "a" }));
}

void TestBackgroundJobs::waitForIdleWaitsForFollowUps()
{
    const auto aJournal = std::make_shared<Journal>();
    manager()->schedule(SchedulingJob(aJournal), LMBackgroundJobPriority::Normal);
    manager()->waitForIdle();
    QCOMPARE(aJournal->entries(), (QStringList { "first", "follow-up" }));
}

void TestBackgroundJobs::jobFinishedReportsResults()
{
    const auto aJournal = std::make_shared<Journal>();
    QList<bool> aResults;
    // Queued to this thread: delivered by sendPostedEvents below.
    connect(manager(), &LMBackgroundJobManager::jobFinished, this, [&](bool theOk) { aResults.append(theOk); });

    manager()->schedule(RecordingJob(aJournal, QStringLiteral("ok")), LMBackgroundJobPriority::Normal);
    manager()->schedule(RecordingJob(aJournal, QStringLiteral("fails"), false), LMBackgroundJobPriority::Normal);
    {
        // A runner reports its own jobs.
        LMBackgroundJobRunner aRunner;
        aRunner.scheduleJob(RecordingJob(aJournal, QStringLiteral("runner")), LMBackgroundJobPriority::Normal);
    }
    manager()->waitForIdle();
    QCoreApplication::sendPostedEvents();
    disconnect(manager(), &LMBackgroundJobManager::jobFinished, this, nullptr);

    std::sort(aResults.begin(), aResults.end());
    QCOMPARE(aResults, (QList<bool> { false, true }));
}

void TestBackgroundJobs::task_data()
{
    QTest::addColumn<QStringList>("jobs"); // "name", or "name!" for a failing job
    QTest::addColumn<bool>("expectedResult");
    QTest::addColumn<QStringList>("expectedJournal");

    QTest::newRow("empty task succeeds") << QStringList() << true << QStringList();
    QTest::newRow("jobs run in order") << QStringList { "a", "b", "c" } << true << QStringList { "a", "b", "c" };
    QTest::newRow("failed job fails the task, the rest still runs")
        << QStringList { "a", "b!", "c" } << false << QStringList { "a", "b", "c" };
    QTest::newRow("failed last job") << QStringList { "a", "b!" } << false << QStringList { "a", "b" };
    QTest::newRow("only failures") << QStringList { "a!", "b!" } << false << QStringList { "a", "b" };
}

void TestBackgroundJobs::task()
{
    QFETCH(QStringList, jobs);
    QFETCH(bool, expectedResult);
    QFETCH(QStringList, expectedJournal);

    const auto aJournal = std::make_shared<Journal>();
    LMBackgroundTask aTask;
    for (const QString& aJob : std::as_const(jobs))
        aTask.addJob(jobFromText(aJournal, aJob));
    QCOMPARE(aTask.jobCount(), jobs.size());

    // Through the manager, the task runs as one job on one worker.
    manager()->setMaxWorkerCount(4);
    QList<bool> aResults;
    connect(manager(), &LMBackgroundJobManager::jobFinished, this, [&](bool theOk) { aResults.append(theOk); });
    QVERIFY(manager()->schedule(aTask, LMBackgroundJobPriority::Normal));
    manager()->waitForIdle();
    QCoreApplication::sendPostedEvents();
    disconnect(manager(), &LMBackgroundJobManager::jobFinished, this, nullptr);

    QCOMPARE(aResults, QList<bool> { expectedResult });
    QCOMPARE(aJournal->entries(), expectedJournal);
    QCOMPARE(QSet<QThread*>(aJournal->threads().cbegin(), aJournal->threads().cend()).size(), jobs.isEmpty() ? 0 : 1);
}

void TestBackgroundJobs::taskEquality_data()
{
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("right");
    QTest::addColumn<bool>("expectedEqual");

    QTest::newRow("both empty") << QStringList() << QStringList() << true;
    QTest::newRow("same jobs in the same order") << QStringList { "a", "b" } << QStringList { "a", "b" } << true;
    QTest::newRow("same jobs in another order") << QStringList { "a", "b" } << QStringList { "b", "a" } << false;
    QTest::newRow("one job more") << QStringList { "a", "b" } << QStringList { "a", "b", "b" } << false;
    QTest::newRow("empty and not empty") << QStringList() << QStringList { "a" } << false;
    QTest::newRow("different job") << QStringList { "a", "b" } << QStringList { "a", "c" } << false;
}

void TestBackgroundJobs::taskEquality()
{
    QFETCH(QStringList, left);
    QFETCH(QStringList, right);
    QFETCH(bool, expectedEqual);

    const auto aJournal = std::make_shared<Journal>();
    LMBackgroundTask aLeft;
    for (const QString& aJob : std::as_const(left))
        aLeft.addJob(jobFromText(aJournal, aJob));
    LMBackgroundTask aRight;
    for (const QString& aJob : std::as_const(right))
        aRight.addJob(jobFromText(aJournal, aJob));

    QCOMPARE(aLeft == aRight, expectedEqual);
    QCOMPARE(aRight == aLeft, expectedEqual);
    if (expectedEqual)
        QCOMPARE(aLeft.hash(), aRight.hash());

    // Equal tasks are one job of the queue.
    const GatePtr aGate = blockSingleWorker(aJournal);
    QVERIFY(manager()->schedule(aLeft, LMBackgroundJobPriority::Normal));
    QCOMPARE(manager()->schedule(aRight, LMBackgroundJobPriority::Normal), !expectedEqual);
    aGate->myOpened.release();
}

void TestBackgroundJobs::taskCopyOwnsItsJobs()
{
    const auto aJournal = std::make_shared<Journal>();
    const RecordingJob aJob(aJournal, QStringLiteral("a"));
    auto anOriginal = std::make_unique<LMBackgroundTask>(aJob);
    // The manager compares jobs as jobs: a task is never its only job.
    const LMBackgroundJob& aTaskAsJob = *anOriginal;
    const LMBackgroundJob& aJobAsJob = aJob;
    QVERIFY(!(aTaskAsJob == aJobAsJob));
    QVERIFY(!(aJobAsJob == aTaskAsJob));

    LMBackgroundTask aCopy(*anOriginal);
    aCopy.addJob(RecordingJob(aJournal, QStringLiteral("b")));
    QCOMPARE(anOriginal->jobCount(), 1);
    QVERIFY(!(aCopy == *anOriginal));

    LMBackgroundTask anAssigned;
    anAssigned = aCopy;
    anOriginal.reset();
    QVERIFY(anAssigned == aCopy);
    QVERIFY(aCopy.doStuff());
    QVERIFY(anAssigned.clone()->doStuff());
    QCOMPARE(aJournal->entries(), (QStringList { "a", "b", "a", "b" }));
}

void TestBackgroundJobs::runner_data()
{
    QTest::addColumn<QStringList>("jobs"); // "name", or "name!" for a failing job
    QTest::addColumn<int>("expectedFinished");
    QTest::addColumn<int>("expectedFailed");

    QTest::newRow("no jobs") << QStringList() << 0 << 0;
    QTest::newRow("all succeed") << QStringList { "a", "b", "c" } << 3 << 0;
    QTest::newRow("failures are counted") << QStringList { "a!", "b", "c!" } << 3 << 2;
    QTest::newRow("all fail") << QStringList { "a!", "b!" } << 2 << 2;
    QTest::newRow("equal queued jobs run once") << QStringList { "a", "a", "b!", "b!" } << 2 << 1;
    QStringList aMany;
    for (int i = 0; i < 200; ++i)
        aMany.append(QString::number(i) + (i % 10 == 0 ? QStringLiteral("!") : QString()));
    QTest::newRow("many jobs") << aMany << 200 << 20;
}

void TestBackgroundJobs::runner()
{
    QFETCH(QStringList, jobs);
    QFETCH(int, expectedFinished);
    QFETCH(int, expectedFailed);

    const auto aJournal = std::make_shared<Journal>();
    // All jobs are queued before the single worker is free, so the merging is deterministic;
    // then the worker and this waiting thread share the work.
    const GatePtr aGate = blockSingleWorker(aJournal);
    LMBackgroundJobRunner aRunner;
    QSet<QString> aNames;
    for (const QString& aJob : std::as_const(jobs)) {
        const RecordingJob aRecording = jobFromText(aJournal, aJob);
        QCOMPARE(aRunner.scheduleJob(aRecording, LMBackgroundJobPriority::High), !aNames.contains(aJob));
        aNames.insert(aJob);
    }
    aGate->myOpened.release();
    aRunner.wait();

    QCOMPARE(aRunner.finishedCount(), expectedFinished);
    QCOMPARE(aRunner.failedCount(), expectedFailed);
    QStringList anExpected;
    for (const QString& aName : std::as_const(aNames))
        anExpected.append(aName.endsWith(QLatin1Char('!')) ? aName.chopped(1) : aName);
    QStringList aRan = withoutGate(aJournal->entries());
    anExpected.sort();
    aRan.sort();
    QCOMPARE(aRan, anExpected);
}

void TestBackgroundJobs::runnerInsideJob_data()
{
    QTest::addColumn<int>("workers");
    QTest::addColumn<int>("depth");

    QTest::newRow("one worker, one level") << 1 << 1;
    QTest::newRow("one worker, three levels") << 1 << 3;
    QTest::newRow("two workers, two levels") << 2 << 2;
    QTest::newRow("three workers, three levels") << 3 << 3;
}

void TestBackgroundJobs::runnerInsideJob()
{
    QFETCH(int, workers);
    QFETCH(int, depth);

    const auto aJournal = std::make_shared<Journal>();
    manager()->setMaxWorkerCount(workers);
    QVERIFY(
        manager()->schedule(NestedRunnerJob(aJournal, QStringLiteral("r"), depth), LMBackgroundJobPriority::Normal));
    // A runner that waited for its queued jobs instead of running them would hang here.
    manager()->waitForIdle();

    const QStringList anEntries = aJournal->entries();
    int aLeaves = 1;
    int aRunners = 0;
    for (int i = 0; i < depth; ++i) {
        aRunners += aLeaves;
        aLeaves *= 3;
    }
    QCOMPARE(anEntries.filter(QRegularExpression(QStringLiteral("^r(\\.\\d)+$"))).size(), aLeaves);
    QCOMPARE(anEntries.filter(QRegularExpression(QStringLiteral("^done "))).size(), aRunners);
    QCOMPARE(anEntries.last(), QStringLiteral("done r"));
    const QList<QThread*> aThreads = aJournal->threads();
    QVERIFY(!aThreads.contains(QThread::currentThread()));
    if (workers == 1) // Nobody but the one worker can have run anything.
        QCOMPARE(QSet<QThread*>(aThreads.cbegin(), aThreads.cend()).size(), 1);
}

void TestBackgroundJobs::runnerWaitsForJobRunningElsewhere()
{
    const auto aJournal = std::make_shared<Journal>();
    manager()->setMaxWorkerCount(1);
    LMBackgroundJobRunner aRunner;
    const auto aGate = std::make_shared<Gate>();
    QVERIFY(aRunner.scheduleJob(GateJob(aJournal, aGate), LMBackgroundJobPriority::High));
    aGate->myEntered.acquire();
    // The worker is busy, so wait() runs the opener here, and then has to wait for the gate job.
    QVERIFY(aRunner.scheduleJob(OpenGateJob(aJournal, aGate), LMBackgroundJobPriority::Low));
    aRunner.wait();

    QCOMPARE(aRunner.finishedCount(), 2);
    QCOMPARE(aJournal->entries(), (QStringList { "open", "gate" }));
    QCOMPARE(aJournal->threads().first(), QThread::currentThread());
    QVERIFY(aJournal->threads().last() != QThread::currentThread());
}

void TestBackgroundJobs::equalJobsOfDifferentOwnersStaySeparate()
{
    const auto aJournal = std::make_shared<Journal>();
    const GatePtr aGate = blockSingleWorker(aJournal);
    const RecordingJob aJob(aJournal, QStringLiteral("a"));
    LMBackgroundJobRunner aFirst;
    LMBackgroundJobRunner aSecond;
    QVERIFY(manager()->schedule(aJob, LMBackgroundJobPriority::Normal));
    QVERIFY(aFirst.scheduleJob(aJob, LMBackgroundJobPriority::Normal));
    QVERIFY(aSecond.scheduleJob(aJob, LMBackgroundJobPriority::Normal));
    QVERIFY(!aFirst.scheduleJob(aJob, LMBackgroundJobPriority::High));
    QVERIFY(!manager()->schedule(aJob, LMBackgroundJobPriority::Normal));
    QCOMPARE(manager()->pendingCount(), 3);

    aGate->myOpened.release();
    aFirst.wait();
    aSecond.wait();
    manager()->waitForIdle();
    QCOMPARE(withoutGate(aJournal->entries()), (QStringList { "a", "a", "a" }));
    QCOMPARE(aFirst.finishedCount(), 1);
    QCOMPARE(aSecond.finishedCount(), 1);
}

QTEST_GUILESS_MAIN(TestBackgroundJobs)
#include "tst_backgroundjobs.moc"
