#pragma once

#include "LMBackgroundJob.h"
#include "LMPlatformExport.h"

#include <vector>

// A job made of several jobs that run one after the other, in the order they were added, as one
// unit of the manager's queue. Two tasks are equal when they hold equal jobs in the same order.
class LMPLATFORM_EXPORT LMBackgroundTask : public LMBackgroundJob
{
public:
    LMBackgroundTask();
    explicit LMBackgroundTask(const LMBackgroundJob& theJob);
    LMBackgroundTask(const LMBackgroundTask& theOther);
    LMBackgroundTask& operator=(const LMBackgroundTask& theOther);
    LMBackgroundTask(LMBackgroundTask&& theOther) noexcept;
    LMBackgroundTask& operator=(LMBackgroundTask&& theOther) noexcept;
    ~LMBackgroundTask() override;

    // Adds a clone of the job at the end.
    void addJob(const LMBackgroundJob& theJob);
    int jobCount() const;
    bool isEmpty() const;

    // Runs every job in order, also those after a failed one (each job is a piece of work of its
    // own); true when all of them succeeded, and for an empty task.
    bool doStuff() const override;
    std::unique_ptr<LMBackgroundJob> clone() const override;
    size_t hash() const override;
    bool operator==(const LMBackgroundJob& theOther) const override;

private:
    std::vector<std::unique_ptr<LMBackgroundJob>> myJobs;
};
