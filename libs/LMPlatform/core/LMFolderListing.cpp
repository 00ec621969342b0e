#include "LMFolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <utility>

namespace {
// File systems stamp changes with a coarse clock (the kernel's tick, a few milliseconds): a change
// made in the same tick as the listing may leave the folder's time unchanged. A listing is trusted
// only when it was made clearly after the folder's last change; a folder changed within this many
// milliseconds before its listing is listed again on every call until it has been quiet long
// enough. File systems with coarser stamps (FAT: 2 s) are not used for content.
constexpr qint64 RACY_MILLISECONDS = 100;

// File times without time zones: QDateTime's local time would call tzset() from several threads.
using LMFileTime = std::filesystem::file_time_type;

struct LMFolderEntry
{
    LMFileTime myModified;
    LMFileTime myListed;
    // The snapshot generation in which the listing was last found current; 0 for none.
    quint64 myCheckedIn = 0;
    QStringList myFiles; // every regular file, sorted by name
    // The files with a suffix, with the suffix as asked: a folder of thousands of files is asked
    // for its few sidecars once for every file read from it. A folder is asked for one or two
    // suffixes: a list, where a hash would take a kilobyte or two of every folder listed.
    QList<std::pair<QString, QStringList>> myFilesBySuffix;
};

struct LMFolderCache
{
    QMutex myMutex;
    QHash<QString, LMFolderEntry> myFolders;
};

QStringList withSuffix(const QStringList& theFiles, const QString& theSuffix)
{
    QStringList aResult;
    for (const QString& aName : theFiles)
        if (aName.endsWith(theSuffix, Qt::CaseInsensitive))
            aResult.append(aName);
    return aResult;
}

LMFolderCache& cache()
{
    static LMFolderCache ourCache;
    return ourCache;
}

std::atomic<int> ourOpenSnapshots { 0 };
// Counts up when a snapshot opens while none is open; never 0 once one has opened.
std::atomic<quint64> ourSnapshotGeneration { 0 };

// The generation of the open snapshots, 0 when none is open.
quint64 currentGeneration()
{
    return ourOpenSnapshots.load(std::memory_order_acquire) > 0
        ? ourSnapshotGeneration.load(std::memory_order_acquire)
        : 0;
}

bool isCurrent(const LMFolderEntry& theEntry, const LMFileTime& theModified)
{
    return theEntry.myModified == theModified
        && theEntry.myListed - theEntry.myModified > std::chrono::milliseconds(RACY_MILLISECONDS);
}

QStringList filtered(LMFolderEntry& theEntry, const QString& theSuffix)
{
    for (const auto& [aSuffix, aFiles] : std::as_const(theEntry.myFilesBySuffix)) {
        if (aSuffix == theSuffix)
            return aFiles;
    }
    const QStringList aResult = withSuffix(theEntry.myFiles, theSuffix);
    theEntry.myFilesBySuffix.append({ theSuffix, aResult });
    return aResult;
}

} // namespace

QStringList LMFolderListing::filesWithSuffix(const QString& theFolder, const QString& theSuffix)
{
    if (theFolder.isEmpty())
        return {};
    const QString aKey = QFileInfo(theFolder).absoluteFilePath();
    LMFolderCache& aCache = cache();
    const quint64 aGeneration = currentGeneration();
    if (aGeneration != 0) {
        const QMutexLocker aLocker(&aCache.myMutex);
        const auto anEntry = aCache.myFolders.find(aKey);
        if (anEntry != aCache.myFolders.end() && anEntry->myCheckedIn == aGeneration)
            return filtered(*anEntry, theSuffix);
    }
    // One look at the folder: a path that is no folder lists no files.
    std::error_code anError;
    const LMFileTime aModified
        = std::filesystem::last_write_time(std::filesystem::path(QFile::encodeName(aKey).toStdString()), anError);
    if (anError)
        return {};
    {
        const QMutexLocker aLocker(&aCache.myMutex);
        const auto anEntry = aCache.myFolders.find(aKey);
        if (anEntry != aCache.myFolders.end() && isCurrent(*anEntry, aModified)) {
            anEntry->myCheckedIn = aGeneration;
            return filtered(*anEntry, theSuffix);
        }
    }
    // Listed without holding the lock; two threads may list the same folder once each.
    const LMFileTime aListed = LMFileTime::clock::now();
    const QStringList aFiles = QDir(aKey).entryList(QDir::Files, QDir::Name);
    const QStringList aResult = withSuffix(aFiles, theSuffix);
    LMFolderEntry anEntry { aModified, aListed, 0, aFiles, { { theSuffix, aResult } } };
    // A listing made too soon after the folder's change is not trusted, in a snapshot either.
    if (isCurrent(anEntry, aModified))
        anEntry.myCheckedIn = aGeneration;
    const QMutexLocker aLocker(&aCache.myMutex);
    aCache.myFolders.insert(aKey, std::move(anEntry));
    return aResult;
}

void LMFolderListing::clear()
{
    LMFolderCache& aCache = cache();
    const QMutexLocker aLocker(&aCache.myMutex);
    aCache.myFolders.clear();
}

LMFolderListing::Snapshot::Snapshot()
{
    if (ourOpenSnapshots.fetch_add(1, std::memory_order_acq_rel) == 0)
        ourSnapshotGeneration.fetch_add(1, std::memory_order_acq_rel);
}

LMFolderListing::Snapshot::~Snapshot()
{
    ourOpenSnapshots.fetch_sub(1, std::memory_order_acq_rel);
}
