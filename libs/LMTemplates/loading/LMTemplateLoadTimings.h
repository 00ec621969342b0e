#pragma once

#include <QtGlobal>

// What loading an article's files took: the parallel parse, the hand-over to the registry and the
// marking of the files as loaded, and how many files it read. Several loads add up.
struct LMTemplateLoadTimings
{
    qint64 parsedMs = 0;
    qint64 addedMs = 0;
    qint64 markedMs = 0;
    qint64 files = 0;
    // Article loads that read at least one file.
    int loads = 0;

    LMTemplateLoadTimings& operator+=(const LMTemplateLoadTimings& theOther)
    {
        parsedMs += theOther.parsedMs;
        addedMs += theOther.addedMs;
        markedMs += theOther.markedMs;
        files += theOther.files;
        loads += theOther.loads;
        return *this;
    }
    friend bool operator==(const LMTemplateLoadTimings&, const LMTemplateLoadTimings&) = default;
};
