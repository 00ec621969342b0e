#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QDir>
#include <QList>
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
    // True when the path, once made absolute and clean, lies inside the content tree or the
    // downloads folder (downloaded designs reference their own files).
    bool isInsideContentTree(const QString& thePath) const;
    // The same with every symbolic link resolved, of the path and of both folders: where a file
    // really lies. False for a path that does not exist.
    bool reallyLiesInsideContentTree(const QString& thePath) const;

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

    // The folders of template files that exist: "templates" and "designs" of the content root, then
    // those of the downloads folder.
    QList<QDir> templateDirectories() const;
    // The folder name of a directory kind: 32 "templates", 1 "designs", 0x10000 "calendars",
    // 0x20000 "games", 0x40000 "cards"; empty for any other kind.
    QString directoryName(int theKind) const;
    // The preinstalled content: the content root (absolute, clean).
    QString preinstalledDirectory() const { return contentRoot(); }
    // Downloaded content, laid out like the content root: "downloads" in the user data folder.
    QString downloadsDirectory() const;
    // "black_list.conf" at the content root.
    QString blackListFile() const;
    // The folders of decoration files that exist: "decorations" of the content root, of the
    // downloads folder and of the user data folder (where user decorations are written). Kept
    // until invalidated or until a root changes, so that callers may ask often.
    QList<QDir> decorationDirectories() const;
    void invalidateDecorationDirectoryCache();
    // "decorations" in the user data folder: user decorations are written there. It may not exist yet.
    QString userDecorationsDirectory() const;
    // The folders of design style files that exist: "styles" of the content root, of the downloads
    // folder and the add-ons folder.
    QList<QDir> styleDirectories() const;
    // Where content the user installed by hand lies: "addons" in the user data folder. It may not
    // exist yet.
    QString addOnsBasePath() const;
    // "templates/categories" of the content root.
    QDir categoriesDir() const;

    // The sample content tree bundled with the project: the installed copy
    // (<prefix>/share/lmtemplates/sample) when there is one beside the library, else, in a build
    // tree, the one in the project's sources.
    static QString sampleContentRoot();

private:
    LMDirectoryConfig();

    mutable QReadWriteLock myLock;
    QString myContentRoot;
    QString myUserDataDir;
    mutable QList<QDir> myDecorationDirectories;
    mutable bool myDecorationDirectoriesKnown = false;
};
