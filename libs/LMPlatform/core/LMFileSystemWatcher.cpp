#include "LMFileSystemWatcher.h"

#include "LMConcurrent.h"
#include "LMDirectoryConfig.h"
#include "LMSingletonDefinition.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileSystemWatcher>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <filesystem>

LM_DEFINE_SINGLETON(LMFileSystemWatcher)

namespace {
// The files of one folder that can be templates, with their modification times.
using LMFolderSnapshot = QHash<QString, qint64>;

// Raw file times: QDateTime's local time would call tzset() from several threads.
qint64 modificationTime(const QString& theFile)
{
    std::error_code anError;
    const auto aTime = std::filesystem::last_write_time(std::filesystem::path(theFile.toStdString()), anError);
    return anError ? -1 : qint64(aTime.time_since_epoch().count());
}

LMFolderSnapshot snapshot(const QString& theFolder)
{
    LMFolderSnapshot aSnapshot;
    const QFileInfoList anEntries
        = QDir(theFolder).entryInfoList({ QStringLiteral("*.xml"), QStringLiteral("*.svg") }, QDir::Files);
    for (const QFileInfo& anEntry : anEntries)
        aSnapshot.insert(anEntry.absoluteFilePath(), modificationTime(anEntry.absoluteFilePath()));
    return aSnapshot;
}

QStringList subFolders(const QString& theFolder)
{
    QStringList aFolders;
    QDirIterator anIterator(theFolder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (anIterator.hasNext())
        aFolders.append(QDir::cleanPath(anIterator.next()));
    return aFolders;
}
} // namespace

class LMFileSystemWatcherImpl
{
public:
    QFileSystemWatcher* myWatcher = nullptr;
    QTimer* myTimer = nullptr;
    QStringList myRoots;
    QHash<QString, LMFolderSnapshot> mySnapshots;
    QSet<QString> myPendingFolders;
};

LMFileSystemWatcher::LMFileSystemWatcher() : myImpl(std::make_unique<LMFileSystemWatcherImpl>())
{
    myImpl->myWatcher = new QFileSystemWatcher(this);
    myImpl->myTimer = new QTimer(this);
    myImpl->myTimer->setSingleShot(true);
    myImpl->myTimer->setInterval(300);
    connect(myImpl->myWatcher, &QFileSystemWatcher::directoryChanged, this, &LMFileSystemWatcher::folderChanged);
    connect(myImpl->myTimer, &QTimer::timeout, this, &LMFileSystemWatcher::reportChanges);
    QStringList aFolders;
    const QList<QDir> aTemplateFolders = LMDirectoryConfig::instance()->templateDirectories();
    for (const QDir& aFolder : aTemplateFolders)
        aFolders.append(aFolder.absolutePath());
    setWatchedFolders(aFolders);
    // May be created on a worker thread: timers and notifications belong to the application's.
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
}

LMFileSystemWatcher::~LMFileSystemWatcher() = default;

void LMFileSystemWatcher::setWatchedFolders(const QStringList& theFolders)
{
    const QStringList aWatched = myImpl->myWatcher->directories();
    if (!aWatched.isEmpty())
        myImpl->myWatcher->removePaths(aWatched);
    myImpl->mySnapshots.clear();
    myImpl->myPendingFolders.clear();
    myImpl->myRoots.clear();
    QStringList aFolders;
    for (const QString& aRoot : theFolders) {
        const QFileInfo anInfo(aRoot);
        if (!anInfo.isDir())
            continue;
        const QString aClean = QDir::cleanPath(anInfo.absoluteFilePath());
        myImpl->myRoots.append(aClean);
        aFolders.append(aClean);
        aFolders.append(subFolders(aClean));
    }
    // Every file of every folder is looked at: in parallel.
    const QList<LMFolderSnapshot> aSnapshots = LMConcurrent::blockingMapped(aFolders, &snapshot);
    for (qsizetype i = 0; i < aFolders.size(); ++i)
        myImpl->mySnapshots.insert(aFolders.at(i), aSnapshots.at(i));
    if (!aFolders.isEmpty())
        myImpl->myWatcher->addPaths(aFolders);
}

QStringList LMFileSystemWatcher::watchedFolders() const
{
    return myImpl->myRoots;
}

void LMFileSystemWatcher::setDebounceInterval(int theMilliseconds)
{
    myImpl->myTimer->setInterval(qMax(0, theMilliseconds));
}

void LMFileSystemWatcher::notifyThatThisFilesHavechanged(const QList<QString>& theFiles)
{
    emit filesChanged(QStringList(theFiles));
}

void LMFileSystemWatcher::folderChanged(const QString& theFolder)
{
    // A copy of many files fires once per file: collect and report after the quiet time.
    myImpl->myPendingFolders.insert(QDir::cleanPath(theFolder));
    myImpl->myTimer->start();
}

void LMFileSystemWatcher::reportChanges()
{
    QSet<QString> aChanged;
    QStringList aFolders(myImpl->myPendingFolders.cbegin(), myImpl->myPendingFolders.cend());
    myImpl->myPendingFolders.clear();
    while (!aFolders.isEmpty()) {
        const QString aFolder = aFolders.takeFirst();
        if (!QFileInfo(aFolder).isDir()) {
            myImpl->mySnapshots.remove(aFolder);
            continue;
        }
        const LMFolderSnapshot aBefore = myImpl->mySnapshots.value(aFolder);
        const LMFolderSnapshot aNow = snapshot(aFolder);
        for (auto anIt = aNow.cbegin(); anIt != aNow.cend(); ++anIt) {
            const auto anOld = aBefore.constFind(anIt.key());
            if (anOld == aBefore.cend() || *anOld != anIt.value())
                aChanged.insert(anIt.key());
        }
        myImpl->mySnapshots.insert(aFolder, aNow);
        // New sub-folders are watched from now on; the files they brought count as new.
        const QStringList aSubFolders = QDir(aFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& aName : aSubFolders) {
            const QString aSub = QDir::cleanPath(aFolder + QLatin1Char('/') + aName);
            if (myImpl->mySnapshots.contains(aSub))
                continue;
            myImpl->mySnapshots.insert(aSub, LMFolderSnapshot());
            myImpl->myWatcher->addPath(aSub);
            aFolders.append(aSub);
        }
    }
    if (aChanged.isEmpty())
        return;
    QStringList aFiles(aChanged.cbegin(), aChanged.cend());
    aFiles.sort();
    emit filesChanged(aFiles);
}
