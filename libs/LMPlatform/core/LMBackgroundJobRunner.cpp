#include "LMBackgroundJobRunner.h"

#include "LMBackgroundJob.h"
#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobRunner_p.h"

void LMBackgroundJobRunnerImpl::jobQueued()
{
    {
        const std::lock_guard aLock(myMutex);
        ++myQueued;
    }
    myChanged.notify_all();
}

void LMBackgroundJobRunnerImpl::jobStarted()
{
    const std::lock_guard aLock(myMutex);
    --myQueued;
    ++myRunning;
}

void LMBackgroundJobRunnerImpl::jobFinished(bool theOk)
{
    {
        const std::lock_guard aLock(myMutex);
        --myRunning;
        ++myFinished;
        if (!theOk)
            ++myFailed;
    }
    myChanged.notify_all();
}

bool LMBackgroundJobRunnerImpl::waitForQueuedOrDone()
{
    std::unique_lock aLock(myMutex);
    myChanged.wait(aLock, [this] { return myQueued > 0 || myRunning == 0; });
    return myQueued > 0;
}

int LMBackgroundJobRunnerImpl::finishedCount() const
{
    const std::lock_guard aLock(myMutex);
    return myFinished;
}

int LMBackgroundJobRunnerImpl::failedCount() const
{
    const std::lock_guard aLock(myMutex);
    return myFailed;
}

LMBackgroundJobRunner::LMBackgroundJobRunner() : myImpl(std::make_shared<LMBackgroundJobRunnerImpl>()) { }

LMBackgroundJobRunner::~LMBackgroundJobRunner()
{
    wait();
}

bool LMBackgroundJobRunner::scheduleJob(const LMBackgroundJob& theJob, LMBackgroundJobPriority thePriority)
{
    return LMBackgroundJobManager::instance()->enqueue(theJob, thePriority, myImpl);
}

void LMBackgroundJobRunner::wait()
{
    LMBackgroundJobManager* aManager = LMBackgroundJobManager::instance();
    // A running job of this runner may queue more jobs on it, so look again after each wake-up.
    while (myImpl->waitForQueuedOrDone()) {
        while (const std::unique_ptr<LMBackgroundJob> aJob = aManager->takeQueued(myImpl.get()))
            myImpl->jobFinished(aJob->doStuff());
    }
}

int LMBackgroundJobRunner::finishedCount() const
{
    return myImpl->finishedCount();
}

int LMBackgroundJobRunner::failedCount() const
{
    return myImpl->failedCount();
}
