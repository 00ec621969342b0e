#include "LMBackgroundJobManager.h"

#include "LMBackgroundJob.h"
#include "LMBackgroundJobRunner_p.h"
#include "LMSingletonDefinition.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <list>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace {

constexpr int PRIORITY_COUNT = 5;

thread_local bool ourIsWorkerThread = false;

struct LMQueuedJob
{
    std::unique_ptr<LMBackgroundJob> myJob;
    size_t myHash = 0;
    int myPriority = 0;
    // The runner the job belongs to; null for jobs scheduled on the manager itself.
    std::shared_ptr<LMBackgroundJobRunnerImpl> myRunner;
};

using LMJobQueue = std::list<LMQueuedJob>;

int priorityIndex(LMBackgroundJobPriority thePriority)
{
    const int aValue = static_cast<int>(thePriority);
    Q_ASSERT_X(aValue >= 0 && aValue < PRIORITY_COUNT, "LMBackgroundJobManager", "priority out of range");
    return std::clamp(aValue, 0, PRIORITY_COUNT - 1);
}

} // namespace

// The queue, one FIFO list per priority, and the worker bookkeeping, all guarded by myMutex.
// Standard mutexes, because ThreadSanitizer sees through them and Debian's Qt is not annotated.
class LMBackgroundJobManagerImpl
{
public:
    std::optional<LMJobQueue::iterator> findQueued(const LMBackgroundJob& theJob, size_t theHash,
                                                   const LMBackgroundJobRunnerImpl* theRunner) const
    {
        const auto [aBegin, anEnd] = myIndex.equal_range(theHash);
        for (auto anIt = aBegin; anIt != anEnd; ++anIt) {
            const LMJobQueue::iterator aQueued = anIt->second;
            if (aQueued->myRunner.get() == theRunner && *aQueued->myJob == theJob)
                return aQueued;
        }
        return std::nullopt;
    }

    void unindex(LMJobQueue::iterator theQueued)
    {
        const auto [aBegin, anEnd] = myIndex.equal_range(theQueued->myHash);
        const auto anIt
            = std::find_if(aBegin, anEnd, [&](const auto& theEntry) { return theEntry.second == theQueued; });
        Q_ASSERT(anIt != anEnd);
        myIndex.erase(anIt);
    }

    LMQueuedJob take(LMJobQueue::iterator theQueued)
    {
        unindex(theQueued);
        LMJobQueue& aQueue = myQueues[theQueued->myPriority];
        LMQueuedJob aTaken = std::move(*theQueued);
        aQueue.erase(theQueued);
        return aTaken;
    }

    // The job that runs next, if any.
    std::optional<LMJobQueue::iterator> next()
    {
        for (int aPriority = PRIORITY_COUNT - 1; aPriority >= 0; --aPriority) {
            if (!myQueues[aPriority].empty())
                return myQueues[aPriority].begin();
        }
        return std::nullopt;
    }

    bool isIdle() const { return myIndex.empty() && myRunning == 0; }

    // Counts one more worker when queued jobs outnumber the workers free to take them; the
    // caller starts it after unlocking.
    bool claimWorker()
    {
        const int aFreeWorkers = myWorkers - myRunning;
        if (myWorkers >= myMaxWorkers || static_cast<int>(myIndex.size()) <= aFreeWorkers)
            return false;
        ++myWorkers;
        return true;
    }

    mutable std::mutex myMutex;
    std::condition_variable myIdle;
    std::array<LMJobQueue, PRIORITY_COUNT> myQueues;
    // Every queued job by hash, to find an equal one without walking the queues.
    std::unordered_multimap<size_t, LMJobQueue::iterator> myIndex;
    int myRunning = 0;
    int myWorkers = 0;
    int myMaxWorkers = 1;
    QThreadPool myPool;
};

LMBackgroundJobManager::LMBackgroundJobManager() : myImpl(std::make_unique<LMBackgroundJobManagerImpl>())
{
    myImpl->myMaxWorkers = std::max(1, QThread::idealThreadCount());
    myImpl->myPool.setMaxThreadCount(myImpl->myMaxWorkers);
    myImpl->myPool.setObjectName(QStringLiteral("LMBackgroundJobManager"));
    // Created on first use, maybe on a short-lived thread; signals need no event loop of ours.
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
}

LMBackgroundJobManager::~LMBackgroundJobManager()
{
    waitForIdle();
    myImpl->myPool.waitForDone();
}

bool LMBackgroundJobManager::schedule(const LMBackgroundJob& theJob, LMBackgroundJobPriority thePriority)
{
    return enqueue(theJob, thePriority, nullptr);
}

