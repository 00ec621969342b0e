#pragma once

#include "LMPlatformExport.h"

#include <cstddef>
#include <memory>

// A unit of work for the background job manager. The manager queues a clone(), never the caller's
// object, and runs it on a worker thread; jobs that compare equal (same hash() and ==) are the
// same work, so an equal job still waiting in the queue is not queued a second time.
class LMPLATFORM_EXPORT LMBackgroundJob
{
public:
    virtual ~LMBackgroundJob();

    // The work; true on success. Runs on a worker thread or in a runner's waiting thread, so it may
    // use only its own state and thread-safe services.
    virtual bool doStuff() const = 0;

    // An independent copy of the job, owning everything it owns.
    virtual std::unique_ptr<LMBackgroundJob> clone() const = 0;

    // Equal jobs have equal hashes.
    virtual size_t hash() const = 0;

    // True when the other job is of the same type and would do the same work.
    virtual bool operator==(const LMBackgroundJob& theOther) const = 0;

protected:
    LMBackgroundJob() = default;
    LMBackgroundJob(const LMBackgroundJob&) = default;
    LMBackgroundJob& operator=(const LMBackgroundJob&) = default;
};
