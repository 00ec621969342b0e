#pragma once

#include "LMBackgroundJob.h"
#include "LMTemplatesExport.h"

class QDomElement;

// A background job that parses a template file. Knows the kinds of template file by their root
// element.
class LMTEMPLATES_EXPORT LMTemplateParseJob : public LMBackgroundJob
{
public:
    // The kinds of template file; the values are those the loader reports.
    enum class FileType : int {
        Unknown = 0, // anything else: nothing is loaded
        Templates = 1, // "templates": version-1 list of templates and backgrounds
        Templates2 = 2, // "templates2": version-2 document
        Template = 3, // "template": a single version-2 layout template
        Svg = 4, // "svg": an SVG page template
        Collection = 6, // "collection": several version-2 blocks in one file
    };

    static FileType detectFileType(const QDomElement& theRoot);

protected:
    LMTemplateParseJob() = default;
    LMTemplateParseJob(const LMTemplateParseJob&) = default;
    LMTemplateParseJob& operator=(const LMTemplateParseJob&) = default;
};
