#pragma once

#include "LMPlatformExport.h"

#include <QString>

// What a file is at one moment, for telling whether it changed since: its size and the time of its
// last change, from one look at it (one stat). The time is the file system's own stamp, without a
// time zone: QDateTime's local time calls tzset(), which looks at /etc/localtime on every call and
// makes threads wait for each other. Times are only compared, never shown.
struct LMPLATFORM_EXPORT LMFileState
{
    // -1 when there is no such file (or it cannot be looked at).
    qint64 size = -1;
    // Nanoseconds on the file system's clock.
    qint64 modified = 0;

    bool exists() const { return size >= 0; }

    static LMFileState of(const QString& thePath);

    friend bool operator==(const LMFileState& theLeft, const LMFileState& theRight)
    {
        return theLeft.size == theRight.size && theLeft.modified == theRight.modified;
    }
    friend bool operator!=(const LMFileState& theLeft, const LMFileState& theRight) { return !(theLeft == theRight); }
};
