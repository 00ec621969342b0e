#pragma once

#include "LMCalendariumAppearance.h"
#include "LMFoto.h"
#include "LMRotatedRect.h"
#include "LMTemplatesExport.h"
#include "LMTemplateThumbnailContext.h"

#include <QImage>

class LMAbstractDecoration;
class LMFotoInAreaPositionState;
class LMShadowConfig;
class LMTemplateAreaDefinition;
class LMTemplateAreaDefinitionList;
class QPainter;

// Draws the preview picture of a layout template: the background, then each area in a simple
// form (photo areas with the preview photo or the empty-area marker, text areas as ruled grey
// boxes, cliparts, SVG artwork, maps; a smart layout shows the photo areas it gathers) and the
// calendars over all of them. Runs on background
// threads: it reads only its own copy of the context and thread-safe services.
//
// The painter works in the units of the product page (the template context's usable size),
// scaled to the picture; area rectangles are rounded to whole units.
class LMTEMPLATES_EXPORT LMLayoutPreviewRenderer
{
public:
    explicit LMLayoutPreviewRenderer(const LMTemplateThumbnailContext& theContext);
    virtual ~LMLayoutPreviewRenderer();

    // The preview, turned by the template's default tilt of 90 or 270 degrees and then fitted into
    // the maximum rendering size; null for an invalid context.
    QImage createImage();
    // Paints only the spot-colour layer of the SVG areas (their artwork in the spot colour's display
    // colour) over a preview the painter draws at its origin, at the preview's size.
    void paintSpotColor(QPainter* thePainter);

    // Photos for single photo areas, found by the area's rectangle; there they take the place of
    // the preview photo. The layout distributor fills a layout this way.
    void setAreaFotos(const QList<QPair<LMRotatedRect, LMFoto>>& theFotos) { myAreaFotos = theFotos; }

    const LMTemplateThumbnailContext& key() const { return myKey; }
    const LMTemplateContext& templateContext() const { return myKey.templateContext(); }
    const LMCalendariumPreviewParameters& previewParameters() const { return myKey.previewParameters(); }
    // The thumbnail size fitted into the maximum rendering size.
    QSize imageSize() const { return myImageSize; }
    // The page the areas are laid out on: the product's usable page, else the template's own
    // page size, else 1000 × 1000 for areas relative to the page.
    QSizeF usableSize() const { return myUsableSize; }
    QPointF topLeftBleedOffset() const;
    // Picture pixels per page unit.
    double scaleFactor() const { return myScaleFactor; }

    // Transparent, premultiplied ARGB, stamped with the printer resolution.
    static QImage createPaintImage(const QSize& theSize);
    QImage backgroundImage(const QSize& theSize) const;
    void paintBackground(QPainter& thePainter, const QSize& theSize, const LMConfiguredTemplate& theTemplate) const;
    // Every area but the calendars, then the calendars.
    void paintAreaDefinitions(QPainter& thePainter);
    void paintAreaDefinitionList(QPainter& thePainter, const LMTemplateAreaDefinitionList& theList, bool theCalendars);
    void paintAreaDefinition(QPainter& thePainter, const LMTemplateAreaDefinition& theArea, const QRect& theRect);

    // Turns the picture by the default tilt (90 clockwise, 270 counter-clockwise) and fits it into
    // the size; other tilts leave it as it is.
    static QImage applyDefaultRotation(const LMConfiguredTemplate& theTemplate, const QImage& theImage,
                                       const QSize& theMaxSize);
    // The area's calendar appearance with the preview's colour schema, when it names one.
    LMCalendariumAppearance applyCalendariumAppearance(const LMTemplateAreaDefinition& theArea) const;
    // Clips the painter to the rectangle with the area's cut corners; nothing without corners.
    void clipCorners(QPainter* thePainter, const LMTemplateAreaDefinition& theArea, const QRectF& theRect) const;
    // The drop shadow of a picture, with the shadow's blur (in picture pixels) and intensity.
    QImage paintTheShadow(const QImage& theImage, const LMShadowConfig& theShadow) const;
    // Where the shadow picture of an area in the rectangle goes, in page units.
    QRectF shadowRect(const QRect& theRect, const QImage& theShadowImage, const LMShadowConfig& theShadow) const;
    QPointF shadowTopLeft(const QRect& theRect, const LMShadowConfig& theShadow) const;
    // The largest rectangle of the decoration's aspect centred in the rectangle.
    static QRectF adjustedRectToDecoration(const QRect& theRect, const LMAbstractDecoration* theDecoration);
    // The photo's picture for an area: its drawable cut to what the position state shows (a photo
    // not yet placed fills the area, centred) and scaled to the rectangle's pixels; null when the
    // photo cannot be read.
    QImage previewPicture(const QRect& theRect, const LMFoto& theFoto, const QSizeF& theAreaSize,
                          const LMFotoInAreaPositionState& thePosition) const;

protected:
    void renderImage(QPainter& thePainter, const LMTemplateAreaDefinition& theArea, const QRect& theRect);
    void renderMaskedImage(QPainter& thePainter, const LMTemplateAreaDefinition& theArea, const QRect& theRect);
    void paintTextAreaPreview(QPainter& thePainter, const QRect& theRect) const;
    void paintCalendariumAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                     const QRect& theRect) const;
    void paintClipartAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                 const QRect& theRect) const;
    void paintSvgAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea, const QRect& theRect) const;
    void paintGeoMapAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                const QRect& theRect) const;

private:
    // The picture of a photo area: the preview photo, else the (inverted for an active smart
    // layout) empty-area marker, at the rectangle's pixel size.
    QImage fotoAreaPicture(const LMTemplateAreaDefinition& theArea, const QRect& theRect) const;
    QSize pixelSize(const QRectF& theRect) const;

    LMTemplateThumbnailContext myKey;
    QSizeF myUsableSize;
    QSize myImageSize;
    double myScaleFactor = 1.0;
    bool mySpotColorPass = false;
    QList<QPair<LMRotatedRect, LMFoto>> myAreaFotos;
};
