#include "LMLayoutPreviewRenderer.h"

#include "LMAbstractDecoration.h"
#include "LMBasisSettings.h"
#include "LMCalendariumRenderer.h"
#include "LMCalendariumRendererFactory.h"
#include "LMDecorationMask.h"
#include "LMEffectInvertPainter.h"
#include "LMEmptyFotoAreaMarker.h"
#include "LMFotoAccess.h"
#include "LMMath.h"
#include "LMOsmMapStyle.h"
#include "LMRenderingRule.h"
#include "LMShadowEffect.h"
#include "LMSVGComposition.h"
#include "LMSVGImageAbstract.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateThumbnailCache.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
// The size level of the photo pictures in previews.
constexpr int PREVIEW_FOTO_LEVEL = 4;
// Text areas: one ruled line per 50 units of height.
constexpr int TEXT_LINE_PITCH = 50;

QRect roundedRect(const QRectF& theRect)
{
    // std::lround rounds half away from zero, as positions read from files are meant.
    return QRect(int(std::lround(theRect.x())), int(std::lround(theRect.y())), int(std::lround(theRect.width())),
                 int(std::lround(theRect.height())));
}

// The largest rectangle of the aspect of theInner centred in theOuter.
QRectF centredFit(const QSizeF& theInner, const QRectF& theOuter)
{
    if (theInner.isEmpty())
        return theOuter;
    const QSizeF aSize = theInner.scaled(theOuter.size(), Qt::KeepAspectRatio);
    return QRectF(theOuter.center() - QPointF(aSize.width() / 2, aSize.height() / 2), aSize);
}

// Scaled to cover the size, cut centrally to it.
QImage coverCropped(const QImage& theImage, const QSize& theSize)
{
    const QImage aScaled = theImage.scaled(theSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return aScaled.copy((aScaled.width() - theSize.width()) / 2, (aScaled.height() - theSize.height()) / 2,
                        theSize.width(), theSize.height());
}

// A corner cut of the given shape and length at one corner of the rectangle, as a path to subtract.
QPainterPath cornerCut(const QRectF& theRect, LMCornerEnum theCorner, LMCornerShapeEnum theShape, double theLength)
{
    QPointF aCorner;
    double aDx = theLength;
    double aDy = theLength;
    switch (theCorner) {
    case LMCornerEnum::TopLeft:
        aCorner = theRect.topLeft();
        break;
    case LMCornerEnum::TopRight:
        aCorner = theRect.topRight();
        aDx = -theLength;
        break;
    case LMCornerEnum::BottomLeft:
        aCorner = theRect.bottomLeft();
        aDy = -theLength;
        break;
    default:
        aCorner = theRect.bottomRight();
        aDx = -theLength;
        aDy = -theLength;
        break;
    }
    QPainterPath aPath;
    const QRectF aSquare = QRectF(aCorner, aCorner + QPointF(aDx, aDy)).normalized();
    switch (theShape) {
    case LMCornerShapeEnum::Bevelled:
        aPath.moveTo(aCorner);
        aPath.lineTo(aCorner + QPointF(aDx, 0));
        aPath.lineTo(aCorner + QPointF(0, aDy));
        aPath.closeSubpath();
        break;
    case LMCornerShapeEnum::Notched:
        aPath.addRect(aSquare);
        break;
    case LMCornerShapeEnum::Concave:
        // A quarter circle around the corner itself is taken away.
        aPath.addEllipse(aCorner, theLength, theLength);
        break;
    default: {
        // Rounded: the square minus the quarter circle whose centre lies inside the area.
        QPainterPath aCircle;
        aCircle.addEllipse(aCorner + QPointF(aDx, aDy), theLength, theLength);
        QPainterPath aBox;
        aBox.addRect(aSquare);
        aPath = aBox.subtracted(aCircle);
        break;
    }
    }
    return aPath;
}
} // namespace

LMLayoutPreviewRenderer::LMLayoutPreviewRenderer(const LMTemplateThumbnailContext& theContext)
    : myKey(theContext), myUsableSize(theContext.usableSize())
{
    // Every area asks for sizes and the scale: worked out once, not under the cache's lock per area.
    myImageSize = LMTemplateThumbnailCache::instance()->thumbnailSize(myKey);
    if (!myImageSize.isEmpty() && !myKey.maxRenderingSize().isEmpty())
        myImageSize = myImageSize.scaled(myKey.maxRenderingSize(), Qt::KeepAspectRatio);
    myScaleFactor = myUsableSize.width() > 0 ? myImageSize.width() / myUsableSize.width() : 1.0;
}

LMLayoutPreviewRenderer::~LMLayoutPreviewRenderer() = default;

