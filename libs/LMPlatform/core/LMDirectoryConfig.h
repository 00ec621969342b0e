#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QDir>
#include <QReadWriteLock>
#include <QString>

// Where the installed content lies. The content root is set by the application, or by the
// environment variable LM_CONTENT_DIR, and otherwise is the sample content tree of the project.
class LMPLATFORM_EXPORT LMDirectoryConfig : public LMSingleton<LMDirectoryConfig>
{
    friend class LMSingleton<LMDirectoryConfig>;

public:
    // Absolute, clean path of the content tree's root folder.
    QString contentRoot() const;
    QDir contentDir() const { return QDir(contentRoot()); }
    // An absolute path below the content root.
    QString contentPath(const QString& theRelativePath) const;
    // The content folder "legacy": the list of designs that keep old rendering quirks
    // ("legacyDesigns.xml") lies there.
    QString legacyDesignsFolder() const;
    // True when the path, once made absolute and clean, lies inside the content tree.
    bool isInsideContentTree(const QString& thePath) const;

    // An empty path goes back to the environment or the sample content.
    void setContentRoot(const QString& thePath);

    // Absolute, clean path of the writable folder for files the library keeps for this user (the
    // user's copy of the white list). Set by the application, else by the environment variable
    // LM_USER_DATA_DIR, else the application's local data folder. The folder may not exist yet.
    QString userDataDir() const;
    // An empty path goes back to the environment or the application's local data folder.
    void setUserDataDir(const QString& thePath);

    // "white_list.conf": the content's copy at the content root, or with theUserCopy the user's
    // copy in the user data folder.
    QString whiteListFile(bool theUserCopy) const;

    // The sample content tree bundled with the project.
    static QString sampleContentRoot();

private:
    LMDirectoryConfig();

    mutable QReadWriteLock myLock;
    QString myContentRoot;
    QString myUserDataDir;
};
