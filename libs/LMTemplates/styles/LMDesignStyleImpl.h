#pragma once

#include "LMAreaDecoration.h"
#include "LMAreaDefinitionResult.h"
#include "LMDesignStyleHeader.h"
#include "LMDesignStylePageNumbers.h"
#include "LMDesignStylePages.h"
#include "LMDesignStyleReferencePoint.h"
#include "LMDesignStyleRuleSets.h"
#include "LMDesignStyleTemplates.h"
#include "LMTemplatesExport.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QSharedData>

class LMDecorationClipart;
class LMTemplateContext;

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

    // ---- Building pages ------------------------------------------------------------------------
    // The page's areas: its template name from the page list, the template's bundle for the
    // context's orientation, the layout named for the page type or chosen by the distributor with
    // the photos in it, then the bundle's rule sets in order. Also the photos left over and the
    // layout. A page whose template is unknown gives an empty result.
    LMAreaDefinitionResult areaDefinitions(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                           const LMArticle& theArticle, const LMFotoList& theFotos) const;
    // The photo areas the page's layout has (built without photos).
    int fotoCount(const LMArticle& theArticle, const LMDesignStyleReferencePoint& thePoint, int thePageCount) const;
    // The text format the page's rule sets give texts of the type.
    LMTextFormatChange textFormatChange(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                        const LMArticle& theArticle, const LMAreaTextType& theTextType) const;
    // The layout collections of the page's template for the orientation (page thePage, default
    // cover, first alternative).
    QList<LMDesignElementID> layoutCollectionIDsForPage(int thePage, int thePageCount,
                                                        const LMOrientation& theOrientation) const;
    // Every layout collection of every template, in template order, each once.
    QList<LMDesignElementID> layoutCollectionIDs() const;
    // The article for the page's type among the article's page types for thePageCount; an empty
    // context for a page beyond them.
    static LMTemplateContext createTemplateContext(const LMArticle& theArticle,
                                                   const LMDesignStyleReferencePoint& thePoint, int thePageCount);
    // Whether some area of the page, built with the photos, has that part of a decoration.
    bool definesDecorationPartOnPage(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                     const LMArticle& theArticle, const LMFotoList& theFotos,
                                     LMAreaDecorationPart thePart) const;

    int doublePageTemplateCount() const { return myPages.doublePageTemplateCount(); }
    int normalPageCount(const LMCoverType& theCoverType) const { return myPages.normalPageCount(theCoverType); }
    bool isEmptyPage(int thePage, const LMCoverType& theCoverType) const
    {
        return myPages.isEmptyPage(thePage, theCoverType);
    }
    int coverDoublePages(const LMCoverType& theCoverType) const { return myPages.coverDoublePages(theCoverType); }
    bool hasVirtualPages() const { return myPages.hasVirtualPages(); }
    // For a style that is no story book and has no virtual pages yet: inner templates synthesised
    // from the first inner page's template (page 4), thePageCount of them (51 below 6), and the
    // undefined pages made to use them in turn. Nothing when page 4 names no template or its
    // collections have no loaded layouts.
    void updateDisignVirtualInnerPages(int thePageCount);

    // The spine's logo: the first clipart of the spine page's rule sets (for the article's
    // orientation, page 1 of a book of the article's fewest pages) that the decoration registry
    // knows; null when none does.
    LMDecorationClipart* spineLogo(const LMArticle& theArticle) const;
    // 400 with a spine logo, else 0.
    int spineLogoWidth(const LMArticle& theArticle) const;
    // Transparent with a spine logo, else invalid.
    QColor spineLogoBackgroundColor(const LMArticle& theArticle) const;
    // Some named layout of some template holds a map.
    bool canHaveOsmMap() const { return myTemplates.canHaveOsmMap(); }
    // The layout collections for the orientation (all for an invalid one) and the ids of the
    // valid backgrounds, cliparts and passepartouts of every rule set.
    LMDesignElementIDSet requiredDesignElementIDs(const LMOrientation& theOrientation) const;
    QSet<QString> requiredFontFamilies() const { return myRuleSets.requiredFontFamilies(); }

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
