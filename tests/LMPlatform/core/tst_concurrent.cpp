#include "LMConcurrent.h"
#include "LMTestSupport.h"

#include <QSemaphore>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <cmath>
#include <functional>
#include <mutex>
#include <numeric>
#include <thread>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

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

class TestConcurrent : public QObject
{
    Q_OBJECT

    // Small and fixed, so that filling the pool costs little and rows mean the same everywhere.
    static constexpr int ourPoolSize = 2;
    int myOriginalPoolSize = 0;

private slots:
    void initTestCase()
    {
        myOriginalPoolSize = QThreadPool::globalInstance()->maxThreadCount();
        QThreadPool::globalInstance()->setMaxThreadCount(ourPoolSize);
        QCOMPARE(LMConcurrent::maxRunningThreads(), ourPoolSize);
    }
    void cleanupTestCase() { QThreadPool::globalInstance()->setMaxThreadCount(myOriginalPoolSize); }
    void cleanup() { QThreadPool::globalInstance()->setMaxThreadCount(ourPoolSize); }

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

QTEST_GUILESS_MAIN(TestConcurrent)
#include "tst_concurrent.moc"
