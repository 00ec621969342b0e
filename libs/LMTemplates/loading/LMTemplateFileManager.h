#pragma once

#include "LMSingleton.h"
#include "LMTemplatesExport.h"
#include "LMTemplateSourceFileList.h"
#include "LMTemplateWhiteList.h"

#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <memory>

class LMArticle;
class LMTemplateFileManagerImpl;

// Finds the template files of the content tree and decides which of them to load for an article:
// the files the white list assigns to it, and with the first article every file no white-list
// pattern names. Black-listed files never load, and every file is handed out once per process.
class LMTEMPLATES_EXPORT LMTemplateFileManager : public LMSingleton<LMTemplateFileManager>
{
    friend class LMSingleton<LMTemplateFileManager>;

public:
    // Forgets what was loaded, reads the white and black lists again and rescans the content tree.
    void reInit();

    // The files to parse for the article, in load order (collections before SVG pages, the newer
    // of two copies of a template, never "categories/backgrounds_default.xml"); they and the copies
    // left out are not offered again. An invalid article gets only the unassigned files, if any.
    LMTemplateSourceFileList filesToLoad(const LMArticle& theArticle);
    // The files will not be offered again (for files the loader reads by explicit path).
    void markFilesLoaded(const LMTemplateSourceFileList& theFiles);

    // Every collection and every master SVG file below the template directories, each once.
    LMTemplateSourceFileList allFiles() const;
    // The unloaded files the white list assigns to the article, pattern by pattern; none for an
    // invalid article.
    LMTemplateSourceFileList assignedFiles(const LMArticle& theArticle) const;
    // The files below the folder (sub-folders included) whose names match the wildcard; with
    // theMasterFilesOnly only files that are no SVG files or are master files.
    static LMTemplateSourceFileList fileList(const QDir& theDir, const QString& theWildcard, bool theMasterFilesOnly);
    // The file's short name contains a match.
    static bool fileMatches(const QRegularExpression& theExpression, const LMTemplateSourceFile& theFile);
    static QRegularExpression wildcard2RegularExpression(const QString& thePattern);
    // One expression (as text, letter case ignored) that matches a short name when any white-list
    // pattern does; empty when the white list names no file.
    QString joinAllAssignedFiles() const;

    // Reloads the white list; a missing file gives an empty one without a message.
    void parseWhitelist();
    // Reloads "black_list.conf": the "name" of every child of its "files" element, "*/" at the start
    // shortened to "/". A missing or unreadable file gives an empty black list.
    void parseBlacklist();

    // The state, for the white-list generation and for tests.
    LMTemplateSourceFileList unloadedFiles() const;
    LMTemplateSourceFileList unassignedFiles() const;
    QStringList blackList() const;
    LMTemplateWhiteList whiteList() const;

private:
    LMTemplateFileManager();
    ~LMTemplateFileManager() override;

    void createListOfAllUnloadedFiles();
    void removeUnwantedFilesFromUnloadedFiles();
    void createListOfUnassignedFiles();

    std::unique_ptr<LMTemplateFileManagerImpl> const myImpl;
};
