#pragma once

#include "LMDecorationMask.h"

#include <memory>

class LMDecorationClipart;

// A mask combined with a clipart that frames the masked photo. The photo lies in a rectangle
// relative to the frame; without one (width and height -1) it behaves like a plain mask.
class LMTEMPLATES_EXPORT LMDecorationMaskFrame : public LMDecorationMask
{
    Q_OBJECT

public:
    // theElement is a "fading" element with a child "clipart" (the frame) and maybe "fotoarea";
    // id and "userElementId" of the enclosing "decoration" are read as well.
    LMDecorationMaskFrame(const QDomElement& theElement, const QDir& theDirectory);
    ~LMDecorationMaskFrame() override;

    QString uniqueName() const override;
    bool iWatchThisComposition(const LMSVGComposition& theComposition) const override;
    bool isUsable() const override;

    void renderIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                 LMBackgroundJobPriority thePriority,
                                 LMSVGCompositionRenderSituation theSituation) const override;
    void renderAlphaMaskIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                          const QRect& theRect, LMBackgroundJobPriority thePriority) const override;
    QRectF scaledFotoAreaRect(const QRectF& theRect, const LMClipartConfiguration& theConfiguration) const override;
    QSizeF scaledFotoAreaSize(const QSizeF& theSize) const override;
    // Paints the frame clipart over the whole image.
    void renderClipartIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                        LMBackgroundJobPriority thePriority,
                                        LMSVGCompositionRenderSituation theSituation) const;

    // x, y, width, height relative to the frame.
    QRectF relativeFotoRect() const { return QRectF(myX, myY, myWidth, myHeight); }
    bool hasFotoArea() const { return myWidth >= 0 && myHeight >= 0; }
    // The size of the whole frame for a photo of the size filling the photo area.
    QSize wholeImageRect(const QSize& thePhoto) const;
    // The photo rectangle (mirrored like scaledFotoAreaRect) in an image; the whole image without one.
    QRect positionOfMaskInImage(const LMClipartConfiguration& theConfiguration, const QImage& theImage) const;
    LMDecorationClipart* decorationClipart() const { return myClipart.get(); }

protected:
    QImage thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                             const LMSpotColor& theSpotColor) override;

private:
    std::unique_ptr<LMDecorationClipart> myClipart;
    double myX = 0.0;
    double myY = 0.0;
    double myWidth = -1.0;
    double myHeight = -1.0;
};
