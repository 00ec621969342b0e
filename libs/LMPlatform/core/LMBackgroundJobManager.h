#pragma once

#include "LMBackgroundJobPriority.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QObject>

#include <memory>

class LMBackgroundJob;
class LMBackgroundJobManagerImpl;
class LMBackgroundJobRunnerImpl;

// The process-wide queue of background jobs and the worker threads that run them. The workers
// are a private thread pool, so jobs may run Qt Concurrent maps on the global pool themselves.
class LMPLATFORM_EXPORT LMBackgroundJobManager : public QObject, public LMSingleton<LMBackgroundJobManager>
{
    Q_OBJECT

public:
    ~LMBackgroundJobManager() override;

    // Queues a clone of the job: higher priorities first, one priority in the order scheduled.
    // When an equal job is still waiting in the queue, none is added (false) and the waiting one
    // keeps the higher of both priorities; raised, it goes behind the jobs of its new priority.
    // A job equal to a running one is queued again: the caller may have changed what it reads.
    bool schedule(const LMBackgroundJob& theJob, LMBackgroundJobPriority thePriority);

    // Jobs queued and not yet started, those of runners included.
    int pendingCount() const;
    // Jobs that workers are running now.
    int runningCount() const;

    // Drops the queued jobs scheduled with schedule() and returns how many. Runners' jobs stay:
    // their callers wait for them.
    int cancelPending();

    // Blocks until the queue is empty and no worker runs a job; for shutdown and tests. Must not
    // be called from a job, which would wait for itself.
    void waitForIdle();

    int maxWorkerCount() const;
    // At least one. Workers beyond a lowered count stop after their current job.
    void setMaxWorkerCount(int theCount);

    // True on the manager's worker threads.
    static bool isWorkerThread();

signals:
    // After each job scheduled with schedule(), in the worker thread.
    void jobFinished(bool theOk);

private:
    friend class LMSingleton<LMBackgroundJobManager>;
    friend class LMBackgroundJobRunner;

    LMBackgroundJobManager();

    // Queues a clone; theRunner, when set, owns the job: it is merged only with its own jobs.
    bool enqueue(const LMBackgroundJob& theJob, LMBackgroundJobPriority thePriority,
                 const std::shared_ptr<LMBackgroundJobRunnerImpl>& theRunner);
    // Removes the runner's queued job that would run next and returns it, marked as started.
    std::unique_ptr<LMBackgroundJob> takeQueued(const LMBackgroundJobRunnerImpl* theRunner);
    void runWorker();

    std::unique_ptr<LMBackgroundJobManagerImpl> const myImpl;
};
