#pragma once

// Not public API: the metadata of photo files behind LMFotoAccess and the photo file reading
// that LMFotoAccess and LMMicroThumbnailCache share.

#include "LMFileState.h"
#include "LMSingleton.h"

#include <QByteArray>
#include <QCache>
#include <QSize>
#include <QString>

#include <mutex>

// What the library needs to know of one photo file, read once for each state of the file.
struct LMFotoMetaData
{
    // The file was read and holds a picture Qt can decode.
    bool valid = false;
    // As stored, before the EXIF orientation is applied.
    QSize pixelSize;
    int exifOrientation = 1;
    // Seconds since the epoch; -1 when not valid.
    qint64 takenEpoch = -1;
    int rating = 0;
};

// The metadata of the photo files the process asked for, by path; an entry is read again when the
// file's size or modification time changed. Reads without holding the lock: two threads asking
// for the same new file both read it, and the second result simply replaces the first.
class LMFotoMetaDataCache : public LMSingleton<LMFotoMetaDataCache>
{
    friend class LMSingleton<LMFotoMetaDataCache>;

public:
    ~LMFotoMetaDataCache() override;

    // The metadata of the local file; invalid metadata, with one warning per state of the file,
    // when it is missing, no regular file, too large, unreadable or no picture.
    LMFotoMetaData metaData(const QString& thePath);
    void clear();

    // Files larger than this are no photos this library reads.
    static constexpr qint64 ourMaximumFileSize = 512LL * 1024 * 1024;
    // Pictures of more pixels are not decoded.
    static constexpr qint64 ourMaximumPixels = 200LL * 1000 * 1000;

    // The whole content of a photo file: only a regular file (a pipe never blocks the caller) of
    // at most ourMaximumFileSize bytes. False with a warning naming the file when it cannot be read.
    static bool readFile(const QString& thePath, QByteArray* theData);
    // The metadata of a photo whose file content is theData, which is a copy of thePath's file.
    static LMFotoMetaData readMetaData(const QString& thePath, const QByteArray& theData);

private:
    LMFotoMetaDataCache();

    struct Entry
    {
        LMFileState state;
        LMFotoMetaData metaData;
    };

    std::mutex myMutex;
    // One entry is a few dozen bytes; the bound keeps a long session's photos from piling up.
    QCache<QString, Entry> myEntries { 50000 };
};
