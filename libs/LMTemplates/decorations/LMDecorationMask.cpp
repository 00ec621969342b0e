#include "LMDecorationMask.h"

#include "LMEditImageManipulator.h"
#include "LMXMLElement.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomElement>
#include <QPainter>

namespace {
const QString STR_FILE = QStringLiteral("file");
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");
} // namespace

LMDecorationMask::LMDecorationMask(const QDomElement& theElement, const QDir& theDirectory)
    : LMAbstractDecoration(LMJigTypeEnum::Mask, QFileInfo(theDirectory, theElement.attribute(STR_FILE)), theElement),
      myAdjustAreaSizeOnDragAndDrop(theElement.attribute(STR_KEEP_ASPECT_RATIO) == QLatin1String("1")),
      myConfiguration(LMClipartConfiguration::fromXml(theElement))
{
}

LMDecorationMask::~LMDecorationMask() = default;

QString LMDecorationMask::basicDragAndDropHint() const
{
    return QCoreApplication::translate("LMDecorationMask",
                                       "Ziehen Sie diese Maske oder Rahmen mit der Maus auf ein Foto.");
}

QString LMDecorationMask::uniqueName() const
{
    return QStringLiteral("fading_") + sourceFile();
}

void LMDecorationMask::render(QPainter* thePainter, const QRectF& theTarget, LMBackgroundJobPriority thePriority) const
{
    Q_UNUSED(thePriority);
    svgComposition().render(thePainter, theTarget, LMClipartConfiguration(), QColor(), false);
}

void LMDecorationMask::renderIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                               LMBackgroundJobPriority thePriority,
                                               LMSVGCompositionRenderSituation theSituation) const
{
    Q_UNUSED(theSituation);
    renderAlphaMaskIntoExistingImage(theConfiguration, theImage, QRect(), thePriority);
}

void LMDecorationMask::renderAlphaMaskIntoExistingImage(const LMClipartConfiguration& theConfiguration,
                                                        QImage* theImage, const QRect& theRect,
                                                        LMBackgroundJobPriority thePriority) const
{
    if (theImage == nullptr || theImage->isNull())
        return;
    QImage anAlpha(theImage->size(), QImage::Format_ARGB32);
    anAlpha.fill(Qt::white);
    {
        QPainter aPainter(&anAlpha);
        aPainter.setRenderHint(QPainter::Antialiasing);
        render(&aPainter, theRect.isNull() ? QRectF(anAlpha.rect()) : QRectF(theRect), thePriority);
    }
    const LMMirrorRule& aRule = theConfiguration.mirrorRule();
    if (aRule.flipsX() || aRule.flipsY())
        anAlpha = anAlpha.mirrored(aRule.flipsX(), aRule.flipsY());
    *theImage = LMEditImageManipulator::combineBlackWhiteAlphaImageWithRGBAImage(anAlpha, *theImage);
}

QRectF LMDecorationMask::scaledFotoAreaRect(const QRectF& theRect, const LMClipartConfiguration& theConfiguration) const
{
    Q_UNUSED(theConfiguration);
    return theRect;
}

QSizeF LMDecorationMask::scaledFotoAreaSize(const QSizeF& theSize) const
{
    return theSize;
}

QColor LMDecorationMask::photoStandInColor()
{
    return QColor(0x9e, 0x9e, 0x9e);
}

QImage LMDecorationMask::thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                                           const LMSpotColor& theSpotColor)
{
    Q_UNUSED(theSpotColor);
    if (theSize.isEmpty())
        return QImage();
    // A grey stand-in photo cut by the mask.
    QImage anImage(theSize, QImage::Format_ARGB32);
    anImage.fill(photoStandInColor());
    renderAlphaMaskIntoExistingImage(LMClipartConfiguration(theMirrorRule, false), &anImage, QRect(),
                                     LMBackgroundJobPriority::Normal);
    return anImage;
}
