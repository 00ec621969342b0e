#include "LMBackgroundJob.h"
#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobRunner.h"
#include "LMBackgroundTask.h"
#include "LMConcurrent.h"
#include "LMTestSupport.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <cmath>
#include <functional>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

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
    QStringList entries(bool theWithGate = false) const
    {
        const std::lock_guard aLock(myMutex);
        QStringList anEntries = myEntries;
        if (!theWithGate)
            anEntries.removeAll(QStringLiteral("gate"));
        return anEntries;
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

// Lets a test hold a worker inside a job until it opens the gate.
struct Gate
{
    QSemaphore myEntered;
    QSemaphore myOpened;
};

using GatePtr = std::shared_ptr<Gate>;

LMBackgroundJobManager* manager()
{
    return LMBackgroundJobManager::instance();
}

// Record writes its name ("name!": and fails); Wait waits at its gate, then writes "gate"; Open
// writes "open" and opens the gate; Nested runs three children on a runner of its own and waits
// for them, as the template loader does (below the last level the children record); Schedule
// schedules a recording "follow-up" on the manager. Equal by kind, journal, name and gate; with
// myCollides every job has the same hash, so that only operator== tells them apart.
enum class Kind { Record, Wait, Open, Nested, Schedule };

class TestJob : public LMBackgroundJob
{
public:
    TestJob(JournalPtr theJournal, const QString& theText, Kind theKind = Kind::Record, GatePtr theGate = {},
            int theDepth = 0)
        : myJournal(std::move(theJournal)), myName(theText), myKind(theKind), myGate(std::move(theGate)),
          myDepth(theDepth)
    {
        mySucceeds = !myName.endsWith(QLatin1Char('!'));
        if (!mySucceeds)
            myName.chop(1);
    }

    void setName(const QString& theName) { myName = theName; }
    bool myCollides = false;

    bool doStuff() const override
    {
        if (myKind == Kind::Wait) {
            myGate->myEntered.release();
            myGate->myOpened.acquire();
        }
        if (myKind == Kind::Nested)
            return runChildren();
        myJournal->add(myName);
        if (myKind == Kind::Open)
            myGate->myOpened.release();
        if (myKind == Kind::Schedule)
            manager()->schedule(TestJob(myJournal, QStringLiteral("follow-up")), LMBackgroundJobPriority::Idle);
        return mySucceeds;
    }
    std::unique_ptr<LMBackgroundJob> clone() const override { return std::make_unique<TestJob>(*this); }
    size_t hash() const override { return myCollides ? 0 : qHash(myName) ^ qHash(myGate.get()); }
    bool operator==(const LMBackgroundJob& theOther) const override
    {
        const auto* anOther = dynamic_cast<const TestJob*>(&theOther);
        return anOther && anOther->myKind == myKind && anOther->myJournal == myJournal && anOther->myName == myName
            && anOther->myGate == myGate;
    }

private:
    bool runChildren() const
    {
        LMBackgroundJobRunner aRunner;
        for (int i = 0; i < 3; ++i)
            aRunner.scheduleJob(TestJob(myJournal, myName + QLatin1Char('.') + QString::number(i),
                                        myDepth > 1 ? Kind::Nested : Kind::Record, {}, myDepth - 1),
                                LMBackgroundJobPriority::High);
        aRunner.wait();
        const bool anOk = aRunner.finishedCount() == 3 && aRunner.failedCount() == 0;
        myJournal->add((anOk ? QStringLiteral("done ") : QStringLiteral("failed ")) + myName);
        return anOk;
    }

    JournalPtr myJournal;
    QString myName;
    Kind myKind;
    GatePtr myGate;
    int myDepth;
    bool mySucceeds;
};

LMBackgroundTask taskOf(const JournalPtr& theJournal, const QStringList& theJobs)
{
    LMBackgroundTask aTask;
    for (const QString& aJob : theJobs)
        aTask.addJob(TestJob(theJournal, aJob));
    return aTask;
}

// Where the test calls a helper from.
enum class Caller { MainThread, OtherThread, PoolThread };

// Keeps threads of the global pool busy until destroyed.
class PoolBlocker
{
public:
    explicit PoolBlocker(int theCount) : myCount(theCount)
    {
        for (int i = 0; i < myCount; ++i) {
            QThreadPool::globalInstance()->start([this] {
                myEntered.release();
                myOpened.acquire();
            });
        }
        myEntered.acquire(myCount);
    }
    ~PoolBlocker()
    {
        myOpened.release(myCount);
        QThreadPool::globalInstance()->waitForDone();
    }

private:
    const int myCount;
    QSemaphore myEntered;
    QSemaphore myOpened;
};

// Runs theWork in the given kind of thread and returns when it is done. A standard thread, so
// that ThreadSanitizer sees the hand-over; the pool case returns its answer through an atomic.
void runOn(Caller theCaller, const std::function<void()>& theWork)
{
    switch (theCaller) {
    case Caller::MainThread:
        theWork();
        break;
    case Caller::OtherThread: {
        std::thread aThread(theWork);
        aThread.join();
        break;
    }
    case Caller::PoolThread: {
        QSemaphore aDone;
        QThreadPool::globalInstance()->start([&] {
            theWork();
            aDone.release();
        });
        aDone.acquire();
        break;
    }
    }
}

// The threads that touched elements, guarded by a standard mutex.
class ThreadLog
{
public:
    void add()
    {
        const std::lock_guard aLock(myMutex);
        myThreads.insert(std::this_thread::get_id());
    }
    QSet<std::thread::id> threads() const
    {
        const std::lock_guard aLock(myMutex);
        return myThreads;
    }

private:
    mutable std::mutex myMutex;
    QSet<std::thread::id> myThreads;
};

// Sum of the leaves of a tree of nested blocking maps: theWidth^theDepth when nothing is lost.
int nestedCount(int theDepth, int theWidth)
{
    if (theDepth == 0)
        return 1;
    const QList<int> aBranches(theWidth, theDepth - 1);
    const QList<int> aCounts
        = LMConcurrent::blockingMapped(aBranches, [theWidth](int theLevel) { return nestedCount(theLevel, theWidth); });
    return std::accumulate(aCounts.cbegin(), aCounts.cend(), 0);
}

// Debian's Qt Concurrent keeps its synchronisation inside the uninstrumented QtCore while its
// templates are compiled into this test, so ThreadSanitizer reports races inside Qt Concurrent
// itself. Under it, only the calls that fall back to the calling thread are checked.
bool runsQtConcurrentUnderThreadSanitizer(Caller theCaller, bool thePoolFull)
{
#if defined(__SANITIZE_THREAD__)
    return theCaller == Caller::MainThread || !thePoolFull;
#else
    Q_UNUSED(theCaller);
    Q_UNUSED(thePoolFull);
    return false;
#endif
}

} // namespace

