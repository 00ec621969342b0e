#pragma once

#include "LMBackgroundJobPriority.h"
#include "LMClipartConfiguration.h"
#include "LMDesignElementMetaData.h"
#include "LMJig.h"
#include "LMMirrorRule.h"
#include "LMRelativePinAnchorPoint.h"
#include "LMSpotColor.h"
#include "LMSVGComposition.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QRecursiveMutex>

class QDomElement;
class QPainter;

// A ready-made graphic element the user drops onto a page: a clipart, a mask or a mask frame,
// drawn from one SVG file. Decorations are owned by the decoration registry; they live in the
// application's thread, and their thumbnails may be asked for from any thread.
class LMTEMPLATES_EXPORT LMAbstractDecoration : public LMJig
{
    Q_OBJECT

public:
    // A width/height ratio beyond this (or not a number) makes a decoration file unusable.
    static constexpr double MaximumRatio = 100.0;

    LMAbstractDecoration(const LMJigType& theJigType, const QFileInfo& theSvgFile);
    // Reads id, "ratio", anchor point, "userElementId" and the categories of the parent element.
    LMAbstractDecoration(const LMJigType& theJigType, const QFileInfo& theSvgFile, const QDomElement& theElement);
    ~LMAbstractDecoration() override;

    LMJigKey createKey() const override;
    QList<QFileInfo> associatedFiles() const override;
    virtual QList<LMJig*> effectiveJigs();
    bool mayBeRemoved() const override { return true; }
    QString basicDragAndDropHint() const override = 0;
    virtual QString masterModeToolTip() const;
    virtual QString visibleDescription() const;
    // The cached thumbnail, made anew when size, mirror rule or spot colour differ.
    virtual QImage thumbnail(const QSize& theRequested, const LMMirrorRule& theMirrorRule,
                             const LMSpotColor& theSpotColor);
    // The name of the decoration in drag data and in templates.
    virtual QString mimeData() const;
    virtual QString uniqueName() const = 0;
    // The requested width with the height of the decoration's ratio, fitted into the requested size.
    virtual QSize thumbnailSize(const QSize& theRequested) const;
    // Height divided by width: the file's "ratio", else the picture's.
    virtual double ratio() const;
    virtual bool iWatchThisComposition(const LMSVGComposition& theComposition) const;
    virtual LMClipartConfiguration clipartConfiguration() const = 0;

    // Usable: the picture could be read and is an SVG document, and the ratio is sound. Unusable
    // decorations are not registered. A picture broken inside is found when first drawn (its
    // thumbnail stays empty, with a warning): reading every picture whole would double start-up.
    virtual bool isUsable() const;
    QString sourceFile() const;
    QString dataFile() const;
    QString productionId() const;
    LMRelativePinAnchorPoint anchorPoint() const;
    bool hasAnchorPoint() const { return anchorPoint().isValid(); }
    bool canBeRecolored() const;
    QList<LMSpotColor> availableSpotColors() const;
    LMSpotColor spotColor() const;

    bool isUserElement() const { return myUserElementId != 0; }
    int userElementId() const { return myUserElementId; }
    void setUserElementId(int theId) { myUserElementId = theId; }
    LMDesignElementMetaData metaData() const { return myMetaData; }
    void setMetaData(const LMDesignElementMetaData& theMetaData) { myMetaData = theMetaData; }
    LMThematicCategorySet categories() const { return categorization().allCategories(); }
    LMDlpFeatureTag designProperties() const { return myMetaData.features(); }
    LMSVGComposition svgComposition() const;
    bool renderComposition(QPainter* thePainter, const QRectF& theTarget,
                           const LMClipartConfiguration& theConfiguration, const LMSpotColor& theSpotColor) const;
    QFileInfo exclusiveSourceFile() const { return myExclusiveSourceFile; }
    void setExclusiveSourceFile(const QFileInfo& theFile) { myExclusiveSourceFile = theFile; }
    // Of the metadata, else of the picture's file.
    QDateTime lastChanged() const;
    // The categories, with theWithAll also the category of everything.
    LMThematicCategorySet effectiveCategories(bool theWithAll) const;
    bool isInCategory(const LMThematicCategorySet& theCategories, bool theWithAll) const;
    bool isInCategory(const LMThematicCategory& theCategory, bool theWithAll) const;
    QList<LMSpotColor> compatibleSpotColors() const;
    bool configMatches(const LMClipartConfiguration& theConfiguration) const;
    double widthHeightRatio() const { return myWidthHeightRatio; }
    void resetThumbImage();

signals:
    void contentChanged(LMAbstractDecoration* theDecoration);
    void repaint(LMAbstractDecoration* theDecoration);

protected:
    virtual QImage thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                                     const LMSpotColor& theSpotColor)
        = 0;
    LMJigKey createKeyInternal(int theId) const;
    // Id, metadata and categories from theElement (a "decoration" or content element); the
    // categories are read from theCategoriesParent.
    void readIdentity(const QDomElement& theElement, const QDir& theDirectory);
    void readCategorization(const QDomElement& theCategoriesParent, const QDir& theDirectory);

private:
    void compositionRepaintNeeded(const LMSVGComposition& theComposition);
    void setUp();

    LMSVGComposition myComposition;
    LMDesignElementMetaData myMetaData;
    double myWidthHeightRatio = 0.0;
    LMRelativePinAnchorPoint myAnchorPoint;
    QFileInfo myExclusiveSourceFile;
    mutable QRecursiveMutex myThumbMutex;
    QImage myThumbImage;
    LMSpotColor myThumbSpotColor;
    LMMirrorRule myThumbMirrorRule;
    int myUserElementId = 0;
};
