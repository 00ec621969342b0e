#pragma once

#include "LMTemplateParseJob.h"

#include <QString>

class LMDesignElementMetaData;
class LMTemplateLoaderLoadingInfo;
class LMUnconfiguredTemplateList;
class LMXMLElement;
class QDomDocument;

// Parses the file of one loading info with the reader its root element calls for and appends the
// templates to that info. The info belongs to the loader and outlives the job.
class LMTEMPLATES_EXPORT LMJobLoadTemplateFile : public LMTemplateParseJob
{
public:
    explicit LMJobLoadTemplateFile(LMTemplateLoaderLoadingInfo* theInfo);

    bool doStuff() const override;
    std::unique_ptr<LMBackgroundJob> clone() const override;
    size_t hash() const override;
    bool operator==(const LMBackgroundJob& theOther) const override;

    LMTemplateLoaderLoadingInfo* loadingInfo() const { return myInfo; }

private:
    void loadFile() const;
    // A version-1 list ("templates"), read a template element at a time.
    void loadTemplateList(const QString& theText, const QString& theBasePath) const;
    // A version-1 template, or one template per background variant whose thumbnail exists.
    void addTemplate(const LMXMLElement& theElement, const QString& theBasePath,
                     const LMDesignElementMetaData& theMetaData, LMUnconfiguredTemplateList& theResult) const;
    void addBackgroundDefinition(const LMXMLElement& theElement, const QString& theBasePath,
                                 const LMDesignElementMetaData& theMetaData,
                                 LMUnconfiguredTemplateList& theResult) const;

    LMTemplateLoaderLoadingInfo* myInfo;
};