Q_DECLARE_METATYPE(Caller)

// Background jobs, tasks and runners on the manager's workers, and the blocking maps and filters
// of the concurrency helpers from the main thread, other threads and pool threads.
class TestConcurrency : public QObject
{
    Q_OBJECT

    // Schedules a gate job and returns once the manager's single worker is inside it.
    GatePtr blockSingleWorker(const JournalPtr& theJournal)
    {
        manager()->setMaxWorkerCount(1);
        auto aGate = std::make_shared<Gate>();
        manager()->schedule(TestJob(theJournal, QStringLiteral("gate"), Kind::Wait, aGate),
                            LMBackgroundJobPriority::Immediate);
        aGate->myEntered.acquire();
        return aGate;
    }

    int myDefaultWorkers = 1;
    // What this test's jobs did.
    JournalPtr myJournal;

    // Small and fixed, so that filling the pool costs little and rows mean the same everywhere.
    static constexpr int ourPoolSize = 2;
    int myOriginalPoolSize = 0;

private slots:
    void initTestCase()
    {
        myDefaultWorkers = manager()->maxWorkerCount();
        myOriginalPoolSize = QThreadPool::globalInstance()->maxThreadCount();
        QThreadPool::globalInstance()->setMaxThreadCount(ourPoolSize);
        QCOMPARE(LMConcurrent::maxRunningThreads(), ourPoolSize);
    }
    void cleanupTestCase() { QThreadPool::globalInstance()->setMaxThreadCount(myOriginalPoolSize); }
    void init() { myJournal = std::make_shared<Journal>(); }
    void cleanup()
    {
        manager()->waitForIdle();
        manager()->setMaxWorkerCount(myDefaultWorkers);
        QThreadPool::globalInstance()->setMaxThreadCount(ourPoolSize);
    }

