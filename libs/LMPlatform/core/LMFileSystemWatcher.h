#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

class LMFileSystemWatcherImpl;

// Watches the template folders of the content (at first those of the directory configuration) and
// their sub-folders and reports template files (".xml", ".svg")
// that appeared or changed, after a short quiet time, as one list. Lives in the application's
// thread; filesChanged is emitted there (receivers connect directly to run in it).
class LMPLATFORM_EXPORT LMFileSystemWatcher : public QObject, public LMSingleton<LMFileSystemWatcher>
{
    Q_OBJECT

public:
    ~LMFileSystemWatcher() override;

    // The folders watched, each with all its sub-folders; replaces the earlier ones. Folders that
    // do not exist are skipped. A folder that stays watched keeps what the watcher knew of its
    // files: a change made before the call is still reported. Call in the watcher's thread.
    void setWatchedFolders(const QStringList& theFolders);
    QStringList watchedFolders() const;
    // The quiet time after the last change before changes are reported; 300 ms by default.
    void setDebounceInterval(int theMilliseconds);

    // For callers that know what they changed: emits filesChanged with the files at once.
    void notifyThatThisFilesHavechanged(const QList<QString>& theFiles);

signals:
    // Absolute paths, sorted, without duplicates.
    void filesChanged(const QStringList& theFiles);

private:
    friend class LMSingleton<LMFileSystemWatcher>;
    LMFileSystemWatcher();

    void folderChanged(const QString& theFolder);
    void reportChanges();

    std::unique_ptr<LMFileSystemWatcherImpl> const myImpl;
};
