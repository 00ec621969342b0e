#pragma once

#include "LMDesignStyleHeader.h"
#include "LMDesignStylePageNumbers.h"
#include "LMDesignStylePages.h"
#include "LMDesignStyleRuleSets.h"
#include "LMDesignStyleTemplates.h"
#include "LMTemplatesExport.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QSharedData>

// One design style as read from its style file (root "designStyleV2") and the metadata record
// beside it: header, pages, templates, rule sets and the page-number switch. The shared part of
// the design style value; it also writes the file back.
class LMTEMPLATES_EXPORT LMDesignStyleImpl : public QSharedData
{
public:
    // An empty style that is null.
    LMDesignStyleImpl() = default;
    // Reads the file. A file that cannot be read or whose root is not "designStyleV2" (the warning
    // "wrong element. Expected: 'designStyleV2'; found '%2'") gives a null style; a missing
    // "pages", "templates" or "rulesets" the warning "element '%1' not found" and none of them.
    explicit LMDesignStyleImpl(const QFileInfo& theFile);
    // A style built in memory; not null.
    LMDesignStyleImpl(const LMDesignStyleHeader& theHeader, const LMDesignStylePages& thePages,
                      const LMDesignStyleRuleSets& theRuleSets, const LMDesignStyleTemplates& theTemplates);

    // The metadata record of a style file: "<complete base name>.json" beside it.
    static QFileInfo metaDataFile(const QFileInfo& theStyleFile);

    // Nothing was read: the file was missing, malformed or of another kind.
    bool isNull() const { return myNull; }
    const QFileInfo& sourceFile() const { return mySourceFile; }
    // The folder of the source file.
    const QDir& directory() const { return myDirectory; }
    // The source file's document, read again on every call: the style does not keep it, since a
    // DOM takes some forty times the bytes of its file. Null for a style built in memory or read
    // from a file that is no style.
    QDomDocument document() const;

    const LMDesignStyleHeader& header() const { return myHeader; }
    void setHeader(const LMDesignStyleHeader& theHeader);
    // The header's record and page binding, as taken over when it was read or set.
    const LMDesignElementMetaData& metaData() const { return myMetaData; }
    const LMPageBinding& pageBinding() const { return myPageBinding; }
    const LMDesignStylePages& pages() const { return myPages; }
    void setPages(const LMDesignStylePages& thePages) { myPages = thePages; }
    const LMDesignStyleTemplates& templates() const { return myTemplates; }
    void setTemplates(const LMDesignStyleTemplates& theTemplates) { myTemplates = theTemplates; }
    const LMDesignStyleRuleSets& ruleSets() const { return myRuleSets; }
    void setRuleSets(const LMDesignStyleRuleSets& theRuleSets) { myRuleSets = theRuleSets; }
    const LMDesignStylePageNumbers& pageNumbers() const { return myPageNumbers; }
    void setPageNumbers(const LMDesignStylePageNumbers& thePageNumbers) { myPageNumbers = thePageNumbers; }
    LMPageNumberConfig pageNumberConfig() const { return myPageNumbers.pageNumberConfig(); }

    // The document of the style file for theTarget: root "designStyleV2" holding header, "pages",
    // "templates", "rulesets" and the page-number element, in this order.
    QDomDocument buildXML(const QFileInfo& theTarget) const;
    // Writes buildXML(theTarget) atomically as UTF-8 and then the header's metadata record to
    // metaDataFile(theTarget); true when both were written. When the style file cannot be written,
    // the record is not either.
    bool save(const QFileInfo& theTarget) const;
    // Header, pages, templates, rule sets and page numbers, one label per line.
    QString toDebugString() const;

    // Null alike, and equal header, pages, templates, rule sets and page numbers; where the style
    // came from does not count.
    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignStyleImpl& theA, const LMDesignStyleImpl& theB);
    friend bool operator!=(const LMDesignStyleImpl& theA, const LMDesignStyleImpl& theB) { return !(theA == theB); }

private:
    void readData();

    QFileInfo mySourceFile;
    LMDesignStyleHeader myHeader;
    LMDesignElementMetaData myMetaData;
    LMPageBinding myPageBinding;
    LMDesignStylePages myPages;
    LMDesignStyleTemplates myTemplates;
    LMDesignStyleRuleSets myRuleSets;
    LMDesignStylePageNumbers myPageNumbers;
    QDir myDirectory;
    bool myNull = true;
};