    void schedulingOrder_data()
    {
        QTest::addColumn<QStringList>("requests"); // "name:priority"
        columns<bool, QStringList>("collidingHashes", "expectedOrder");

        row("higher priority runs first", words("a:0 b:4 c:2 d:1 e:3"), false, words("b e c d a"));
        row("priorities and order mixed", words("a:1 b:3 c:1 d:3 e:2"), false, words("b d e a c"));
        row("equal job keeps its place", words("a:2 b:2 a:2 a:2"), false, words("a b"));
        row("equal job with higher priority raises the queued one", words("a:1 b:2 a:3"), false, words("a b"));
        row("equal job with lower priority keeps the higher one", words("a:3 b:2 a:0"), false, words("a b"));
        row("raised job goes behind the jobs of its new priority", words("a:1 b:3 a:3"), false, words("b a"));
        row("equal hashes alone do not make jobs equal", words("a:2 b:2 a:2 c:1"), true, words("a b c"));
    }
    void schedulingOrder()
    {
        QFETCH(QStringList, requests);
        QFETCH(QStringList, expectedOrder);

        const GatePtr aGate = blockSingleWorker(myJournal);
        QFETCH(bool, collidingHashes);
        int aQueued = 0;
        for (const QString& aRequest : std::as_const(requests)) {
            TestJob aJob(myJournal, aRequest.section(QLatin1Char(':'), 0, 0));
            aJob.myCollides = collidingHashes;
            const auto aPriority = static_cast<LMBackgroundJobPriority>(aRequest.section(QLatin1Char(':'), 1).toInt());
            aQueued += manager()->schedule(aJob, aPriority) ? 1 : 0;
        }
        QCOMPARE(aQueued, expectedOrder.size());
        QCOMPARE(manager()->pendingCount(), expectedOrder.size());

        aGate->myOpened.release();
        manager()->waitForIdle();
        QCOMPARE(manager()->pendingCount(), 0);
        QCOMPARE(myJournal->entries(), expectedOrder);
    }

    void duplicateOfRunningJobIsQueuedAgain()
    {
        const GatePtr aGate = blockSingleWorker(myJournal);
        // The first gate job is running: an equal one is new work.
        const TestJob aGateJob(myJournal, QStringLiteral("gate"), Kind::Wait, aGate);
        QVERIFY(manager()->schedule(aGateJob, LMBackgroundJobPriority::Normal));
        QCOMPARE(manager()->pendingCount(), 1);
        QVERIFY(!manager()->schedule(aGateJob, LMBackgroundJobPriority::Normal));

        aGate->myOpened.release(2);
        manager()->waitForIdle();
        QCOMPARE(myJournal->entries(true), words("gate gate"));
    }

    void queuedJobIsACopy()
    {
        const GatePtr aGate = blockSingleWorker(myJournal);
        auto aJob = std::make_unique<TestJob>(myJournal, QStringLiteral("as scheduled"));
        QVERIFY(manager()->schedule(*aJob, LMBackgroundJobPriority::Normal));
        aJob->setName(QStringLiteral("changed afterwards"));
        // The changed original is another job now, so it is queued beside the copy.
        QVERIFY(manager()->schedule(*aJob, LMBackgroundJobPriority::Low));
        aJob.reset();

        aGate->myOpened.release();
        manager()->waitForIdle();
        QCOMPARE(myJournal->entries(), (QStringList { "as scheduled", "changed afterwards" }));
    }

