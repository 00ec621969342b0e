#include "LMDecorationMaskFrame.h"

#include "LMDecorationClipart.h"
#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDir>
#include <QDomElement>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QString STR_CLIPART = QStringLiteral("clipart");
const QString STR_FOTOAREA = QStringLiteral("fotoarea");
const QString STR_X = QStringLiteral("x");
const QString STR_Y = QStringLiteral("y");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_HEIGHT = QStringLiteral("height");
const QString STR_USER_ELEMENT_ID = QStringLiteral("userElementId");

double relativeAttribute(const QDomElement& theElement, const QString& theName)
{
    return std::clamp(LMModelXml::doubleAttribute(theElement, theName, 0.0), 0.0, 1.0);
}

// The mirror rule values of the files: 2 swaps left and right, 1 top and bottom.
bool mirrorsX(const LMClipartConfiguration& theConfiguration)
{
    return (theConfiguration.mirrorRule().value() & 2) != 0;
}

bool mirrorsY(const LMClipartConfiguration& theConfiguration)
{
    return (theConfiguration.mirrorRule().value() & 1) != 0;
}
} // namespace

LMDecorationMaskFrame::LMDecorationMaskFrame(const QDomElement& theElement, const QDir& theDirectory)
    : LMDecorationMask(theElement, theDirectory),
      myClipart(std::make_unique<LMDecorationClipart>(theElement.firstChildElement(STR_CLIPART), theDirectory))
{
    const QDomElement aFotoArea = theElement.firstChildElement(STR_FOTOAREA);
    if (!aFotoArea.isNull()) {
        myX = relativeAttribute(aFotoArea, STR_X);
        myY = relativeAttribute(aFotoArea, STR_Y);
        myWidth = relativeAttribute(aFotoArea, STR_WIDTH);
        myHeight = relativeAttribute(aFotoArea, STR_HEIGHT);
    }
    const QDomElement aDecoration = theElement.parentNode().toElement();
    const LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(aDecoration);
    if (anId.isValid()) {
        readIdentity(aDecoration, theDirectory);
        readCategorization(aDecoration, theDirectory);
    }
    bool anOk = false;
    const int aUserId = aDecoration.attribute(STR_USER_ELEMENT_ID).toInt(&anOk);
    if (anOk && aUserId > 0)
        setUserElementId(aUserId);
    connect(myClipart.get(), &LMAbstractDecoration::contentChanged, this, [this]() { emit contentChanged(this); });
    connect(myClipart.get(), &LMAbstractDecoration::repaint, this, [this]() {
        resetThumbImage();
        emit repaint(this);
    });
}

LMDecorationMaskFrame::~LMDecorationMaskFrame() = default;

QString LMDecorationMaskFrame::uniqueName() const
{
    return QStringLiteral("Schmuckrahmen_%1_%2").arg(myClipart->uniqueName(), LMDecorationMask::uniqueName());
}

bool LMDecorationMaskFrame::iWatchThisComposition(const LMSVGComposition& theComposition) const
{
    return svgComposition() == theComposition;
}

bool LMDecorationMaskFrame::isUsable() const
{
    return LMDecorationMask::isUsable() && myClipart->isUsable();
}

void LMDecorationMaskFrame::renderIntoExistingImage(const LMClipartConfiguration& theConfiguration, QImage* theImage,
                                                    LMBackgroundJobPriority thePriority,
                                                    LMSVGCompositionRenderSituation theSituation) const
{
    renderClipartIntoExistingImage(theConfiguration, theImage, thePriority, theSituation);
}

void LMDecorationMaskFrame::renderAlphaMaskIntoExistingImage(const LMClipartConfiguration& theConfiguration,
                                                             QImage* theImage, const QRect& theRect,
                                                             LMBackgroundJobPriority thePriority) const
{
    if (theImage == nullptr)
        return;
    // The mask cuts the photo area only; mirroring is in the rectangle already, the base mirrors
    // the whole alpha picture, so the rectangle is mirrored back first.
    QRect aRect = theRect.isNull() ? positionOfMaskInImage(theConfiguration, *theImage) : theRect;
    if (mirrorsX(theConfiguration))
        aRect.moveLeft(theImage->width() - aRect.right() - 1);
    if (mirrorsY(theConfiguration))
        aRect.moveTop(theImage->height() - aRect.bottom() - 1);
    LMDecorationMask::renderAlphaMaskIntoExistingImage(theConfiguration, theImage, aRect, thePriority);
}

QRectF LMDecorationMaskFrame::scaledFotoAreaRect(const QRectF& theRect,
                                                 const LMClipartConfiguration& theConfiguration) const
{
    if (!hasFotoArea())
        return LMDecorationMask::scaledFotoAreaRect(theRect, theConfiguration);
    const double anX = mirrorsX(theConfiguration) ? 1.0 - (myX + myWidth) : myX;
    const double aY = mirrorsY(theConfiguration) ? 1.0 - (myY + myHeight) : myY;
    return QRectF(theRect.x() + theRect.width() * anX, theRect.y() + theRect.height() * aY, myWidth * theRect.width(),
                  myHeight * theRect.height());
}

QSizeF LMDecorationMaskFrame::scaledFotoAreaSize(const QSizeF& theSize) const
{
    if (!hasFotoArea())
        return LMDecorationMask::scaledFotoAreaSize(theSize);
    return QSizeF(myWidth * theSize.width(), myHeight * theSize.height());
}

void LMDecorationMaskFrame::renderClipartIntoExistingImage(const LMClipartConfiguration& theConfiguration,
                                                           QImage* theImage, LMBackgroundJobPriority thePriority,
                                                           LMSVGCompositionRenderSituation theSituation) const
{
    Q_UNUSED(thePriority);
    Q_UNUSED(theSituation);
    if (theImage == nullptr || theImage->isNull())
        return;
    QPainter aPainter(theImage);
    aPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    myClipart->svgComposition().render(&aPainter, QRectF(theImage->rect()), theConfiguration,
                                       LMSVGComposition::displayColor(myClipart->spotColor()));
}

QSize LMDecorationMaskFrame::wholeImageRect(const QSize& thePhoto) const
{
    if (!hasFotoArea() || myWidth <= 0 || myHeight <= 0)
        return thePhoto;
    return QSize(int(thePhoto.width() / myWidth), int(thePhoto.height() / myHeight));
}

QRect LMDecorationMaskFrame::positionOfMaskInImage(const LMClipartConfiguration& theConfiguration,
                                                   const QImage& theImage) const
{
    if (!hasFotoArea())
        return theImage.rect();
    return scaledFotoAreaRect(QRectF(theImage.rect()), theConfiguration).toRect();
}

QImage LMDecorationMaskFrame::thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                                                const LMSpotColor& theSpotColor)
{
    if (theSize.isEmpty())
        return QImage();
    const LMClipartConfiguration aConfiguration(theMirrorRule, theSpotColor.isValid());
    // The grey stand-in photo in the photo area, cut by the mask, under the frame.
    QImage anImage(theSize, QImage::Format_ARGB32);
    anImage.fill(Qt::transparent);
    const QRect aPhoto = positionOfMaskInImage(aConfiguration, anImage);
    {
        QPainter aPainter(&anImage);
        aPainter.fillRect(aPhoto, photoStandInColor());
    }
    renderAlphaMaskIntoExistingImage(aConfiguration, &anImage, QRect(), LMBackgroundJobPriority::Normal);
    QPainter aPainter(&anImage);
    aPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    myClipart->svgComposition().render(&aPainter, QRectF(anImage.rect()), aConfiguration,
                                       LMSVGComposition::displayColor(theSpotColor));
    return anImage;
}
