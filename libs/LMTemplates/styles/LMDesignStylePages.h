#pragma once

#include "LMDesignStylePage.h"
#include "LMDesignStyleReferencePoint.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QMap>

// The page list of a design style ("pages"): the pages defined one by one from the first page
// on (the cover pages first), the pages that repeat in a cycle after them, and the last pages of
// the product, keyed 0 for the last page, -1 for the one before it and so on.
class LMTEMPLATES_EXPORT LMDesignStylePages
{
public:
    LMDesignStylePages() = default;
    // The plain list of a book of theInnerPages inner pages: defined pages "cover_back",
    // "cover_spine" and "cover_front", then undefined pages "page_001" to "page_<n>", each naming
    // the template of its name.
    explicit LMDesignStylePages(int theInnerPages);
    // The "page" children by "position": absent or "defined", "undefined", or "last" followed by
    // nothing (key 0) or a number of 0 or less (the key; a positive number drops the page). Any
    // other position is warned about ("unknown position '%1'"), and a page without template
    // names is dropped.
    explicit LMDesignStylePages(const QDomElement& theElement);

    const QList<LMDesignStylePage>& definedPages() const { return myDefinedPages; }
    void appendDefinedPage(const LMDesignStylePage& thePage) { myDefinedPages.append(thePage); }
    const QList<LMDesignStylePage>& undefinedPages() const { return myUndefinedPages; }
    void appendUndefinedPage(const LMDesignStylePage& thePage) { myUndefinedPages.append(thePage); }
    void setUndefinedPages(const QList<LMDesignStylePage>& thePages) { myUndefinedPages = thePages; }
    const QMap<int, LMDesignStylePage>& lastPages() const { return myLastPages; }
    // Key 0 is the last page, -1 the one before it; a positive key is ignored.
    void insertLastPage(int theKey, const LMDesignStylePage& thePage);
    // Pages synthesised for the inner pages of a style that defines only one; never written.
    const QList<LMDesignStylePage>& virtualPages() const { return myVirtualPages; }
    void setVirtualPages(const QList<LMDesignStylePage>& thePages) { myVirtualPages = thePages; }
    bool hasVirtualPages() const { return !myVirtualPages.isEmpty(); }
    bool isEmpty() const { return myDefinedPages.isEmpty() && myUndefinedPages.isEmpty() && myLastPages.isEmpty(); }

    // ---- Choosing a page's template -----------------------------------------------------------
    // The template name for the page of a product of thePageCount pages: a last page when one is
    // keyed by the page's distance from the end, else the defined page of its index, else the
    // undefined pages in a cycle after the defined ones; empty when none applies. A book with a
    // regular cover counts four more pages (its last page is thePageCount + 3), and from page 4 on
    // its pages count one less, since page 3 is the inside of the cover.
    QString templateNameForPage(const LMDesignStyleReferencePoint& thePoint, int thePageCount) const;

    // ---- Counting pages ------------------------------------------------------------------------
    // The double pages the page list makes: half the defined, undefined and (as two) last pages,
    // rounded up.
    int doublePageTemplateCount() const;
    // Twice the double pages, less the four cover pages of a regular cover; never below 0.
    int normalPageCount(const LMCoverType& theCoverType) const;
    // The insides of a regular cover (page 3 and the page after the last double page) stay empty.
    bool isEmptyPage(int thePage, const LMCoverType& theCoverType) const;
    // How many alternative covers the style offers: the fewer templates of the back and front
    // cover pages; 0 without the three cover pages.
    int coverDoublePages(const LMCoverType& theCoverType) const;

    // The pages for synthesised inner templates: "synthesized_page_001" up to the one before the
    // last, and a last page naming no template (kept as such), appended to the undefined pages
    // after every undefined page naming theReplacedName is taken out.
    void createVirtualPagesForDesignStyleV2(int theCount, const QString& theReplacedName);

    // Appends a "pages" element: the defined pages without "position", the undefined pages, then
    // the last pages from the earliest key to key 0 ("last-2", "last-1", "last").
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    // The defined, undefined and last pages; virtual pages are no part of the file.
    friend bool operator==(const LMDesignStylePages& theA, const LMDesignStylePages& theB)
    {
        return theA.myDefinedPages == theB.myDefinedPages && theA.myUndefinedPages == theB.myUndefinedPages
            && theA.myLastPages == theB.myLastPages;
    }
    friend bool operator!=(const LMDesignStylePages& theA, const LMDesignStylePages& theB) { return !(theA == theB); }

private:
    QList<LMDesignStylePage> myDefinedPages;
    QList<LMDesignStylePage> myUndefinedPages;
    QMap<int, LMDesignStylePage> myLastPages;
    QList<LMDesignStylePage> myVirtualPages;
};