    void cancelPendingDropsManagerJobs()
    {
        const GatePtr aGate = blockSingleWorker(myJournal);
        LMBackgroundJobRunner aRunner;
        manager()->schedule(TestJob(myJournal, QStringLiteral("a")), LMBackgroundJobPriority::High);
        manager()->schedule(TestJob(myJournal, QStringLiteral("b")), LMBackgroundJobPriority::Idle);
        aRunner.scheduleJob(TestJob(myJournal, QStringLiteral("of the runner")), LMBackgroundJobPriority::Low);
        QCOMPARE(manager()->pendingCount(), 3);

        QCOMPARE(manager()->cancelPending(), 2);
        QCOMPARE(manager()->pendingCount(), 1);
        QCOMPARE(manager()->cancelPending(), 0);

        aGate->myOpened.release();
        aRunner.wait();
        manager()->waitForIdle();
        QCOMPARE(myJournal->entries(), QStringList { "of the runner" });

        // The manager goes on taking work.
        QVERIFY(manager()->schedule(TestJob(myJournal, QStringLiteral("a")), LMBackgroundJobPriority::High));
        manager()->waitForIdle();
        QCOMPARE(myJournal->entries(), (QStringList { "of the runner", "a" }));
    }

    void waitForIdleWaitsForFollowUps()
    {
        manager()->schedule(TestJob(myJournal, QStringLiteral("first"), Kind::Schedule),
                            LMBackgroundJobPriority::Normal);
        manager()->waitForIdle();
        QCOMPARE(myJournal->entries(), words("first follow-up"));
    }

    // A task runs as one job on one worker, its failed jobs fail it and the rest still runs; the
    // manager reports each of its jobs, never a runner's.
    void task_data()
    {
        QTest::addColumn<QStringList>("jobs"); // "name", or "name!" for a failing job
        columns<bool, QStringList>("expectedResult", "expectedJournal");

        row("empty task succeeds", QStringList(), true, QStringList());
        row("jobs run in order", words("a b c"), true, words("a b c"));
        row("failed job fails the task, the rest still runs", words("a b! c"), false, words("a b c"));
    }
    void task()
    {
        QFETCH(QStringList, jobs);

        const LMBackgroundTask aTask = taskOf(myJournal, jobs);
        QCOMPARE(aTask.jobCount(), jobs.size());
        manager()->setMaxWorkerCount(4);
        QList<bool> aResults;
        // Queued to this thread: delivered by sendPostedEvents below.
        connect(manager(), &LMBackgroundJobManager::jobFinished, this, [&](bool theOk) { aResults.append(theOk); });
        QVERIFY(manager()->schedule(aTask, LMBackgroundJobPriority::Normal));
        {
            LMBackgroundJobRunner aRunner;
            aRunner.scheduleJob(TestJob(std::make_shared<Journal>(), QStringLiteral("runner!")),
                                LMBackgroundJobPriority::Normal);
        }
        manager()->waitForIdle();
        QCoreApplication::sendPostedEvents();
        disconnect(manager(), &LMBackgroundJobManager::jobFinished, this, nullptr);

        QCOMPARE(aResults, QList<bool> { fetch<bool>("expectedResult") });
        QTEST(myJournal->entries(), "expectedJournal");
        QCOMPARE(QSet<QThread*>(myJournal->threads().cbegin(), myJournal->threads().cend()).size(),
                 jobs.isEmpty() ? 0 : 1);
    }

