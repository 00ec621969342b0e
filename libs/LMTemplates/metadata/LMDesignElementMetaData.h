#pragma once

#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMArticleVariants.h"
#include "LMDesignElementID.h"
#include "LMDlpFeatureTag.h"
#include "LMDlpType.h"
#include "LMMoney.h"
#include "LMOrientation.h"
#include "LMPageType.h"
#include "LMPriceClassSet.h"
#include "LMSpotColor.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QSet>
#include <QSharedDataPointer>

class LMDesignElementMetaDataImpl;

// The metadata record of one design element, read from the JSON file beside it: visibility, names,
// scores, dates, feature tags, orientations, categories, article restrictions, price classes and a
// colour. Writing it back keeps every key and tag entry the record does not model.
class LMTEMPLATES_EXPORT LMDesignElementMetaData
{
public:
    // The keys of dropTargetPriceStrings().
    enum DropTargetPriceType { PriceSum = 0, PriceCover = 1, PriceInnerPages = 2 };

    LMDesignElementMetaData();
    explicit LMDesignElementMetaData(const QJsonObject& theObject);
    LMDesignElementMetaData(const LMDesignElementMetaData& theOther);
    LMDesignElementMetaData(LMDesignElementMetaData&& theOther) noexcept;
    LMDesignElementMetaData& operator=(const LMDesignElementMetaData& theOther);
    LMDesignElementMetaData& operator=(LMDesignElementMetaData&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMDesignElementMetaData();
    void swap(LMDesignElementMetaData& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // Files. A missing file gives the empty (invalid) record, a malformed one the empty record and
    // one warning naming the file. A file is parsed once while it keeps its size and time of change:
    // every caller shares that record (a design's pages all ask for their folder's sidecar).
    static LMDesignElementMetaData createFromJsonFile(const QFileInfo& theFile);
    // "<id>.json" in the directory.
    static QFileInfo createFileInfo(const QDir& theDir, const LMDesignElementID& theId);
    // "<id>.json" in the directory, else in its parent directory.
    static LMDesignElementMetaData createFromDesignElementId(const QDir& theDir, const LMDesignElementID& theId);
    // For any file of a design element: the JSON file of the same complete base name beside it,
    // else the search of findDesignElementMetaData in the file's directory, accepting any directory.
    static LMDesignElementMetaData createFromFile(const QFileInfo& theFile);
    // The record of a "<id>.json" file in the directory whose id matches its name, where the
    // directory's path contains that name (or any directory when theAcceptAnyDirectory); otherwise
    // the search goes on in the parent directory, as long as that lies inside the content tree.
    static LMDesignElementMetaData findDesignElementMetaData(const QDir& theDir, bool theAcceptAnyDirectory);

    // Writes toJson() as an indented document, atomically: a failed write leaves the previous file
    // as it was. Returns whether the file was written.
    bool save(const QFileInfo& theFile) const;
    QJsonObject toJson() const;

    // The JSON object the record was read from.
    QJsonObject sourceObject() const;

    bool isValid() const;
    LMDesignElementID designElementId() const;
    bool isVisible() const;
    QString name() const;
    QString pagesName() const;
    QString coverName() const;
    int score() const;
    // The manual sort key ("customScore").
    int sort() const;
    QDateTime published() const;
    QDateTime lastChanged() const;
    QDateTime expirationDateTime() const;
    // 0 for an orientation without entry.
    int previewCountForOrientation(const LMOrientation& theOrientation) const;
    int previewCountCoverForOrientation(const LMOrientation& theOrientation) const;
    QSet<LMOrientation> supportedOrientations() const;
    LMDlpFeatureTag features() const;
    LMDlpFeatureTag requiredFeatures() const;

    bool isUsableByAssistent() const;
    bool isStoryBook() const;
    bool isLinnenCapable() const;
    bool isSpotColorRequired() const;
    bool hasOsmMap() const;
    bool hasOptionalOsmMap() const;

    QString productionId() const;
    LMDlpType dlpType() const;
    QList<LMSpotColor> spotColors() const;
    LMThematicCategorySet categories() const;
    LMTemplateContextGroup templateConstraints() const;
    // The element type's folder, below "walldecor/" when an explicit article is a single-page product.
    QString legacyPath() const;
    LMArticleVariants variants() const;
    LMPriceClassSet priceClasses() const;
    // The cover classes for the cover, the inner-page classes for inner pages, when there are any;
    // the general classes otherwise.
    LMPriceClassSet priceClasses(const LMPageType& thePageType) const;
    LMPriceClassSet priceClassesCover() const;
    LMPriceClassSet priceClassesInnerPages() const;
    QSet<int> defaultRotations() const;
    LMArticleList explicitArticles() const;
    bool containsArticle(const LMArticle& theArticle) const;
    QColor rgbColor() const;

    // Prices for an article, from the add-on articles of the price classes.
    LMMoney price(const LMArticle& theArticle) const;
    // True when every general price class that costs something has an add-on article.
    bool priceClassesAreValid(const LMArticle& theArticle) const;
    // The German price texts of the user interface (translation context "LMDesignElementMetaData").
    QString priceToolTip(const LMArticle& theArticle) const;
    QString priceToolTipLong(const LMArticle& theArticle) const;
    QString priceTextCover(const LMArticle& theArticle) const;
    QString priceTextInnerPages(const LMArticle& theArticle) const;
    QHash<int, QString> dropTargetPriceStrings(const LMArticle& theArticle) const;

    void setCategories(const LMThematicCategorySet& theCategories);
    void setSpotColors(const QList<LMSpotColor>& theSpotColors);
    void setScore(int theScore);
    void setSort(int theSort);
    void setPublished(const QDateTime& theDate);
    void setLastChanged(const QDateTime& theDate);
    // Replaces the feature word.
    void setFeature(const LMDlpFeatureTag& theFeatures);
    void setSupportedOrientations(const QSet<LMOrientation>& theOrientations);
    void setProductionId(const QString& theProductionId);
    void setDlpType(const LMDlpType& theType);
    void setDesignElementId(const LMDesignElementID& theId);
    void setIsVisible(bool theVisible);
    void setName(const QString& theName);

    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignElementMetaData& theA, const LMDesignElementMetaData& theB);
    friend bool operator!=(const LMDesignElementMetaData& theA, const LMDesignElementMetaData& theB)
    {
        return !(theA == theB);
    }

private:
    QSharedDataPointer<LMDesignElementMetaDataImpl> myImpl;
};

Q_DECLARE_SHARED(LMDesignElementMetaData)
