#pragma once

#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

#include <QFileInfo>

// One template file of a loading call and the templates its load job produced, in the order of
// production. Only that job writes to it, and the loader reads it after every job has finished,
// so it needs no lock.
class LMTEMPLATES_EXPORT LMTemplateLoaderLoadingInfo
{
public:
    explicit LMTemplateLoaderLoadingInfo(const QFileInfo& theFile) : myFile(theFile) { }

    const QFileInfo& file() const { return myFile; }
    const LMUnconfiguredTemplateList& loadedTemplates() const { return myLoadedTemplates; }

    void append(const LMUnconfiguredTemplateList& theTemplates) { myLoadedTemplates.append(theTemplates); }
    void append(const LMUnconfiguredTemplate& theTemplate) { myLoadedTemplates.append(theTemplate); }

    // Hands the templates over (to the registry); the info keeps no handles to them.
    LMUnconfiguredTemplateList takeTemplates() { return std::exchange(myLoadedTemplates, {}); }

private:
    QFileInfo myFile;
    LMUnconfiguredTemplateList myLoadedTemplates;
};