    void taskEquality_data()
    {
        columns<QStringList, QStringList, bool>("left", "right", "expectedEqual");

        row("same jobs in the same order", words("a b"), words("a b"), true);
        row("same jobs in another order", words("a b"), words("b a"), false);
        row("one job more", words("a b"), words("a b b"), false);
        row("different job", words("a b"), words("a c"), false);
    }
    void taskEquality()
    {
        QFETCH(bool, expectedEqual);

        const LMBackgroundTask aLeft = taskOf(myJournal, fetch<QStringList>("left"));
        const LMBackgroundTask aRight = taskOf(myJournal, fetch<QStringList>("right"));
        QCOMPARE(aLeft == aRight, expectedEqual);
        QCOMPARE(aRight == aLeft, expectedEqual);
        if (expectedEqual)
            QCOMPARE(aLeft.hash(), aRight.hash());

        // Equal tasks are one job of the queue.
        const GatePtr aGate = blockSingleWorker(myJournal);
        QVERIFY(manager()->schedule(aLeft, LMBackgroundJobPriority::Normal));
        QCOMPARE(manager()->schedule(aRight, LMBackgroundJobPriority::Normal), !expectedEqual);
        aGate->myOpened.release();
    }

    void taskCopyOwnsItsJobs()
    {
        const TestJob aJob(myJournal, QStringLiteral("a"));
        auto anOriginal = std::make_unique<LMBackgroundTask>(aJob);
        // The manager compares jobs as jobs: a task is never its only job.
        const LMBackgroundJob& aTaskAsJob = *anOriginal;
        const LMBackgroundJob& aJobAsJob = aJob;
        QVERIFY(!(aTaskAsJob == aJobAsJob));
        QVERIFY(!(aJobAsJob == aTaskAsJob));

        LMBackgroundTask aCopy(*anOriginal);
        aCopy.addJob(TestJob(myJournal, QStringLiteral("b")));
        QCOMPARE(anOriginal->jobCount(), 1);
        QVERIFY(!(aCopy == *anOriginal));

        LMBackgroundTask anAssigned;
        anAssigned = aCopy;
        anOriginal.reset();
        QVERIFY(anAssigned == aCopy);
        QVERIFY(aCopy.doStuff());
        QVERIFY(anAssigned.clone()->doStuff());
        QCOMPARE(myJournal->entries(), words("a b a b"));
    }

    void runner_data()
    {
        QTest::addColumn<QStringList>("jobs"); // "name", or "name!" for a failing job
        columns<int, int>("expectedFinished", "expectedFailed");

        row("no jobs", QStringList(), 0, 0);
        row("failures are counted", words("a! b c!"), 3, 2);
        row("equal queued jobs run once", words("a a b! b!"), 2, 1);
        QStringList aMany;
        for (int i = 0; i < 200; ++i)
            aMany.append(QString::number(i) + (i % 10 == 0 ? QStringLiteral("!") : QString()));
        row("many jobs", aMany, 200, 20);
    }
    void runner()
    {
        QFETCH(QStringList, jobs);

        // All jobs are queued before the single worker is free, so the merging is deterministic;
        // then the worker and this waiting thread share the work.
        const GatePtr aGate = blockSingleWorker(myJournal);
        LMBackgroundJobRunner aRunner;
        QSet<QString> aNames;
        for (const QString& aJob : std::as_const(jobs)) {
            QCOMPARE(aRunner.scheduleJob(TestJob(myJournal, aJob), LMBackgroundJobPriority::High),
                     !aNames.contains(aJob));
            aNames.insert(aJob);
        }
        aGate->myOpened.release();
        aRunner.wait();

        QTEST(aRunner.finishedCount(), "expectedFinished");
        QTEST(aRunner.failedCount(), "expectedFailed");
        QStringList anExpected;
        for (const QString& aName : std::as_const(aNames))
            anExpected.append(aName.endsWith(QLatin1Char('!')) ? aName.chopped(1) : aName);
        QStringList aRan = myJournal->entries();
        anExpected.sort();
        aRan.sort();
        QCOMPARE(aRan, anExpected);
    }

