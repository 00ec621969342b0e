#pragma once

#include "LMTemplatesExport.h"
#include "LMTemplateSourceFileList.h"
#include "LMTemplateWhiteList.h"
#include "LMTemplateWhiteListGeneratorInfo.h"

#include <QList>
#include <QString>

// Makes the white list from the template files themselves: every file whose filters name products
// contributes a pattern of its short name to the group of those products. Runs after an update of
// the installed content (updateAfterVersionChange), or on request.
class LMTEMPLATES_EXPORT LMTemplateWhiteListGenerator
{
public:
    // Generates the list from the files to scan and saves it as the user's copy; true when saved.
    bool generateWhiteListFile() const;
    // The same without saving.
    LMTemplateWhiteList generateWhiteList() const;

    // The file manager's files: the preinstalled ones, or all of them (downloads too) when the run
    // option "2" is set.
    static LMTemplateSourceFileList filesToScan();
    // One info per file, each filled by a generator job; the jobs run on a background job runner,
    // which this waits for. The infos are in the order of the files.
    QList<LMTemplateWhiteListGeneratorInfo> parseFilesParallely(const LMTemplateSourceFileList& theFiles) const;
    // The pattern of every info with a valid product filter, added to its group once, in info order.
    static LMTemplateWhiteList summarizeResults(const QList<LMTemplateWhiteListGeneratorInfo>& theInfos);
    // Saves the list as the user's copy and clears the installation flag that asks for a list; the
    // flag stays set when saving fails, so that the next update check tries again.
    bool saveResults(LMTemplateWhiteList theWhiteList) const;

    // The pattern a file contributes: its short name; for an SVG page the folder of its series and
    // the file become "*", so that every page of the series and of its neighbours is named
    // ("a/b/series/page1.svg" gives "a/b/*"). A series folder at the top of the designs keeps its
    // name ("meadow/meadow-1.svg" gives "meadow/*"): a lone "*" would name every file of the content.
    static QString filePattern(const LMTemplateSourceFile& theFile);

    // When the installation settings ask for a new white list, schedules its generation as a
    // background task of low priority.
    static void updateAfterVersionChange();
};
