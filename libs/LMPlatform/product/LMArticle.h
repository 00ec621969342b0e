#pragma once

#include "LMArticleClass.h"
#include "LMArticleVariants.h"
#include "LMCoverType.h"
#include "LMJigType.h"
#include "LMMoney.h"
#include "LMOrientation.h"
#include "LMPageAlignment.h"
#include "LMPageBinding.h"
#include "LMPageSizeSpec.h"
#include "LMPageType.h"
#include "LMPlatformExport.h"
#include "LMPriceClass.h"
#include "LMPriceClassSet.h"
#include "LMSpaceMagnitude.h"
#include "LMSpotColor.h"

#include <QDebug>
#include <QJsonObject>
#include <QSharedDataPointer>
#include <QStringList>

class LMArticleImpl;

// A product the editor can make (or an add-on the user pays for with it), as the product
// catalogue describes it. The null article stands for "no product"; an article known only by an
// order name that the catalogue does not list is unresolved: not valid, but still that name.
class LMPLATFORM_EXPORT LMArticle
{
public:
    LMArticle();
    LMArticle(const LMArticle& theOther);
    LMArticle(LMArticle&& theOther) noexcept;
    LMArticle& operator=(const LMArticle& theOther);
    LMArticle& operator=(LMArticle&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMArticle();
    void swap(LMArticle& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // The article of one catalogue entry; the null article when the entry has no positive "id" or
    // no "orderName". Every problem found (also in optional keys, which then keep their defaults)
    // is appended to theProblems.
    static LMArticle fromCatalogueEntry(const QJsonObject& theEntry, const QString& theCurrency,
                                        QStringList* theProblems);
    // The catalogue's article of that order name, else an unresolved article of that name.
    static LMArticle fromOrderTxtName(const QString& theOrderTxtName);
    // The catalogue's article of that id, else the null article.
    static LMArticle fromId(qint32 theId);
    // The first product of the catalogue that is no add-on; the null article when there is none.
    static LMArticle createFirstValidArticle();
    // Page files of a multi-page design in the order the products number their pages: cover pages
    // (complete base name ending in "cover", any letter case) first, then the files by the number
    // that ends their complete base name, then the files without one. Equals keep their list order.
    static QStringList sortPageFileNameListInInternOrder(const QStringList& theFiles);

    bool isNull() const;
    // True for an article of the catalogue.
    bool isValid() const;
    qint32 id() const;
    const QString& orderTxtName() const;
    const QString& visibleName() const;
    LMArticleClass articleClass() const;
    // True when the article's class shares a bit with the given classes.
    bool hasArticleClass(const LMArticleClass& theClasses) const;
    LMOrientation orientation() const;
    LMPageBinding pageBinding() const;
    LMCoverType coverType() const;
    // The article's own price class.
    LMPriceClass priceClass() const;
    // The price of the article itself; no price when the catalogue names none.
    LMMoney price() const;
    // True for articles that are sold only together with a product (design surcharges, frames ...).
    bool isAddOn() const;
    // The variants in which the article can be made.
    LMArticleVariants possibleVariants() const;
    // The price classes for which the catalogue names an add-on article.
    LMPriceClassSet addOnPriceClasses() const;
    // The page sizes of the article: the entry of exactly that page type, else the first entry
    // sharing a page type with it (entries in alphabetical order of their keys); an invalid
    // size value when none does. A double page (alignment exactly 8) is two pages wide; the
    // other alignments give one page.
    LMPageSizeSpec pageSizeSpec(const LMPageType& thePageType, const LMPageAlignment& theAlignment) const;
    // The kinds of template a new page starts with.
    enum DefaultTemplateKind { DefaultLayout = 0, DefaultBackground = 1, DefaultDesign = 2 };
    // The name of the template of that kind a new page of the type starts with, from the
    // catalogue's "defaultTemplates" (the entry of exactly that page type, else the first sharing
    // one); empty when none is named. The page's index and the page count are the editor's: this
    // catalogue names one default per page type and does not look at them.
    QString defaultTemplateForPage(int theKind, const LMPageType& thePageType, int thePage, int thePageCount) const;
    // The usable print size of one page of that type; an empty size when the catalogue names none.
    QSizeF usableSize(const LMPageType& thePageType) const;
    // Where the usable print area of a left page of that type starts.
    QPointF topLeftBleedOffset(const LMPageType& thePageType) const;
    // The size a background template is drawn at: the usable size of an inner page (else of a
    // single page, else of the first page size), two pages wide when double-sided; an empty size
    // when the catalogue names none.
    QSizeF usablePrintSizeForBackgroundTemplate(bool theDoubleSided) const;
    // Width by height of a page: the catalogue's value, else that of the inner (else single) page
    // size, else of the first page size; 0 when the catalogue names no size.
    double widthByHeight() const;
    // True when every page gets a background of its own instead of one across the spread.
    bool fullBackgroundOnEachPage() const;
    // True when the pages lie horizontally; unless the catalogue says so, a landscape article.
    bool hasHorizontalPages() const;
    // The spot colours (refinements) the article can be produced with.
    LMSpotColor spotColors() const;
    bool hasSpotColorFeature() const { return spotColors().isValid(); }
    // True when the article offers frame glasses (passepartouts) for one of the frame
    // construction price classes; an empty set offers nothing.
    bool hasGlassesAddOn(const LMPriceClassSet& thePriceClasses) const;
    bool hasPassepartoutAddOn(const LMPriceClassSet& thePriceClasses) const;
    // The kind of each page of a product of that many pages, from the first page of the cover on.
    // A book with a regular cover (hard, glossy, linen, leather or padded) has theCount pages inside
    // and nine around them: back cover, spine, front cover, front flyleaf, then first page, inner
    // pages and last page, then the back flyleaf. Other books count their three cover pages in
    // theCount. A calendar is a title page and months; any other product theCount single pages.
    QList<LMPageType> pageTypes(int theCount) const;
    // The fewest pages the product is made with ("minPages"); 1 when the catalogue names none.
    int minPages() const;
    // True when designs of the jig type must name this very article to be offered for it: the
    // catalogue lists the jig type's word in "exactArticleJigTypes".
    bool requiresExactArticle(const LMJigType& theJigType) const;
    // The size class of the product ("sizeClass"); 0 when the catalogue names none.
    LMSpaceMagnitude sizeClass() const;
    // The ids of the products a design made for this article fits as well ("compatibleProducts"),
    // in catalogue order. The relation is directed: it says nothing about the other products' lists.
    QList<qint32> compatibleProductIds() const;
    // The whole catalogue entry, for readers of keys this class does not model.
    QJsonObject catalogueEntry() const;

    // The add-on article the user pays for when a design of that price class is used with this
    // article; the null article for a free class or when the catalogue names none.
    LMArticle findDependentArticle(const LMPriceClass& thePriceClass) const;
    // The sum of the prices of the add-on articles of the classes: no price for an empty set,
    // otherwise an amount (zero when no class costs anything).
    LMMoney priceOfDependendArticles(const LMPriceClassSet& thePriceClasses) const;

    // Same product: the same id for two catalogue articles, otherwise the same order name
    // (compared without regard to case). Two null articles match.
    bool matches(const LMArticle& theOther) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMArticle& theA, const LMArticle& theB);
    friend bool operator!=(const LMArticle& theA, const LMArticle& theB) { return !(theA == theB); }
    // Orders by id, then by order name.
    friend LMPLATFORM_EXPORT bool operator<(const LMArticle& theA, const LMArticle& theB);

private:
    // The page size of an inner page, else of a single page, else the first one.
    LMPageSizeSpec innerPageSizeSpec() const;

    QSharedDataPointer<LMArticleImpl> myImpl;
};

Q_DECLARE_SHARED(LMArticle)

LMPLATFORM_EXPORT size_t qHash(const LMArticle& theArticle, size_t theSeed = 0) noexcept;
LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMArticle& theArticle);
