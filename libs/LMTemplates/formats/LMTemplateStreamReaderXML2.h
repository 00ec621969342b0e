#pragma once

#include "LMDesignElementMetaData.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

#include <QString>

#include <memory>
#include <optional>

// Reads version-2 template files (a "templates2" block, a "collection" of blocks, a single
// "template") from the loader's text with QXmlStreamReader, one template element at a time, into
// the templates LMTemplateFactoryXML2::buildFileTemplates builds from the file's DOM. Only the
// element of one template lives at a time (an LMXMLElement, no DOM), so the memory a file costs
// follows its templates, not its text; the rules of the format stay in LMTemplateFactoryXML2.
//
// A block's "filter" and "smartLayout" usually come first. When one follows a template, the
// block is read a second time from its start, with both known.
class LMTEMPLATES_EXPORT LMTemplateStreamReaderXML2
{
public:
    // Reads up to the root element; theNameForMessages stands for the file in warnings.
    LMTemplateStreamReaderXML2(const QString& theText, const QString& theNameForMessages);
    ~LMTemplateStreamReaderXML2();
    LMTemplateStreamReaderXML2(const LMTemplateStreamReaderXML2&) = delete;
    LMTemplateStreamReaderXML2& operator=(const LMTemplateStreamReaderXML2&) = delete;

    // The root element's tag name; empty when the text ends or breaks before it.
    QString rootTag() const;
    // Whether the root is one of the version-2 files this reader reads.
    bool readsFile() const;
    // The templates of the file, once (none when readsFile() is false). A malformed text gives
    // nothing and the loader's one warning; smart layouts are registered only when the whole
    // text is well formed.
    std::optional<LMUnconfiguredTemplateList> read(const QString& theBasePath,
                                                   const LMDesignElementMetaData& theMetaData);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
