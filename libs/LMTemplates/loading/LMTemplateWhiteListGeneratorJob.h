#pragma once

#include "LMTemplateParseJob.h"

class LMArticlesGroup;
class LMTemplateWhiteListGeneratorInfo;
class QDomElement;
class QFileInfo;

// Reads the product filter of one template file into its generator info: by the kind of file,
// the filters of its templates, of its version-2 blocks or the products of an SVG page's metadata.
// The info belongs to the generation and outlives the job; equal jobs read the same info.
class LMTEMPLATES_EXPORT LMTemplateWhiteListGeneratorJob : public LMTemplateParseJob
{
public:
    explicit LMTemplateWhiteListGeneratorJob(LMTemplateWhiteListGeneratorInfo* theInfo);

    // False when the file could not be read.
    bool doStuff() const override;
    std::unique_ptr<LMBackgroundJob> clone() const override;
    size_t hash() const override;
    bool operator==(const LMBackgroundJob& theOther) const override;

    LMTemplateWhiteListGeneratorInfo* info() const { return myInfo; }

private:
    // The filters of the block's templates on top of the block's own filter; warns when none.
    static LMArticlesGroup templates2Filter(const QDomElement& theTemplates2, const QFileInfo& theFile);

    LMTemplateWhiteListGeneratorInfo* myInfo;
};
