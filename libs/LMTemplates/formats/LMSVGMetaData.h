#pragma once

#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMArticleVariants.h"
#include "LMCalendariumFlow.h"
#include "LMCssSheetTitleIdMap.h"
#include "LMDesignElementID.h"
#include "LMDesignElementMetaData.h"
#include "LMKeyAccountId.h"
#include "LMPageType.h"
#include "LMPriceClass.h"
#include "LMTemplateCalendariumOptions.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QList>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>

class LMSVGMetaDataImpl;

// What an SVG template file says about its design in its "lumo:template" metadata block: products,
// page type, design element id, rotations, price class, key accounts, calendar options, thumbnail,
// the page files of a multi-page design and the duplicate marker, with the JSON sidecar's record.
class LMTEMPLATES_EXPORT LMSVGMetaData
{
public:
    // Defaults only, for no file.
    LMSVGMetaData();
    // Reads the metadata block of the document of theFile and the design's JSON sidecar. Problems
    // are logged and skipped; what is missing keeps its default.
    LMSVGMetaData(const QDomDocument& theDocument, const QFileInfo& theFile);
    LMSVGMetaData(const LMSVGMetaData& theOther);
    LMSVGMetaData(LMSVGMetaData&& theOther) noexcept;
    LMSVGMetaData& operator=(const LMSVGMetaData& theOther);
    LMSVGMetaData& operator=(LMSVGMetaData&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMSVGMetaData();
    void swap(LMSVGMetaData& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    const QFileInfo& fileInfo() const;
    // The style sheets the document's xml-stylesheet instructions name, read with or without a
    // metadata block.
    const LMCssSheetTitleIdMap& cssSheets() const;

    bool isLocked() const;
    // Dots per inch of the document's units; 254 (tenths of a millimetre) unless the file says.
    double svgDPI() const;
    // 254 / svgDPI(): multiplies document units into tenths of a millimetre.
    double stretchFactor() const;

    LMTemplateCalendariumOptions calendariumOptions() const;
    LMCalendariumFlow calendariumFlow() const;
    void setCalendariumFlow(const LMCalendariumFlow& theFlow);
    int score() const;

    const LMThematicCategorySet& thematicCategories() const;
    // The products as listed in the file.
    const LMArticleList& effectiveTargetArticles() const;
    // The first listed product that the catalogue knows; the null article when there is none.
    LMArticle firstConfiguredArticle() const;
    bool anyConfiguredProduct() const;

    const QString& imagePath() const;
    const QString& imageSubPath() const;
    // The image path, followed by "/" and the sub path when there is one.
    QString imagePathPrefix() const;

    const QString& thumbnail() const;
    void setThumbnail(const QString& theThumbnail);

    const QString& refContentID() const;
    // "design" when the file references content, else empty.
    QString contentRefPrefix() const;

    // Clockwise whole degrees, 0..359.
    int rotation() const;
    int productionRotation() const;

    LMDesignElementID designElementID() const;
    // The key accounts the design is made for; empty means everybody.
    const QList<LMKeyAccountId>& keyAccounts() const;

    // The page files as listed: absolute paths, and "#..." references to this document kept as written.
    const QStringList& multipages() const;
    // True unless every product listed is wall decor (single-page products); a file without
    // products may have pages.
    bool useMultiPages() const;
    // The page files in the products' page order when the design has pages, else this file alone.
    QStringList allMultiPageFiles() const;

    const LMPriceClass& priceClass() const;
    const LMArticleVariants& articleVariants() const;
    // Invalid when the file names no page type (or none that is known).
    LMPageType pageType() const;
    // A duplicate of another file: no template is made from it.
    bool isDuplicate() const;

    // The record of the design's JSON sidecar; empty when there is none.
    const LMDesignElementMetaData& designElementMetaData() const;

    // The character after the folder's name when the file's base name begins with it; else empty.
    QString exampleTemplateId() const;
    // True when the base name is the folder's name followed by "0".
    bool fileNameQualifiesAsCover() const;

    friend LMTEMPLATES_EXPORT bool operator==(const LMSVGMetaData& theA, const LMSVGMetaData& theB);
    friend bool operator!=(const LMSVGMetaData& theA, const LMSVGMetaData& theB) { return !(theA == theB); }

private:
    QSharedDataPointer<LMSVGMetaDataImpl> myImpl;
};

Q_DECLARE_SHARED(LMSVGMetaData)
