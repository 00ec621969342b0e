#include "LMXMLBasedRegistry.h"

#include "LMFileState.h"
#include "LMFileSystemWatcher.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QThread>

#include <algorithm>

LMXMLBasedRegistry::LMXMLBasedRegistry(const QString& theExtension, bool theWatch)
    : myExtension(theExtension), myWatch(theWatch)
{
}

LMXMLBasedRegistry::~LMXMLBasedRegistry() = default;

QString LMXMLBasedRegistry::nameFilter() const
{
    return QStringLiteral("*.") + myExtension;
}

void LMXMLBasedRegistry::init()
{
    const QStringList aPaths = supervisedFiles();
    for (const QString& aPath : aPaths) {
        const QFileInfo aFile(aPath);
        if (takeChangedState(aFile))
            parseXML(aFile, false);
    }
    watchSupervisedDirectories();
}

QStringList LMXMLBasedRegistry::supervisedFiles() const
{
    QStringList aPaths;
    const QList<QDir> aDirectories = supervisedDirectories();
    for (const QDir& aDirectory : aDirectories) {
        QDirIterator anIt(aDirectory.absolutePath(), { nameFilter() }, QDir::Files, QDirIterator::Subdirectories);
        while (anIt.hasNext())
            aPaths.append(anIt.next());
    }
    std::sort(aPaths.begin(), aPaths.end());
    return aPaths;
}

void LMXMLBasedRegistry::watchSupervisedDirectories()
{
    if (myWatch)
        watch(supervisedDirectories());
}

void LMXMLBasedRegistry::readChangedFiles(const QList<QString>& theFiles)
{
    for (const QString& aPath : theFiles) {
        const QFileInfo aFile(aPath);
        if (aFile.isFile() && isSupervised(aFile) && QDir::match(nameFilter(), aFile.fileName())
            && takeChangedState(aFile))
            parseXML(aFile, true);
    }
}

bool LMXMLBasedRegistry::isSupervised(const QFileInfo& theFile) const
{
    const QString aPath = theFile.absoluteFilePath();
    const QList<QDir> aDirectories = supervisedDirectories();
    return std::any_of(aDirectories.cbegin(), aDirectories.cend(), [&aPath](const QDir& theDirectory) {
        return aPath.startsWith(theDirectory.absolutePath() + QLatin1Char('/'));
    });
}

bool LMXMLBasedRegistry::takeChangedState(const QFileInfo& theFile)
{
    const LMFileState aState = LMFileState::of(theFile.absoluteFilePath());
    const QMutexLocker aLocker(&myStatesMutex);
    const auto anIt = myParsedStates.constFind(theFile.absoluteFilePath());
    if (anIt != myParsedStates.cend() && *anIt == aState)
        return false;
    myParsedStates.insert(theFile.absoluteFilePath(), aState);
    return true;
}

void LMXMLBasedRegistry::watch(const QList<QDir>& theDirectories)
{
    LMFileSystemWatcher* aWatcher = LMFileSystemWatcher::instance();
    connect(aWatcher, &LMFileSystemWatcher::filesChanged, this,
            [this](const QStringList& theFiles) { readChangedFiles(theFiles); });
    QStringList aFolders;
    for (const QDir& aDirectory : theDirectories)
        aFolders.append(aDirectory.absolutePath());
    // The watcher is told in its own thread; it keeps the folders others gave it.
    QMetaObject::invokeMethod(aWatcher, [aWatcher, aFolders]() {
        QStringList aWatched = aWatcher->watchedFolders();
        for (const QString& aFolder : aFolders) {
            if (!aWatched.contains(aFolder))
                aWatched.append(aFolder);
        }
        aWatcher->setWatchedFolders(aWatched);
    });
}
