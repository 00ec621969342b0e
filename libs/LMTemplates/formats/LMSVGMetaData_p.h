#pragma once

// Not public API: the shared data of LMSVGMetaData and the words the reader detects, for the
// SVG reader's own use and for tests.

#include "LMSVGMetaData.h"

#include <QSharedData>

// The fields of one file's metadata block and the reader that fills them.
class LMTEMPLATES_EXPORT LMSVGMetaDataImpl : public QSharedData
{
public:
    // Marks in the "lumo:properties" text, matched without regard to case.
    static const QString ourDetectSupportsHolidaysConfig;
    static const QString ourDetectSuppportsCustomEventsConfig;
    // Products that contain a match keep the case they are written in (poster sizes such as "60x40").
    static const QString ourDetectPoster;

    LMSVGMetaDataImpl() = default;
    explicit LMSVGMetaDataImpl(const QFileInfo& theFile) : myFileInfo(theFile) { }

    // Reads the style sheets and the metadata block of the document; the fields keep their defaults
    // where it says nothing.
    void read(const QDomDocument& theDocument);
    // Reads the JSON sidecar of the design: "<folder>.json" in the folder above the file's
    // folder, else the first "*.json" there.
    void readDesignElementMetaData();

    bool operator==(const LMSVGMetaDataImpl& theOther) const;

    QFileInfo myFileInfo;
    LMCssSheetTitleIdMap myCssSheets;
    bool myLocked = false;
    double mySvgDPI = 254.0;
    LMTemplateCalendariumOptions myCalendariumOptions;
    LMCalendariumFlow myCalendariumFlow;
    int myScore = 0;
    LMThematicCategorySet myThematicCategories;
    LMArticleList myTargetProducts;
    QString myImagePath;
    QString myImageSubPath;
    QString myThumbnail;
    QString myRefContentID;
    int myRotation = 0;
    int myProductionRotation = 0;
    LMDesignElementID myDesignElementID;
    QList<LMKeyAccountId> myKeyAccounts;
    QStringList myMultiPages;
    LMPriceClass myPriceClass;
    LMArticleVariants myArticleVariants;
    LMPageType myPageType;
    bool myDuplicate = false;
    LMDesignElementMetaData myDesignElementMetaData;

private:
    QDomElement firstTemplateElement(const QDomDocument& theDocument) const;
    void readProperties(const QString& theText);
    void readChild(const QDomElement& theChild);
    void readRotations(const QDomElement& theElement);
    void readPages(const QDomElement& theElement);
    void readFlags(const QDomElement& theElement);
};
