#include "LMFolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <chrono>
#include <filesystem>

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
    QStringList myFiles; // every regular file, sorted by name
    // The files with a suffix, by the suffix as asked: a folder of thousands of files is asked
    // for its few sidecars once for every file read from it.
    QHash<QString, QStringList> myFilesBySuffix;
};

struct LMFolderCache
{
    QMutex myMutex;
    QHash<QString, LMFolderEntry> myFolders;
};

LMFolderCache& cache()
{
    static LMFolderCache ourCache;
    return ourCache;
}

QStringList withSuffix(const QStringList& theFiles, const QString& theSuffix)
{
    QStringList aResult;
    for (const QString& aName : theFiles)
        if (aName.endsWith(theSuffix, Qt::CaseInsensitive))
            aResult.append(aName);
    return aResult;
}
} // namespace

QStringList LMFolderListing::filesWithSuffix(const QString& theFolder, const QString& theSuffix)
{
    if (theFolder.isEmpty())
        return {};
    // One look at the folder: a path that is no folder lists no files.
    const QString aKey = QFileInfo(theFolder).absoluteFilePath();
    std::error_code anError;
    const LMFileTime aModified
        = std::filesystem::last_write_time(std::filesystem::path(QFile::encodeName(aKey).toStdString()), anError);
    if (anError)
        return {};

    LMFolderCache& aCache = cache();
    {
        const QMutexLocker aLocker(&aCache.myMutex);
        const auto anEntry = aCache.myFolders.find(aKey);
        if (anEntry != aCache.myFolders.end() && anEntry->myModified == aModified
            && anEntry->myListed - anEntry->myModified > std::chrono::milliseconds(RACY_MILLISECONDS)) {
            const auto aFiltered = anEntry->myFilesBySuffix.constFind(theSuffix);
            if (aFiltered != anEntry->myFilesBySuffix.cend())
                return *aFiltered;
            const QStringList aResult = withSuffix(anEntry->myFiles, theSuffix);
            anEntry->myFilesBySuffix.insert(theSuffix, aResult);
            return aResult;
        }
    }
    // Listed without holding the lock; two threads may list the same folder once each.
    const LMFileTime aListed = LMFileTime::clock::now();
    const QStringList aFiles = QDir(aKey).entryList(QDir::Files, QDir::Name);
    const QStringList aResult = withSuffix(aFiles, theSuffix);
    const QMutexLocker aLocker(&aCache.myMutex);
    aCache.myFolders.insert(aKey, LMFolderEntry { aModified, aListed, aFiles, { { theSuffix, aResult } } });
    return aResult;
}

void LMFolderListing::clear()
{
    LMFolderCache& aCache = cache();
    const QMutexLocker aLocker(&aCache.myMutex);
    aCache.myFolders.clear();
}
