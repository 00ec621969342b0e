#pragma once

#include "LMPlatformExport.h"

#include <QByteArray>
#include <QString>

// Reads a whole file of the content tree the way every reader of the library must: only a regular
// file (open() on a pipe or a device may wait for a writer forever, or never end), at most a given
// size (a file linked to /dev/zero or grown by accident must not take the memory), and not one that
// grows while it is read. The callers word their own warnings from the status.
class LMPLATFORM_EXPORT LMContentFileReader
{
public:
    enum class Status { Read, NotFound, NotRegular, TooLarge, Unreadable, Changed };

    struct Result
    {
        Status status = Status::NotFound;
        QByteArray data;
        // The system's reason when the file could not be opened or read.
        QString errorString;

        bool isRead() const { return status == Status::Read; }
    };

    static Result read(const QString& thePath, qint64 theMaximumSize);

    // A short English reason for a status other than Read ("not a regular file", "larger than N
    // bytes", ...), for warnings of the form "cannot read <kind> file <path>: <reason>".
    static QString reason(const Result& theResult, qint64 theMaximumSize);
};
