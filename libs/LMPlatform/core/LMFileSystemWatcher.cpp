#include "LMFileSystemWatcher.h"

#include "LMConcurrent.h"
#include "LMDirectoryConfig.h"
#include "LMFileState.h"
#include "LMSingletonDefinition.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileSystemWatcher>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QTimer>

LM_DEFINE_SINGLETON(LMFileSystemWatcher)

namespace {
// The files of one folder that can be templates or decorations, with their states.
using LMFolderSnapshot = QHash<QString, LMFileState>;

LMFolderSnapshot snapshot(const QString& theFolder)
{
    LMFolderSnapshot aSnapshot;
    QDirIterator anIterator(theFolder, { QStringLiteral("*.xml"), QStringLiteral("*.svg") }, QDir::Files);
    while (anIterator.hasNext()) {
        const QString aPath = anIterator.next();
        aSnapshot.insert(aPath, LMFileState::of(aPath));
    }
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
    // Folders watched before keep their snapshots (each registry adds its folders to the others').
    const QSet<QString> aKept(aFolders.cbegin(), aFolders.cend());
    myImpl->myPendingFolders.intersect(aKept);
    myImpl->mySnapshots.removeIf([&aKept](const auto& theEntry) { return !aKept.contains(theEntry.key()); });
    QStringList aDropped = myImpl->myWatcher->directories();
    aDropped.removeIf([&aKept](const QString& theFolder) { return aKept.contains(theFolder); });
    if (!aDropped.isEmpty())
        myImpl->myWatcher->removePaths(aDropped);
    QStringList aNew = aFolders;
    aNew.removeDuplicates();
    aNew.removeIf([this](const QString& theFolder) { return myImpl->mySnapshots.contains(theFolder); });
    // Every file of every new folder is looked at: in parallel.
    const QList<LMFolderSnapshot> aSnapshots = LMConcurrent::blockingMapped(aNew, &snapshot);
    for (qsizetype i = 0; i < aNew.size(); ++i)
        myImpl->mySnapshots.insert(aNew.at(i), aSnapshots.at(i));
    if (!aNew.isEmpty())
        myImpl->myWatcher->addPaths(aNew);
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
