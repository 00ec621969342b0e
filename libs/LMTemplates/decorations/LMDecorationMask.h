#pragma once

#include "LMAbstractDecoration.h"
#include "LMSVGComposition.h"

class QDir;

// A shape that cuts a photo ("fading" in the files): its SVG is a black-and-white picture whose
// white parts keep the photo and whose black parts make it transparent.
class LMTEMPLATES_EXPORT LMDecorationMask : public LMAbstractDecoration
{
    Q_OBJECT

public:
    // theElement is a "fading" element; its "file" is relative to theDirectory.
    LMDecorationMask(const QDomElement& theElement, const QDir& theDirectory);
    ~LMDecorationMask() override;

    QString basicDragAndDropHint() const override;
    QString uniqueName() const override;
    LMClipartConfiguration clipartConfiguration() const override { return myConfiguration; }
    bool adjustAreaSizeOnDragAndDrop() const { return myAdjustAreaSizeOnDragAndDrop; }

    // Draws the mask picture stretched into the rectangle, not mirrored.
    virtual void render(QPainter* thePainter, const QRectF& theTarget, LMBackgroundJobPriority thePriority) const;
    // Cuts the image by the mask.
    virtual void renderIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                         LMBackgroundJobPriority thePriority,
                                         LMSVGCompositionRenderSituation theSituation) const;
    // The mask drawn into theRect of the image (the whole image for a null rectangle), mirrored by
    // the configuration, becomes the image's transparency.
    virtual void renderAlphaMaskIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                                  const QRect& theRect, LMBackgroundJobPriority thePriority) const;
    // Where the photo lies in an area of the rectangle: for a plain mask the whole rectangle.
    virtual QRectF scaledFotoAreaRect(const QRectF& theRect, const LMClipartConfiguration& theConfiguration) const;
    virtual QSizeF scaledFotoAreaSize(const QSizeF& theSize) const;

protected:
    QImage thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                             const LMSpotColor& theSpotColor) override;
    // The grey that stands for the photo in thumbnails.
    static QColor photoStandInColor();

private:
    bool myAdjustAreaSizeOnDragAndDrop = false;
    LMClipartConfiguration myConfiguration;
};