    void runnerInsideJob_data()
    {
        columns<int, int>("workers", "depth");

        row("one worker, three levels", 1, 3);
        row("two workers, two levels", 2, 2);
        row("three workers, three levels", 3, 3);
    }
    void runnerInsideJob()
    {
        QFETCH(int, workers);
        QFETCH(int, depth);

        manager()->setMaxWorkerCount(workers);
        QVERIFY(manager()->schedule(TestJob(myJournal, QStringLiteral("r"), Kind::Nested, {}, depth),
                                    LMBackgroundJobPriority::Normal));
        // A runner that waited for its queued jobs instead of running them would hang here.
        manager()->waitForIdle();

        const QStringList anEntries = myJournal->entries();
        int aLeaves = 1;
        int aRunners = 0;
        for (int i = 0; i < depth; ++i) {
            aRunners += aLeaves;
            aLeaves *= 3;
        }
        QCOMPARE(anEntries.filter(QRegularExpression(QStringLiteral("^r(\\.\\d)+$"))).size(), aLeaves);
        QCOMPARE(anEntries.filter(QRegularExpression(QStringLiteral("^done "))).size(), aRunners);
        QCOMPARE(anEntries.last(), QStringLiteral("done r"));
        const QList<QThread*> aThreads = myJournal->threads();
        QVERIFY(!aThreads.contains(QThread::currentThread()));
        if (workers == 1) // Nobody but the one worker can have run anything.
            QCOMPARE(QSet<QThread*>(aThreads.cbegin(), aThreads.cend()).size(), 1);
    }

    void runnerWaitsForJobRunningElsewhere()
    {
        manager()->setMaxWorkerCount(1);
        LMBackgroundJobRunner aRunner;
        const auto aGate = std::make_shared<Gate>();
        QVERIFY(aRunner.scheduleJob(TestJob(myJournal, QStringLiteral("gate"), Kind::Wait, aGate),
                                    LMBackgroundJobPriority::High));
        aGate->myEntered.acquire();
        // The worker is busy, so wait() runs the opener here, and then has to wait for the gate job.
        QVERIFY(aRunner.scheduleJob(TestJob(myJournal, QStringLiteral("open"), Kind::Open, aGate),
                                    LMBackgroundJobPriority::Low));
        aRunner.wait();

        QCOMPARE(aRunner.finishedCount(), 2);
        QCOMPARE(myJournal->entries(true), words("open gate"));
        QCOMPARE(myJournal->threads().first(), QThread::currentThread());
        QVERIFY(myJournal->threads().last() != QThread::currentThread());
    }

    void equalJobsOfDifferentOwnersStaySeparate()
    {
        const GatePtr aGate = blockSingleWorker(myJournal);
        const TestJob aJob(myJournal, QStringLiteral("a"));
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
        QCOMPARE(myJournal->entries(), words("a a a"));
        QCOMPARE(aFirst.finishedCount(), 1);
        QCOMPARE(aSecond.finishedCount(), 1);
    }

    void runsInParallel_data()
    {
        QTest::addColumn<Caller>("caller");
        QTest::addColumn<int>("busyThreads"); // besides the caller itself
        QTest::addColumn<bool>("expectedParallel");

        row("main thread, full pool", Caller::MainThread, ourPoolSize, true);
        row("other thread, one thread left", Caller::OtherThread, ourPoolSize - 1, true);
        row("other thread, full pool", Caller::OtherThread, ourPoolSize, false);
        row("pool thread, one thread left", Caller::PoolThread, ourPoolSize - 2, true);
        row("pool thread, last thread of the pool", Caller::PoolThread, ourPoolSize - 1, false);
    }
    void runsInParallel()
    {
        QFETCH(bool, expectedParallel);

        const PoolBlocker aBlocker(fetch<int>("busyThreads"));
        std::atomic<bool> aParallel = !expectedParallel;
        runOn(fetch<Caller>("caller"), [&] { aParallel = LMConcurrent::runsInParallel(); });
        QCOMPARE(aParallel.load(), expectedParallel);
    }

