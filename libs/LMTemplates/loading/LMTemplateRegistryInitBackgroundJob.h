#pragma once

#include "LMBackgroundJob.h"
#include "LMTemplatesExport.h"

// Creates the template registry on a worker thread and connects its reload notification to the
// registry watcher. Without state: all such jobs are one job.
class LMTEMPLATES_EXPORT LMTemplateRegistryInitBackgroundJob : public LMBackgroundJob
{
public:
    LMTemplateRegistryInitBackgroundJob() = default;
    ~LMTemplateRegistryInitBackgroundJob() override;

    bool doStuff() const override;
    std::unique_ptr<LMBackgroundJob> clone() const override;
    size_t hash() const override;
    bool operator==(const LMBackgroundJob& theOther) const override;
};
