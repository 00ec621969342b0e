#pragma once

// Not public API: the state one LMBackgroundJobRunner shares with the manager's workers.

#include <condition_variable>
#include <mutex>

// Counts of a runner's jobs. The manager moves a job from queued to running under its queue lock
// (taking this lock inside it, never the other way round); whoever ran the job reports its end.
// Standard mutexes, because ThreadSanitizer sees through them and Debian's Qt is not annotated.
class LMBackgroundJobRunnerImpl
{
public:
    void jobQueued();
    void jobStarted();
    void jobFinished(bool theOk);

    // Blocks until a queued job can be taken (true) or until no job is queued or running (false).
    bool waitForQueuedOrDone();

    int finishedCount() const;
    int failedCount() const;

private:
    mutable std::mutex myMutex;
    std::condition_variable myChanged;
    int myQueued = 0;
    int myRunning = 0;
    int myFinished = 0;
    int myFailed = 0;
};
