#pragma once

#include "LMBackgroundJobPriority.h"
#include "LMPlatformExport.h"

#include <QtGlobal>

#include <memory>

class LMBackgroundJob;
class LMBackgroundJobRunnerImpl;

// A group of background jobs whose end the caller waits for, such as one load job per file.
// The jobs run on the background job manager's workers, not on a pool of their own: the process
// keeps one set of background threads and one priority order, so a load ranks above queued
// thumbnails. wait() never deadlocks, also on a worker: the waiting thread runs the runner's
// still-queued jobs itself and then waits only for those already running on other workers.
class LMPLATFORM_EXPORT LMBackgroundJobRunner
{
public:
    LMBackgroundJobRunner();
    // Waits for the jobs, which usually point into the caller's data.
    ~LMBackgroundJobRunner();

    // Queues a clone of the job on the manager. A job equal to one of this runner's jobs that is
    // still queued is not queued again (false); the queued one keeps the higher priority. Jobs of
    // other runners and of the manager itself are never merged with this runner's jobs.
    bool scheduleJob(const LMBackgroundJob& theJob,
                     LMBackgroundJobPriority thePriority = LMBackgroundJobPriority::Normal);

    // Blocks until every job scheduled so far has finished.
    void wait();

    // Jobs of this runner that have finished, and those of them whose doStuff() returned false.
    int finishedCount() const;
    int failedCount() const;

private:
    Q_DISABLE_COPY_MOVE(LMBackgroundJobRunner)

    // Shared with the queue entries, so that a worker reporting the end of the last job never
    // touches a runner that its waiting owner has just destroyed.
    std::shared_ptr<LMBackgroundJobRunnerImpl> const myImpl;
};
