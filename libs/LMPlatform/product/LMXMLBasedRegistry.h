#pragma once

#include "LMFileState.h"
#include "LMPlatformExport.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>

// The base of registries whose elements are described by XML files in some folders (design
// styles, decorations): init() parses every file of the folders and their sub-folders, and files
// that change later (reported by the file system watcher, or named by readChangedFiles) are
// parsed again.
class LMPLATFORM_EXPORT LMXMLBasedRegistry : public QObject
{
    Q_OBJECT

public:
    // theExtension without the dot ("xml"); with theWatch the folders are added to the file
    // system watcher's and its reports are read.
    LMXMLBasedRegistry(const QString& theExtension, bool theWatch);
    ~LMXMLBasedRegistry() override;

    // Parses every file of the supervised folders, in path order, then watches the folders.
    virtual void init();
    // "*.<extension>".
    virtual QString nameFilter() const;
    // Parses those of the files that lie in a supervised folder, match the name filter and were
    // not parsed in this state (same size and time of change) before.
    void readChangedFiles(const QList<QString>& theFiles);

protected:
    // One description file; theMarkDownloaded is set for files that arrived after init().
    // True when it described anything.
    virtual bool parseXML(const QFileInfo& theFile, bool theMarkDownloaded) = 0;
    virtual QList<QDir> supervisedDirectories() const = 0;

    // The steps of init() for registries that parse in their own way: every file of the
    // supervised folders, in path order; whether a file is to be parsed (from any thread); then
    // the watch of the folders, when the registry watches.
    QStringList supervisedFiles() const;
    // True when the file was not parsed in its present state; remembers that state.
    bool takeChangedState(const QFileInfo& theFile);
    void watchSupervisedDirectories();

private:
    bool isSupervised(const QFileInfo& theFile) const;
    void watch(const QList<QDir>& theDirectories);

    QString myExtension;
    bool myWatch = false;
    QMutex myStatesMutex;
    QHash<QString, LMFileState> myParsedStates;
};