bool LMBackgroundJobManager::enqueue(const LMBackgroundJob& theJob, LMBackgroundJobPriority thePriority,
                                     const std::shared_ptr<LMBackgroundJobRunnerImpl>& theRunner)
{
    const int aPriority = priorityIndex(thePriority);
    const size_t aHash = theJob.hash();
    // Cloned before locking: a clone may allocate a lot, and a duplicate is rare.
    std::unique_ptr<LMBackgroundJob> aClone = theJob.clone();
    Q_ASSERT_X(aClone, "LMBackgroundJobManager::schedule", "clone() returned no job");
    if (!aClone)
        return false;

    LMBackgroundJobManagerImpl& d = *myImpl;
    {
        const std::lock_guard aLock(d.myMutex);
        if (const auto anEqual = d.findQueued(theJob, aHash, theRunner.get())) {
            const LMJobQueue::iterator aQueued = *anEqual;
            if (aPriority > aQueued->myPriority) {
                LMJobQueue& aTarget = d.myQueues[aPriority];
                aTarget.splice(aTarget.end(), d.myQueues[aQueued->myPriority], aQueued);
                aQueued->myPriority = aPriority;
            }
            return false;
        }
        LMJobQueue& aQueue = d.myQueues[aPriority];
        aQueue.push_back(LMQueuedJob { std::move(aClone), aHash, aPriority, theRunner });
        d.myIndex.emplace(aHash, std::prev(aQueue.end()));
        if (theRunner)
            theRunner->jobQueued();
        if (!d.claimWorker())
            return true;
    }
    d.myPool.start([this] { runWorker(); });
    return true;
}

std::unique_ptr<LMBackgroundJob> LMBackgroundJobManager::takeQueued(const LMBackgroundJobRunnerImpl* theRunner)
{
    LMBackgroundJobManagerImpl& d = *myImpl;
    LMQueuedJob aTaken;
    {
        const std::lock_guard aLock(d.myMutex);
        for (int aPriority = PRIORITY_COUNT - 1; aPriority >= 0 && !aTaken.myJob; --aPriority) {
            LMJobQueue& aQueue = d.myQueues[aPriority];
            const auto anIt = std::find_if(aQueue.begin(), aQueue.end(), [&](const LMQueuedJob& theQueued) {
                return theQueued.myRunner.get() == theRunner;
            });
            if (anIt != aQueue.end())
                aTaken = d.take(anIt);
        }
        if (!aTaken.myJob)
            return nullptr;
        aTaken.myRunner->jobStarted();
        if (d.isIdle())
            d.myIdle.notify_all();
    }
    return std::move(aTaken.myJob);
}

void LMBackgroundJobManager::runWorker()
{
    ourIsWorkerThread = true;
    LMBackgroundJobManagerImpl& d = *myImpl;
    std::unique_lock aLock(d.myMutex);
    while (d.myWorkers <= d.myMaxWorkers) {
        const auto aNext = d.next();
        if (!aNext)
            break;
        LMQueuedJob aJob = d.take(*aNext);
        if (aJob.myRunner)
            aJob.myRunner->jobStarted();
        ++d.myRunning;
        aLock.unlock();

        const bool anOk = aJob.myJob->doStuff();
        aJob.myJob.reset();
        if (aJob.myRunner)
            aJob.myRunner->jobFinished(anOk);
        else
            emit jobFinished(anOk);
        aJob.myRunner.reset();

        aLock.lock();
        --d.myRunning;
        if (d.isIdle())
            d.myIdle.notify_all();
    }
    --d.myWorkers;
    aLock.unlock();
    ourIsWorkerThread = false;
}

int LMBackgroundJobManager::pendingCount() const
{
    const std::lock_guard aLock(myImpl->myMutex);
    return static_cast<int>(myImpl->myIndex.size());
}

int LMBackgroundJobManager::runningCount() const
{
    const std::lock_guard aLock(myImpl->myMutex);
    return myImpl->myRunning;
}

int LMBackgroundJobManager::cancelPending()
{
    LMBackgroundJobManagerImpl& d = *myImpl;
    LMJobQueue aDropped; // destroyed after unlocking: a job's destructor is the caller's code
    {
        const std::lock_guard aLock(d.myMutex);
        for (LMJobQueue& aQueue : d.myQueues) {
            for (auto anIt = aQueue.begin(); anIt != aQueue.end();) {
                const auto aCurrent = anIt++;
                if (aCurrent->myRunner)
                    continue;
                d.unindex(aCurrent);
                aDropped.splice(aDropped.end(), aQueue, aCurrent);
            }
        }
        if (d.isIdle())
            d.myIdle.notify_all();
    }
    return static_cast<int>(aDropped.size());
}

void LMBackgroundJobManager::waitForIdle()
{
    Q_ASSERT_X(!ourIsWorkerThread, "LMBackgroundJobManager::waitForIdle", "called from a background job");
    std::unique_lock aLock(myImpl->myMutex);
    myImpl->myIdle.wait(aLock, [this] { return myImpl->isIdle(); });
}

int LMBackgroundJobManager::maxWorkerCount() const
{
    const std::lock_guard aLock(myImpl->myMutex);
    return myImpl->myMaxWorkers;
}

void LMBackgroundJobManager::setMaxWorkerCount(int theCount)
{
    Q_ASSERT_X(theCount >= 1, "LMBackgroundJobManager::setMaxWorkerCount", "needs at least one worker");
    LMBackgroundJobManagerImpl& d = *myImpl;
    int aStart = 0;
    {
        const std::lock_guard aLock(d.myMutex);
        d.myMaxWorkers = std::max(1, theCount);
        d.myPool.setMaxThreadCount(d.myMaxWorkers);
        while (d.claimWorker())
            ++aStart;
    }
    for (int i = 0; i < aStart; ++i)
        d.myPool.start([this] { runWorker(); });
}

bool LMBackgroundJobManager::isWorkerThread()
{
    return ourIsWorkerThread;
}

LM_DEFINE_SINGLETON(LMBackgroundJobManager)