QPointF LMLayoutPreviewRenderer::topLeftBleedOffset() const
{
    return myKey.topLeftBleedOffset();
}

QImage LMLayoutPreviewRenderer::createPaintImage(const QSize& theSize)
{
    QImage anImage(theSize, QImage::Format_ARGB32_Premultiplied);
    anImage.fill(Qt::transparent);
    const int aDotsPerMetre = qRound(LMMath::printerResolution2dpm());
    anImage.setDotsPerMeterX(aDotsPerMetre);
    anImage.setDotsPerMeterY(aDotsPerMetre);
    return anImage;
}

QImage LMLayoutPreviewRenderer::createImage()
{
    const LMConfiguredTemplate& aTemplate = myKey.getTemplate();
    const QSize aSize = imageSize();
    if (!aTemplate.isValid() || aSize.isEmpty())
        return QImage();
    QImage anImage = createPaintImage(aSize);
    anImage.fill(myKey.backgroundColor());
    {
        QPainter aPainter(&anImage);
        LMRenderingRule(LMRenderingRule::Purpose::Preview).encodeIn(&aPainter);
        aPainter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        aPainter.save();
        const double aScale = scaleFactor();
        aPainter.scale(aScale, aScale);
        paintBackground(aPainter, aSize, aTemplate);
        paintAreaDefinitions(aPainter);
        aPainter.restore();
        if (myKey.border()) {
            aPainter.setPen(QPen(Qt::gray, 0));
            aPainter.setBrush(Qt::NoBrush);
            aPainter.drawRect(QRectF(anImage.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    return applyDefaultRotation(aTemplate, anImage, myKey.maxRenderingSize());
}

void LMLayoutPreviewRenderer::paintSpotColor(QPainter* thePainter)
{
    if (thePainter == nullptr || !myKey.getTemplate().isValid() || !myKey.getTemplate()->hasSpotColor())
        return;
    mySpotColorPass = true;
    thePainter->save();
    const double aScale = scaleFactor();
    thePainter->scale(aScale, aScale);
    paintAreaDefinitions(*thePainter);
    thePainter->restore();
    mySpotColorPass = false;
}

QImage LMLayoutPreviewRenderer::backgroundImage(const QSize& theSize) const
{
    return myKey.getTemplate().largeImage(std::max(theSize.width(), theSize.height()));
}

void LMLayoutPreviewRenderer::paintBackground(QPainter& thePainter, const QSize& theSize,
                                              const LMConfiguredTemplate& theTemplate) const
{
    if (!theTemplate.isValid() || !theTemplate->hasBackground())
        return;
    const QImage aBackground = backgroundImage(theSize);
    if (aBackground.isNull())
        return;
    const QSizeF aPage = usableSize();
    thePainter.drawImage(QRectF(0, 0, aPage.width(), aPage.height()), aBackground);
}

void LMLayoutPreviewRenderer::paintAreaDefinitions(QPainter& thePainter)
{
    const LMTemplateAreaDefinitionList& anAreas = myKey.getTemplate()->areaDefinitions();
    paintAreaDefinitionList(thePainter, anAreas, false);
    paintAreaDefinitionList(thePainter, anAreas, true);
}

void LMLayoutPreviewRenderer::paintAreaDefinitionList(QPainter& thePainter, const LMTemplateAreaDefinitionList& theList,
                                                      bool theCalendars)
{
    const QPointF anOffset = topLeftBleedOffset();
    const QSizeF aPage = usableSize();
    for (const LMTemplateAreaDefinition* anArea : theList) {
        if (anArea->isType(LMAreaTypeEnum::Calendarium) != theCalendars)
            continue;
        // A preview shows the template as a whole: every area that may stand on a spread.
        if (!anArea->pageAlignmentIsOkay(LMPageAlignmentEnum::Double))
            continue;
        paintAreaDefinition(thePainter, *anArea, roundedRect(anArea->scaledRect(aPage, anOffset)));
    }
}

void LMLayoutPreviewRenderer::paintAreaDefinition(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                                  const QRect& theRect)
{
    if (mySpotColorPass && !theArea.isType(LMAreaTypeEnum::SVG))
        return;
    if (theRect.isEmpty())
        return;
    thePainter.save();
    if (const int aDegrees = theArea.rotation().degrees(); aDegrees != 0) {
        const QPoint aCentre((theRect.left() + theRect.right()) / 2, (theRect.top() + theRect.bottom()) / 2);
        thePainter.translate(aCentre);
        thePainter.rotate(aDegrees);
        thePainter.translate(-aCentre);
    }
    clipCorners(&thePainter, theArea, theRect);

    const qint32 aType = theArea.areaType().value();
    switch (aType) {
    case qint32(LMAreaTypeEnum::SmartLayout): {
        // A smart layout shows the photo areas it gathers; one without any stands for a photo area.
        const auto& aSmartLayout = static_cast<const LMTemplateAreaDefinitionSmartLayout&>(theArea);
        if (aSmartLayout.children().count() > 0) {
            paintAreaDefinitionList(thePainter, aSmartLayout.children(), false);
            break;
        }
        renderImage(thePainter, theArea, theRect);
        break;
    }
    case qint32(LMAreaTypeEnum::Foto): {
        const auto* aMaskable = dynamic_cast<const LMTemplateAreaDefinitionMaskable*>(&theArea);
        if (aMaskable != nullptr && aMaskable->mask().isValid())
            renderMaskedImage(thePainter, theArea, theRect);
        else
            renderImage(thePainter, theArea, theRect);
        break;
    }
    case qint32(LMAreaTypeEnum::Text):
    case qint32(LMAreaTypeEnum::CalendarText):
    case qint32(LMAreaTypeEnum::AllTexts):
        paintTextAreaPreview(thePainter, theRect);
        break;
    case qint32(LMAreaTypeEnum::Calendarium):
        paintCalendariumAreaPreview(thePainter, theArea, theRect);
        break;
    case qint32(LMAreaTypeEnum::Clipart):
        paintClipartAreaPreview(thePainter, theArea, theRect);
        break;
    case qint32(LMAreaTypeEnum::SVG):
        paintSvgAreaPreview(thePainter, theArea, theRect);
        break;
    case qint32(LMAreaTypeEnum::Osm):
        paintGeoMapAreaPreview(thePainter, theArea, theRect);
        break;
    default:
        break;
    }
    thePainter.restore();
}

QSize LMLayoutPreviewRenderer::pixelSize(const QRectF& theRect) const
{
    const double aScale = scaleFactor();
    return QSize(std::max(1, qRound(theRect.width() * aScale)), std::max(1, qRound(theRect.height() * aScale)));
}

QImage LMLayoutPreviewRenderer::fotoAreaPicture(const LMTemplateAreaDefinition& theArea, const QRect& theRect) const
{
    const auto* aContainer = dynamic_cast<const LMTemplateAreaDefinitionFotoContainer*>(&theArea);
    for (const auto& anAreaFoto : myAreaFotos) {
        if (!(anAreaFoto.first == theArea.rotatedRect()))
            continue;
        const QImage aPicture = previewPicture(theRect, anAreaFoto.second, theRect.size(), LMFotoInAreaPositionState());
        if (!aPicture.isNull())
            return aPicture;
        break;
    }
    if (!myKey.previewFoto().isEmpty()) {
        const LMFotoInAreaPositionState aPosition
            = aContainer ? aContainer->fotoInAreaDescription().position() : LMFotoInAreaPositionState();
        const QImage aPicture
            = previewPicture(theRect, LMFoto::fromString(myKey.previewFoto()), theRect.size(), aPosition);
        if (!aPicture.isNull())
            return aPicture;
    }
    const QSize aSize = pixelSize(theRect);
    QImage aMarker(aSize, QImage::Format_ARGB32_Premultiplied);
    aMarker.fill(Qt::transparent);
    {
        QPainter aPainter(&aMarker);
        aPainter.setRenderHint(QPainter::Antialiasing);
        LMEmptyFotoAreaMarker::draw(&aPainter, QRectF(aMarker.rect()));
    }
    const auto* aSmartLayout = dynamic_cast<const LMTemplateAreaDefinitionSmartLayout*>(&theArea);
    if (aSmartLayout != nullptr && aSmartLayout->isActive())
        LMEffectInvertPainter::invertARGB32(aMarker);
    return aMarker;
}

void LMLayoutPreviewRenderer::renderImage(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                          const QRect& theRect)
{
    const QImage aPicture = fotoAreaPicture(theArea, theRect);
    const LMShadowConfig aShadow = theArea.scaledDecoration(usableSize()).shadow();
    if (aShadow.isValid()) {
        const QImage aShadowImage = paintTheShadow(aPicture, aShadow);
        thePainter.drawImage(shadowRect(theRect, aShadowImage, aShadow), aShadowImage);
    }
    thePainter.drawImage(QRectF(theRect), aPicture);
}

void LMLayoutPreviewRenderer::renderMaskedImage(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                                const QRect& theRect)
{
    const auto& aMaskable = static_cast<const LMTemplateAreaDefinitionMaskable&>(theArea);
    const auto* aMask = dynamic_cast<const LMDecorationMask*>(aMaskable.mask().decoration());
    if (aMask == nullptr) {
        // A mask the registry does not know: the photo is shown uncut.
        renderImage(thePainter, theArea, theRect);
        return;
    }
    QImage aPicture = fotoAreaPicture(theArea, theRect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    aMask->renderIntoExistingImage(aMaskable.mask().configuration(), &aPicture, LMBackgroundJobPriority::Normal,
                                   LMSVGCompositionRenderSituation::Preview);
    thePainter.drawImage(QRectF(theRect), aPicture);
}

void LMLayoutPreviewRenderer::paintTextAreaPreview(QPainter& thePainter, const QRect& theRect) const
{
    thePainter.setPen(QPen(QColor(160, 160, 160), 0));
    thePainter.setBrush(QColor(225, 225, 225));
    thePainter.drawRect(theRect);
    const int aLines = int(std::lround(std::lround(theRect.height() / 10.0) / 5.0));
    QPen aLinePen(Qt::white, 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    thePainter.setPen(aLinePen);
    for (int i = 1; i < aLines; ++i) {
        const int aY = theRect.top() + TEXT_LINE_PITCH * i;
        thePainter.drawLine(theRect.left() + 1, aY, theRect.right(), aY);
    }
}

LMCalendariumAppearance
LMLayoutPreviewRenderer::applyCalendariumAppearance(const LMTemplateAreaDefinition& theArea) const
{
    const auto* aCalendar = dynamic_cast<const LMTemplateAreaDefinitionCalendarium*>(&theArea);
    LMCalendariumAppearance anAppearance = aCalendar ? aCalendar->appearance() : LMCalendariumAppearance();
    if (!previewParameters().colorSchema().isEmpty())
        anAppearance.setColorSchema(previewParameters().colorSchema());
    return anAppearance;
}

void LMLayoutPreviewRenderer::paintCalendariumAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                                          const QRect& theRect) const
{
    const std::unique_ptr<LMCalendariumRenderer> aRenderer
        = LMCalendariumRendererFactory::createRenderer(applyCalendariumAppearance(theArea), previewParameters());
    aRenderer->render(&thePainter, QRectF(theRect));
}

void LMLayoutPreviewRenderer::paintClipartAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                                      const QRect& theRect) const
{
    const auto& aClipartArea = static_cast<const LMTemplateAreaDefinitionClipart&>(theArea);
    const auto* aClipart = dynamic_cast<const LMAbstractDecoration*>(aClipartArea.clipart().decoration());
    if (aClipart == nullptr) {
        if (LMBasisSettings::instance()->runsInMasterMode())
            thePainter.fillRect(theRect, Qt::red);
        return;
    }
    const QRectF aTarget
        = aClipartArea.keepsAspectRatio() ? adjustedRectToDecoration(theRect, aClipart) : QRectF(theRect);
    aClipart->renderComposition(&thePainter, aTarget, aClipartArea.clipart().configuration(), LMSpotColor());
}

void LMLayoutPreviewRenderer::paintSvgAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                                  const QRect& theRect) const
{
    const auto& anSvgArea = static_cast<const LMTemplateAreaDefinitionSVG&>(theArea);
    const LMSVGImageAbstract* anImage = anSvgArea.svgImage();
    if (anImage == nullptr)
        return;
    if (!mySpotColorPass) {
        anImage->render(&thePainter, QRectF(theRect));
        return;
    }
    // The spot-colour layer: the artwork's shape in the colour that stands for the spot colour.
    const QColor aSpotColor = LMSVGComposition::displayColor(myKey.getTemplate()->spotColor());
    QImage aLayer = anImage->toImage(pixelSize(theRect));
    if (aLayer.isNull() || !aSpotColor.isValid())
        return;
    aLayer = aLayer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter aTint(&aLayer);
        aTint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        aTint.fillRect(aLayer.rect(), aSpotColor);
    }
    thePainter.drawImage(QRectF(theRect), aLayer);
}

void LMLayoutPreviewRenderer::paintGeoMapAreaPreview(QPainter& thePainter, const LMTemplateAreaDefinition& theArea,
                                                     const QRect& theRect) const
{
    const auto& aMapArea = static_cast<const LMTemplateAreaDefinitionOsm&>(theArea);
    const QImage aSample = LMOsmMapStyle(aMapArea.content().style()).image();
    if (aSample.isNull())
        return;
    thePainter.drawImage(QRectF(theRect), coverCropped(aSample, pixelSize(theRect)));
}

QImage LMLayoutPreviewRenderer::applyDefaultRotation(const LMConfiguredTemplate& theTemplate, const QImage& theImage,
                                                     const QSize& theMaxSize)
{
    if (!theTemplate.isValid() || theImage.isNull() || !theTemplate->defaultRotation().isDefined())
        return theImage;
    const int aDegrees = theTemplate->defaultRotation().angle().degrees();
    if (aDegrees != 90 && aDegrees != 270)
        return theImage;
    const QImage aTurned = theImage.transformed(QTransform().rotate(aDegrees == 90 ? 90 : -90));
    if (theMaxSize.isEmpty())
        return aTurned;
    return aTurned.scaled(theMaxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void LMLayoutPreviewRenderer::clipCorners(QPainter* thePainter, const LMTemplateAreaDefinition& theArea,
                                          const QRectF& theRect) const
{
    const LMCornersConfiguration aCorners = theArea.scaledDecoration(usableSize()).corners();
    if (!aCorners.isEnabled() || aCorners.corners().isEmpty())
        return;
    QPainterPath aPath;
    aPath.addRect(theRect);
    const double aLongest = std::min(theRect.width(), theRect.height()) / 2;
    for (const LMCorner& aCorner : aCorners.corners()) {
        const LMCornersConfiguration::Corner aCut = aCorners.corner(aCorner);
        const double aLength
            = aCut.length.isRelative() ? aCut.length.value() * aLongest * 2 : std::min(aCut.length.toUnits(), aLongest);
        if (aLength <= 0 || aCut.shape == LMCornerShapeEnum::None)
            continue;
        aPath = aPath.subtracted(cornerCut(theRect, LMCornerEnum(aCorner.value()),
                                           LMCornerShapeEnum(aCut.shape.value()), std::min(aLength, aLongest)));
    }
    thePainter->setClipPath(aPath, Qt::IntersectClip);
}

QImage LMLayoutPreviewRenderer::paintTheShadow(const QImage& theImage, const LMShadowConfig& theShadow) const
{
    return LMShadowEffect::shadow(theImage, theShadow.blur().toUnits() * scaleFactor(), theShadow.intensity());
}

QPointF LMLayoutPreviewRenderer::shadowTopLeft(const QRect& theRect, const LMShadowConfig& theShadow) const
{
    const double aDistance = theShadow.distance().toUnits();
    const double aRadians = qDegreesToRadians(double(theShadow.angle().degrees()));
    return QPointF(theRect.topLeft()) + QPointF(aDistance * std::cos(aRadians), aDistance * std::sin(aRadians));
}

QRectF LMLayoutPreviewRenderer::shadowRect(const QRect& theRect, const QImage& theShadowImage,
                                           const LMShadowConfig& theShadow) const
{
    const double aScale = scaleFactor();
    const double aMargin = LMShadowEffect::margin(theShadow.blur().toUnits() * aScale) / aScale;
    return QRectF(shadowTopLeft(theRect, theShadow) - QPointF(aMargin, aMargin),
                  QSizeF(theShadowImage.width() / aScale, theShadowImage.height() / aScale));
}

QRectF LMLayoutPreviewRenderer::adjustedRectToDecoration(const QRect& theRect,
                                                         const LMAbstractDecoration* theDecoration)
{
    if (theDecoration == nullptr || !(theDecoration->ratio() > 0))
        return QRectF(theRect);
    return centredFit(QSizeF(1.0, theDecoration->ratio()), QRectF(theRect));
}

QImage LMLayoutPreviewRenderer::previewPicture(const QRect& theRect, const LMFoto& theFoto, const QSizeF& theAreaSize,
                                               const LMFotoInAreaPositionState& thePosition) const
{
    const LMFotoAccess anAccess(theFoto, PREVIEW_FOTO_LEVEL);
    const QImage aDrawable = anAccess.drawable();
    const QSize aPreferred = anAccess.preferredSize();
    if (aDrawable.isNull() || aPreferred.isEmpty())
        return QImage();
    const QSize aPixels = pixelSize(theRect);
    const bool aPlaced = !(thePosition == LMFotoInAreaPositionState()) && !theAreaSize.isEmpty();
    if (!aPlaced)
        return coverCropped(aDrawable, aPixels);
    const double aToDrawable = double(aDrawable.width()) / aPreferred.width();
    const QRectF aVisible = thePosition.visibleRect(theAreaSize);
    const QRect aCut = QRectF(aVisible.topLeft() * aToDrawable, aVisible.size() * aToDrawable)
                           .toAlignedRect()
                           .intersected(aDrawable.rect());
    if (aCut.isEmpty())
        return coverCropped(aDrawable, aPixels);
    return aDrawable.copy(aCut).scaled(aPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
