#pragma once

#include "LMCategorization.h"
#include "LMDesignElementMetaData.h"
#include "LMPageBinding.h"
#include "LMTemplatesExport.h"

#include <QFileInfo>
#include <QString>

class QDomElement;

// The header of a design style: what the style file says about itself (page binding, fallback
// name, category, whether it is a basic design) together with the metadata record beside the
// file, from which identity, flags, orientations and prices come.
class LMTEMPLATES_EXPORT LMDesignStyleHeader
{
public:
    LMDesignStyleHeader() = default;
    explicit LMDesignStyleHeader(const LMDesignElementMetaData& theMetaData) : myMetaData(theMetaData) { }
    // The "header" child of the style's root element (without one: the warning "element 'header'
    // not found" and an empty header) and the metadata record read from theMetaDataFile (for which
    // LMDesignElementMetaData::createFromFile looks further when it does not exist).
    LMDesignStyleHeader(const QDomElement& theRoot, const QFileInfo& theMetaDataFile);

    const LMDesignElementMetaData& metaData() const { return myMetaData; }
    void setMetaData(const LMDesignElementMetaData& theMetaData) { myMetaData = theMetaData; }

    // From the file.
    const LMPageBinding& pageBinding() const { return myPageBinding; }
    void setPageBindings(const LMPageBinding& theBinding) { myPageBinding = theBinding; }
    // The name of "language"; the fallback when the metadata names none.
    const QString& languageName() const { return myLanguageName; }
    void setName(const QString& theName) { myLanguageName = theName; }
    const QString& category() const { return myCategory; }
    void setCategory(const QString& theCategory) { myCategory = theCategory; }
    bool isBasicDesign() const { return myBasicDesign; }
    void setBasicDesign(bool theBasic) { myBasicDesign = theBasic; }

    // From the metadata record.
    LMDesignElementID designElementId() const { return myMetaData.designElementId(); }
    // The id's text.
    QString description() const { return designElementId().toString(); }
    bool isUsableByAssistant() const { return myMetaData.isUsableByAssistent(); }
    // Marked as a story book, or else not made for the assistant.
    bool isStoryBook() const { return myMetaData.isStoryBook() || !isUsableByAssistant(); }
    bool isLinnenCapable() const { return myMetaData.isLinnenCapable(); }
    QDateTime lastChanged() const { return myMetaData.lastChanged(); }
    int customerScore() const { return myMetaData.sort(); }
    QList<LMSpotColor> spotColors() const { return myMetaData.spotColors(); }
    QSet<LMOrientation> supportedOrientations() const { return myMetaData.supportedOrientations(); }
    // Changes the header's copy of the metadata record.
    void setSupportedOrientations(const QSet<LMOrientation>& theOrientations);
    int previewCountForOrientation(const LMOrientation& theOrientation) const
    {
        return myMetaData.previewCountForOrientation(theOrientation);
    }
    LMTemplateContextGroup templateConstraints() const { return myMetaData.templateConstraints(); }
    LMPriceClassSet priceClasses() const { return myMetaData.priceClasses(); }
    LMPriceClassSet priceClasses(const LMPageType& thePageType) const { return myMetaData.priceClasses(thePageType); }
    LMPriceClassSet priceClassesCover() const { return myMetaData.priceClassesCover(); }
    LMPriceClassSet priceClassesInnerPages() const { return myMetaData.priceClassesInnerPages(); }
    LMMoney price(const LMArticle& theArticle) const { return myMetaData.price(theArticle); }
    QString priceToolTip(const LMArticle& theArticle) const { return myMetaData.priceToolTip(theArticle); }
    QString priceToolTipLong(const LMArticle& theArticle) const { return myMetaData.priceToolTipLong(theArticle); }
    QString priceTextCover(const LMArticle& theArticle) const { return myMetaData.priceTextCover(theArticle); }
    QString priceTextInnerPages(const LMArticle& theArticle) const
    {
        return myMetaData.priceTextInnerPages(theArticle);
    }
    QHash<int, QString> dropTargetPriceStrings(const LMArticle& theArticle) const
    {
        return myMetaData.dropTargetPriceStrings(theArticle);
    }

    // The metadata's name, else the file's, translated for the editor's language by the thematic
    // category translations.
    QString name() const;
    // The metadata's categories as subcategories and the categories of its spot colours.
    LMCategorization categorization() const;

    // Appends a "header" element: "pageBinding" when one is set, "language" with "category" and
    // "name" when they are not empty, and "designBasic" for a basic design. The metadata record is
    // saved by the style, beside its file.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    // The file's values, and metadata records that write the same JSON.
    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignStyleHeader& theA, const LMDesignStyleHeader& theB);
    friend bool operator!=(const LMDesignStyleHeader& theA, const LMDesignStyleHeader& theB) { return !(theA == theB); }

private:
    LMDesignElementMetaData myMetaData;
    LMPageBinding myPageBinding;
    QString myLanguageName;
    QString myCategory;
    bool myBasicDesign = false;
};
