#pragma once

#include "LMDesignStyleImpl.h"
#include "LMJig.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QList>
#include <QSharedDataPointer>

class LMDecorationClipart;
class LMTemplateContextGroup;

// The public handle of one design style: a jig of the design-style type whose contents (header,
// pages, templates, rule sets) are shared with every copy until one of them is changed. The editor
// and the automatic distribution ask it for the areas of a page; the registry hands it out.
class LMTEMPLATES_EXPORT LMDesignStyle : public LMJig
{
public:
    // A null style.
    LMDesignStyle();
    // Reads the style file; its design element id and categories come from its header.
    explicit LMDesignStyle(const QFileInfo& theFile);
    LMDesignStyle(const LMDesignStyleHeader& theHeader, const LMDesignStylePages& thePages,
                  const LMDesignStyleRuleSets& theRuleSets, const LMDesignStyleTemplates& theTemplates);
    LMDesignStyle(const LMDesignStyle& theOther);
    LMDesignStyle& operator=(const LMDesignStyle& theOther);
    ~LMDesignStyle() override;

    // A style the user made: a record of that name, production id and id (score 2811, visible,
    // published and changed now, element type 2, the user's book styles category, the one
    // orientation, the feature "story-book"), the plain page list of pageCount inner pages, no
    // rule sets and no templates.
    static LMDesignStyle createFromModel(const QString& theName, const QString& theProductionId,
                                         const LMDesignElementID& theId, const LMOrientation& theOrientation,
                                         int thePageCount);

    // No contents at all; valid: contents with a valid design element id.
    bool isNull() const { return !myImpl || myImpl->isNull(); }
    bool isValid() const { return !isNull() && designElementID().isValid(); }
    // The shared contents; null for a null style.
    const LMDesignStyleImpl* impl() const { return myImpl.data(); }

    // ---- From the header ------------------------------------------------------------------------
    QString visibleName() const { return header().name(); }
    QString visibleDescription() const { return header().description(); }
    int customerScore() const { return header().customerScore(); }
    QDateTime lastChanged() const { return header().lastChanged(); }
    bool isStoryBook() const { return header().isStoryBook(); }
    bool isBasicDesign() const { return header().isBasicDesign(); }
    bool isUsableByAssistant() const { return header().isUsableByAssistant(); }
    bool isLinnenCapable() const { return header().isLinnenCapable(); }
    LMPageBinding pageBinding() const { return header().pageBinding(); }
    QList<LMSpotColor> spotColors() const { return header().spotColors(); }
    LMPriceClassSet priceClasses() const { return header().priceClasses(); }
    LMPriceClassSet priceClasses(const LMPageType& thePageType) const { return header().priceClasses(thePageType); }
    LMMoney price(const LMArticle& theArticle) const { return header().price(theArticle); }
    bool hasPrice(const LMArticle& theArticle) const { return price(theArticle).hasPrice(); }
    QString priceToolTip(const LMArticle& theArticle) const { return header().priceToolTip(theArticle); }
    QString priceToolTipLong(const LMArticle& theArticle) const { return header().priceToolTipLong(theArticle); }
    QString priceTextCover(const LMArticle& theArticle) const { return header().priceTextCover(theArticle); }
    QString priceTextInnerPages(const LMArticle& theArticle) const { return header().priceTextInnerPages(theArticle); }
    QHash<int, QString> dropTargetPriceStrings(const LMArticle& theArticle) const
    {
        return header().dropTargetPriceStrings(theArticle);
    }
    int previewCountForOrientation(const LMOrientation& theOrientation) const
    {
        return header().previewCountForOrientation(theOrientation);
    }
    // The header's supported orientations that some template has a bundle for.
    LMOrientation allowedOrientations() const;
    // The header's template constraints admit the group.
    bool fulfillsConstraints(const LMTemplateContextGroup& theGroup, bool theExplicitOnly,
                             bool theIgnoreVariants) const;

    // ---- Building pages (LMDesignStyleImpl) ------------------------------------------------------
    LMAreaDefinitionResult areaDefinitions(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                           const LMArticle& theArticle, const LMFotoList& theFotos) const;
    LMTextFormatChange textFormatChange(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                        const LMArticle& theArticle, const LMAreaTextType& theTextType) const;
    bool definesDecorationPartOnPage(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                     const LMArticle& theArticle, const LMFotoList& theFotos,
                                     LMAreaDecorationPart thePart) const;
    int fotoCount(const LMArticle& theArticle, const LMDesignStyleReferencePoint& thePoint, int thePageCount) const;
    QList<LMDesignElementID> layoutCollectionIDs() const;
    QList<LMDesignElementID> layoutCollectionIDsForPage(int thePage, int thePageCount,
                                                        const LMOrientation& theOrientation) const;
    int doublePageTemplateCount() const;
    int normalPageCount(const LMCoverType& theCoverType) const;
    int coverDoublePages(const LMCoverType& theCoverType) const;
    bool isEmptyPage(int thePage, const LMCoverType& theCoverType) const;
    bool hasVirtualPages() const;
    // Synthesises the inner pages (51 of them) from the first inner page's template; a story book
    // or a style that has them already stays as it is. Detaches this copy from the others.
    void updateDisignVirtualInnerPages();
    LMDesignElementIDSet requiredDesignElementIDs(const LMOrientation& theOrientation = LMOrientation()) const;
    QSet<QString> requiredFontFamilies() const;
    bool canHaveOsmMap() const;
    LMPageNumberConfig pageNumberConfig() const;
    LMDecorationClipart* spineLogo(const LMArticle& theArticle) const;
    QColor spineLogoBackgroundColor(const LMArticle& theArticle) const;
    int spineLogoWidth(const LMArticle& theArticle) const;

    // ---- Versions and identity ---------------------------------------------------------------
    // A version the user installed beats one that did not come that way; otherwise the one
    // changed at the same time or later wins (so a later version from the content replaces the
    // user's).
    bool isMoreImportantThan(const LMDesignStyle& theOther) const;
    // The style's folder lies below the add-ons folder of the directory configuration.
    bool wasInstalledManuallyByUser() const;
    // The jig's own match, or the visible name contains the keyword (letter case aside).
    bool matchSearchKeyword(const QString& theKeyword) const override;
    LMJigKey createKey() const override;
    // This style alone.
    QList<const LMDesignStyle*> effectiveJigs() const { return { this }; }
    bool mayBeRemoved() const override { return true; }
    QList<QFileInfo> associatedFiles() const override { return {}; }
    // The visible name's words (blanks read as "_") in reverse order, joined by "_".
    QString createStyleName() const;
    // "Ziehen Sie diese Designvorlage mit der Maus auf die gewünschte Seite." (context
    // "LMDesignStyle").
    QString basicDragAndDropHint() const override;
    // The same sentence with "%1" left open.
    static QString basicDragAndDropHintSkeleton();
    // A sample line and the price classes, for content authors.
    QString masterModeToolTip() const;
    // "\nDesign Style:\n" and the contents' dump.
    QString toDebugString() const;
    bool save(const QFileInfo& theFile) const;

    // The same shared contents, or equal ones.
    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignStyle& theA, const LMDesignStyle& theB);
    friend bool operator!=(const LMDesignStyle& theA, const LMDesignStyle& theB) { return !(theA == theB); }

private:
    const LMDesignStyleHeader& header() const;
    // Takes over id and categories from the header.
    void adoptHeader();

    QSharedDataPointer<LMDesignStyleImpl> myImpl;
};
