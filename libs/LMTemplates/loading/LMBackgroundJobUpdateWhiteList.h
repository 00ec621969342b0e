#pragma once

#include "LMBackgroundJob.h"
#include "LMTemplatesExport.h"

// Generates the white list and saves it. Without state: all such jobs are one job. Two generations
// never run at the same time: a second waits for the first to end.
class LMTEMPLATES_EXPORT LMBackgroundJobUpdateWhiteList : public LMBackgroundJob
{
public:
    LMBackgroundJobUpdateWhiteList() = default;
    ~LMBackgroundJobUpdateWhiteList() override;

    // True when the list was saved.
    bool doStuff() const override;
    std::unique_ptr<LMBackgroundJob> clone() const override;
    size_t hash() const override;
    bool operator==(const LMBackgroundJob& theOther) const override;
};
