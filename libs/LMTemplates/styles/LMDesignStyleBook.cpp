#include "LMDesignStyleBook.h"

#include "LMBackgroundPreviewRenderer.h"
#include "LMBookPlanner.h"
#include "LMDesignStyleAreas.h"
#include "LMLayoutDistributor.h"
#include "LMLayoutPreviewRenderer.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionBackground.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateContext.h"

#include <QPainter>

namespace {
constexpr qint32 NO_PHOTO_PAGES
    = qint32(LMPageTypeEnum::Spine) | qint32(LMPageTypeEnum::FrontFlyleaf) | qint32(LMPageTypeEnum::BackFlyleaf);
constexpr qint32 FLYLEAVES = qint32(LMPageTypeEnum::FrontFlyleaf) | qint32(LMPageTypeEnum::BackFlyleaf);
// Page units (tenths of a millimetre) per typographic point.
constexpr double UNITS_PER_POINT = 254.0 / 72.0;
constexpr double DEFAULT_POINTS = 12.0;

// The double page of a page: the cover spread (back, spine, front) is 0; the first inner page
// stands on 1, beside the inside of a board cover.
int sceneOf(int thePage, int theFirstInner)
{
    return thePage < 3 ? 0 : std::max(1, (thePage - theFirstInner + 1) / 2 + 1);
}

// The rectangle the border's line runs on: inside the area, on its edge, or outside it past the
// gap.
QRectF borderLine(const QRectF& theArea, const LMBorderConfig& theBorder)
{
    const double aHalf = theBorder.width().toUnits() / 2.0;
    const double aGap = theBorder.offset().toUnits();
    switch (theBorder.position().value()) {
    case qint32(LMBorderPositionEnum::Inside):
        return theArea.adjusted(aHalf + aGap, aHalf + aGap, -aHalf - aGap, -aHalf - aGap);
    case qint32(LMBorderPositionEnum::Outside):
        return theArea.adjusted(-aHalf - aGap, -aHalf - aGap, aHalf + aGap, aHalf + aGap);
    default:
        return theArea;
    }
}

void paintBorder(QPainter& thePainter, const QRectF& theRect, const LMBorderConfig& theBorder)
{
    QPen aPen(theBorder.color().isValid() ? theBorder.color() : QColor(Qt::black), theBorder.width().toUnits());
    aPen.setJoinStyle(Qt::MiterJoin);
    thePainter.setPen(aPen);
    thePainter.setBrush(Qt::NoBrush);
    thePainter.drawRect(borderLine(theRect, theBorder));
}

// A text area as the format shows it: its background, and the text type's word in the font,
// size, weight, colour and alignment of the format.
void paintText(QPainter& thePainter, const QRectF& theRect, const LMTemplateAreaDefinitionText& theText)
{
    const LMTextFormat aFormat = theText.textFormatChange().appliedTo(LMTextFormat());
    if (aFormat.backgroundColor().isValid())
        thePainter.fillRect(theRect, aFormat.backgroundColor());
    QFont aFont(aFormat.fontFamily().isEmpty() ? QStringLiteral("Noto Sans") : aFormat.fontFamily());
    aFont.setPixelSize(
        std::max(1, qRound((aFormat.fontSize() > 0 ? aFormat.fontSize() : DEFAULT_POINTS) * UNITS_PER_POINT)));
    aFont.setBold(aFormat.isBold());
    aFont.setItalic(aFormat.isItalic());
    thePainter.setFont(aFont);
    thePainter.setPen(aFormat.fontColor().isValid() ? aFormat.fontColor() : QColor(Qt::black));
    Qt::Alignment anAlignment = aFormat.alignmentHorizontal() | aFormat.alignmentVertical();
    if (!(anAlignment & Qt::AlignHorizontal_Mask))
        anAlignment |= Qt::AlignLeft;
    if (!(anAlignment & Qt::AlignVertical_Mask))
        anAlignment |= Qt::AlignTop;
    if (anAlignment & Qt::AlignJustify)
        anAlignment = (anAlignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    QString aWord = theText.textType().encodeCSV();
    if (aWord.isEmpty())
        aWord = QStringLiteral("text");
    aWord[0] = aWord.at(0).toUpper();
    const double aPadding = std::max(0.0, aFormat.paddingHorizontal().toUnits());
    thePainter.drawText(theRect.adjusted(aPadding, 0, -aPadding, 0), int(anAlignment), aWord);
}

// Turns the painter round the rectangle's centre by the area's rotation.
void rotateFor(QPainter& thePainter, const LMTemplateAreaDefinition& theArea, const QRectF& theRect)
{
    if (const int aDegrees = theArea.rotation().degrees(); aDegrees != 0) {
        thePainter.translate(theRect.center());
        thePainter.rotate(aDegrees);
        thePainter.translate(-theRect.center());
    }
}
} // namespace

int LMDesignStyleBook::stylePageCount(const LMArticle& theArticle, int theInnerPages)
{
    return theArticle.coverType().isRegularCover() || !theArticle.hasArticleClass(LMArticleClassEnum::PhotoBook)
        ? theInnerPages
        : theInnerPages + 3;
}

QList<LMDesignStyleBook::Page> LMDesignStyleBook::build(const LMDesignStyle& theStyle, const LMArticle& theArticle,
                                                        int theInnerPages, const LMFotoList& theFotos)
{
    const int aCount = stylePageCount(theArticle, theInnerPages);
    const QList<LMPageType> aTypes = theArticle.pageTypes(aCount);
    const bool aBook = theArticle.hasArticleClass(LMArticleClassEnum::PhotoBook);
    const int aFirstInner = !aBook ? 0 : theArticle.coverType().isRegularCover() ? 4 : 3;
    int aPhotoPages = 0;
    for (const LMPageType& aType : aTypes)
        aPhotoPages += aType.intersects(LMPageType::fromInt(NO_PHOTO_PAGES)) ? 0 : 1;
    LMLayoutDistributor aPlanner(LMTemplateContext(theArticle, LMPageTypeEnum::InnerPage), LMDesignElementIDSet(),
                                 LMDesignElementIDSet());
    LMFotosForScenePack aPlan = LMBookPlanner(aPlanner).plan(theFotos, aPhotoPages, false);

    QList<Page> aPages;
    LMFotoList aCarried;
    for (int p = 0; p < aTypes.size(); ++p) {
        Page aPage;
        aPage.pageType = aTypes.at(p);
        aPage.point = LMDesignStyleReferencePoint(0, aBook ? sceneOf(p, aFirstInner) : p, p, theArticle.coverType());
        if (aPage.pageType.intersects(LMPageType::fromInt(FLYLEAVES))) {
            aPages.append(aPage);
            continue;
        }
        LMFotoList aFotos = aCarried;
        if (!aPage.pageType.intersects(LMPageType::fromInt(NO_PHOTO_PAGES)) && !aPlan.isEmpty())
            aFotos.append(aPlan.consumePageFotos());
        aPage.result = theStyle.areaDefinitions(aPage.point, aCount, theArticle, aFotos);
        aPage.built = true;
        aCarried = aPage.result.leftOverFotos();
        aPages.append(aPage);
    }
    return aPages;
}

LMTemplateContext LMDesignStyleBook::drawingContext(const LMArticle& theArticle, const LMPageType& thePageType)
{
    const LMTemplateContext aContext(theArticle, thePageType);
    return aContext.usableSize().isEmpty() ? LMTemplateContext(theArticle, LMPageTypeEnum::InnerPage) : aContext;
}

QImage LMDesignStyleBook::picture(const Page& thePage, const LMArticle& theArticle, int theSide)
{
    const LMTemplateContext aContext = drawingContext(theArticle, thePage.pageType);
    const LMConfiguredTemplate& aLayout = thePage.result.layoutTemplate();
    if (!thePage.built || !aLayout.isValid()) {
        const QSizeF aPage = aContext.usableSize();
        QImage aBlank = LMLayoutPreviewRenderer::createPaintImage(
            aPage.isEmpty() ? QSize(theSide, theSide) : aPage.scaled(theSide, theSide, Qt::KeepAspectRatio).toSize());
        aBlank.fill(Qt::white);
        return aBlank;
    }
    LMLayoutPreviewRenderer aRenderer(LMTemplateThumbnailContext(QSize(theSide, theSide), aContext, aLayout));
    const LMTemplateAreaDefinitionList& anAreas = thePage.result.templateAreaDefinitionList();
    const QList<LMTemplateAreaDefinition*> anAll = LMDesignStyleAreas::all(anAreas);
    QList<QPair<LMRotatedRect, LMFoto>> aFotos;
    for (const LMTemplateAreaDefinition* anArea : anAll) {
        if (anArea->foto().isValid())
            aFotos.append(qMakePair(anArea->rotatedRect(), anArea->foto()));
    }
    aRenderer.setAreaFotos(aFotos);

    QImage anImage = LMLayoutPreviewRenderer::createPaintImage(aRenderer.imageSize());
    anImage.fill(Qt::white);
    const LMConfiguredTemplate aBackground = background(thePage.result);
    if (aBackground.isValid()) {
        const QImage aPaper
            = LMBackgroundPreviewRenderer(LMTemplateThumbnailContext(anImage.size(), aContext, aBackground)).render();
        if (!aPaper.isNull()) {
            QPainter aPainter(&anImage);
            aPainter.drawImage(QRectF(anImage.rect()), aPaper);
        }
    }
    QPainter aPainter(&anImage);
    aPainter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    aPainter.scale(aRenderer.scaleFactor(), aRenderer.scaleFactor());
    const LMTemplateAreaDefinitionList aPictures = anAreas.filter(LMAreaTypeEnum::AllTexts, false);
    aRenderer.paintAreaDefinitionList(aPainter, aPictures, false);
    aRenderer.paintAreaDefinitionList(aPainter, aPictures, true);
    const QSizeF aPage = aRenderer.usableSize();
    const QPointF anOffset = aRenderer.topLeftBleedOffset();
    for (const LMTemplateAreaDefinition* anArea : anAll) {
        const QRectF aRect = anArea->scaledRect(aPage, anOffset);
        aPainter.save();
        rotateFor(aPainter, *anArea, aRect);
        if (const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(anArea))
            paintText(aPainter, aRect, *aText);
        const LMBorderConfig& aBorder = anArea->decoration().border();
        if (!aBorder.isNoBorder() && !anArea->isType(LMAreaTypeEnum::SmartLayout))
            paintBorder(aPainter, aRect, aBorder);
        aPainter.restore();
    }
    return anImage;
}

LMConfiguredTemplate LMDesignStyleBook::background(const LMAreaDefinitionResult& thePage)
{
    for (const LMTemplateAreaDefinition* anArea : thePage.templateAreaDefinitionList()) {
        if (const auto* aBackground = dynamic_cast<const LMTemplateAreaDefinitionBackground*>(anArea))
            return aBackground->referencedTemplates().value(LMTemplateLayerTypeEnum::Background);
    }
    return LMConfiguredTemplate();
}
