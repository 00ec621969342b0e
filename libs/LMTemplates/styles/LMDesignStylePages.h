#pragma once

#include "LMDesignStylePage.h"
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
