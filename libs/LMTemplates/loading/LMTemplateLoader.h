#pragma once

#include "LMDesignElementID.h"
#include "LMDesignElementIDSet.h"
#include "LMJigKey.h"
#include "LMTemplateLoadTimings.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

class LMArticle;
class LMTemplateLoaderLoadingInfo;
class LMTemplateRegistry;
class LMTemplateSourceFileList;

// Turns template files into templates and hands them to the registry: the files the file manager
// names for an article, or files named by path (changed content). Files are parsed in parallel;
// their templates reach the registry afterwards, file after file in the order of the list, so
// the registry's content does not depend on thread timing. One loader serves one loading call.
class LMTEMPLATES_EXPORT LMTemplateLoader
{
public:
    explicit LMTemplateLoader(LMTemplateRegistry* theRegistry);
    ~LMTemplateLoader();

    // The article's files that the file manager has not handed out yet.
    void loadTemplates(const LMArticle& theArticle);
    // Exactly these files (XML files and master SVG files that exist); true when one was loaded.
    bool loadTemplates(const QStringList& theFiles);

    // Parses the files in parallel (files in a folder that holds "refinement" are skipped) and
    // returns one loading info per parsed file, in file order. The infos belong to the loader.
    QList<LMTemplateLoaderLoadingInfo*> loadTemplatesParallely(const LMTemplateSourceFileList& theFiles);
    // Hands one file's templates to the registry (backgrounds, and templates for some article).
    void addTemplatesToRegistry(LMTemplateLoaderLoadingInfo* theInfo);

    // Of the last file of the latest call, the first valid design element id; invalid when none.
    LMDesignElementID lastLoadedDesignElementId() const;
    // Every valid design element id of the latest call.
    LMDesignElementIDSet lastLoadedDesignElementIds() const;
    // The keys of every template of the latest call.
    QSet<LMJigKey> allLoadedJigs() const;
    // What the article loads of this loader took; empty until one read a file.
    const LMTemplateLoadTimings& timings() const { return myTimings; }

    // A name without "/" is a file of the content's categories folder; any other is a path.
    static QString fileInCategories(const QString& theFileName);

    LMTemplateRegistry* registry() const { return myRegistry; }

private:
    Q_DISABLE_COPY_MOVE(LMTemplateLoader)

    LMTemplateLoaderLoadingInfo* newLoadingInfo(const QString& thePath);
    void clearLoadingInfos();

    LMTemplateRegistry* const myRegistry;
    std::vector<std::unique_ptr<LMTemplateLoaderLoadingInfo>> myLoadingInfos;
    // Read from the templates before the registry takes them (it may refuse and delete some):
    // the first valid id of the last file added, every valid id, and every key in a flat list
    // (a set for each file took kilobytes of fresh memory per file; the set is made when asked).
    LMDesignElementID myLastFileFirstValidId;
    LMDesignElementIDSet myLoadedIds;
    QList<LMJigKey> myLoadedKeys;
    LMTemplateLoadTimings myTimings;
};