    void resultsKeepInputOrder_data()
    {
        columns<Caller, bool, int>("caller", "poolFull", "count");

        // No row for the main thread with a full pool: it fans out by design and would wait for the
        // blocked pool threads, which wait for the test.
        row("main thread, empty", Caller::MainThread, false, 0);
        row("main thread, many elements", Caller::MainThread, false, 3000);
        row("other thread, free pool", Caller::OtherThread, false, 3000);
        row("other thread, full pool", Caller::OtherThread, true, 3000);
    }
    void resultsKeepInputOrder()
    {
        QFETCH(Caller, caller);
        QFETCH(bool, poolFull);

        QList<int> anInput;
        QList<int> aTripled;
        QList<int> aSquared;
        QStringList aTexts;
        QList<int> aMultiplesOfThree;
        QList<int> anOdd;
        const int count = fetch<int>("count");
        for (int i = 0; i < count; ++i) {
            anInput.append(i);
            aTripled.append(3 * i);
            aSquared.append(i * i);
            aTexts.append(QString::number(i));
            if (i % 3 == 0)
                aMultiplesOfThree.append(i);
            if (i % 2 == 1)
                anOdd.append(i);
        }
        ThreadLog aLog;
        std::thread::id aCallerThread;
        QList<int> aMapped;
        QList<int> aMappedCopy;
        QStringList aMappedTexts;
        QList<int> aFiltered;
        QList<int> aFilteredCopy;

        if (runsQtConcurrentUnderThreadSanitizer(caller, poolFull))
            QSKIP("Qt Concurrent is not annotated for ThreadSanitizer");
        const PoolBlocker aBlocker(poolFull ? ourPoolSize : 0);
        runOn(caller, [&] {
            aCallerThread = std::this_thread::get_id();
            aMapped = anInput;
            LMConcurrent::blockingMap(aMapped, [&aLog](int& theValue) {
                aLog.add();
                theValue *= 3;
            });
            aMappedCopy = LMConcurrent::blockingMapped(anInput, [&aLog](int theValue) {
                aLog.add();
                return theValue * theValue;
            });
            aMappedTexts = LMConcurrent::blockingMapped<QStringList>(
                anInput, [](int theValue) { return QString::number(theValue); });
            aFilteredCopy = LMConcurrent::blockingFiltered(anInput, [&aLog](int theValue) {
                aLog.add();
                return theValue % 3 == 0;
            });
            aFiltered = anInput;
            LMConcurrent::blockingFilter(aFiltered, [](int theValue) { return theValue % 2 == 1; });
        });

        QCOMPARE(aMapped, aTripled);
        QCOMPARE(aMappedCopy, aSquared);
        QCOMPARE(aMappedTexts, aTexts);
        QCOMPARE(aFilteredCopy, aMultiplesOfThree);
        QCOMPARE(aFiltered, anOdd);
        // A full pool leaves a thread outside it to do the work alone.
        if (poolFull)
            QCOMPARE(aLog.threads(), QSet<std::thread::id> { aCallerThread });
    }

    void nestedMaps_data()
    {
        columns<Caller, int, bool, int, int>("caller", "poolSize", "poolFull", "depth", "width");

        row("main thread, one pool thread, two levels", Caller::MainThread, 1, false, 2, 16);
        row("main thread, two pool threads, three levels", Caller::MainThread, 2, false, 3, 8);
        row("other thread, one pool thread, three levels", Caller::OtherThread, 1, false, 3, 8);
        row("other thread, full pool, three levels", Caller::OtherThread, 2, true, 3, 8);
        row("pool thread, two pool threads, three levels", Caller::PoolThread, 2, false, 3, 8);
        row("no branches", Caller::MainThread, 2, false, 3, 0);
    }
    void nestedMaps()
    {
        QFETCH(Caller, caller);
        QFETCH(int, poolSize);
        QFETCH(bool, poolFull);
        QFETCH(int, depth);
        QFETCH(int, width);

        if (runsQtConcurrentUnderThreadSanitizer(caller, poolFull))
            QSKIP("Qt Concurrent is not annotated for ThreadSanitizer");
        QThreadPool::globalInstance()->setMaxThreadCount(poolSize);
        const PoolBlocker aBlocker(poolFull ? poolSize : 0);
        std::atomic<int> aCount = -1;
        runOn(caller, [&] { aCount = nestedCount(depth, width); });
        QCOMPARE(aCount.load(), int(std::pow(width, depth)));
    }
};

QTEST_GUILESS_MAIN(TestConcurrency)
#include "tst_concurrency.moc"
