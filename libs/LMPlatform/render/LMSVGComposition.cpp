#include "LMSVGComposition.h"

#include "LMColorReplacementInstructions.h"
#include "LMContentFileReader.h"
#include "LMPlatformLogging.h"
#include "LMSVGImage.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <optional>

struct LMSVGComposition::Data
{
    QString myFileName;
    // None when the file could not be read.
    std::optional<LMSVGImage> myImage;
    // The file's root element is an SVG element.
    bool myIsSvg = false;
    LMRelativePinAnchorPoint myAnchorPoint;
};

LMSVGComposition::LMSVGComposition() = default;

LMSVGComposition LMSVGComposition::fromFile(const QString& thePath)
{
    auto aData = std::make_shared<Data>();
    aData->myFileName = QFileInfo(thePath).absoluteFilePath();
    const LMContentFileReader::Result aFile = LMContentFileReader::read(aData->myFileName, ourMaximumSize);
    if (aFile.isRead()) {
        aData->myImage.emplace(aFile.data);
        // The anchor point is named by the root element: nothing further is read. A compressed
        // picture is taken as SVG; Qt's renderer tells when it is drawn.
        if (aFile.data.startsWith("\x1f\x8b")) {
            aData->myIsSvg = true;
        } else if (QXmlStreamReader aReader(aFile.data); aReader.readNextStartElement()) {
            aData->myIsSvg = aReader.name() == QLatin1String("svg");
            aData->myAnchorPoint = LMRelativePinAnchorPoint::decode(aReader.attributes());
        }
    } else {
        qCWarning(lcPlatformRender).noquote()
            << QStringLiteral("cannot read SVG file %1: %2")
                   .arg(aData->myFileName, LMContentFileReader::reason(aFile, ourMaximumSize));
    }
    LMSVGComposition aComposition;
    aComposition.myData = std::move(aData);
    return aComposition;
}

bool LMSVGComposition::isReadable() const
{
    return myData && myData->myIsSvg;
}

bool LMSVGComposition::isValid() const
{
    return myData && myData->myImage && myData->myImage->isValid();
}

QString LMSVGComposition::fileName() const
{
    return myData ? myData->myFileName : QString();
}

QString LMSVGComposition::debugName() const
{
    return QFileInfo(fileName()).fileName();
}

const LMSVGImage* LMSVGComposition::svgImage() const
{
    return isValid() ? &*myData->myImage : nullptr;
}

QSizeF LMSVGComposition::defaultSize() const
{
    return isValid() ? myData->myImage->defaultSize() : QSizeF();
}

double LMSVGComposition::ratio() const
{
    const QSizeF aSize = defaultSize();
    return aSize.width() > 0 ? aSize.height() / aSize.width() : 0.0;
}

LMRelativePinAnchorPoint LMSVGComposition::anchorPoint() const
{
    return myData ? myData->myAnchorPoint : LMRelativePinAnchorPoint();
}

LMClipartConfiguration LMSVGComposition::extractClipartConfiguration() const
{
    LMClipartConfiguration aConfiguration;
    if (!isValid())
        return aConfiguration;
    LMColorReplacementInstructions anInstructions;
    const QList<QColor> aColors = LMColorReplacementInstructions::colorsOf(myData->myImage->data());
    for (const QColor& aColor : aColors)
        anInstructions.add(aColor, aColor);
    aConfiguration.setColorReplacements(anInstructions);
    return aConfiguration;
}

bool LMSVGComposition::render(QPainter* thePainter, const QRectF& theTarget,
                              const LMClipartConfiguration& theConfiguration, const QColor& theSpotColor,
                              bool theMirror) const
{
    if (!isValid() || thePainter == nullptr || theTarget.isEmpty())
        return false;
    thePainter->save();
    if (theMirror) {
        const LMMirrorRule& aRule = theConfiguration.mirrorRule();
        const QPointF aCenter = theTarget.center();
        thePainter->translate(aCenter);
        thePainter->scale(aRule.flipsX() ? -1.0 : 1.0, aRule.flipsY() ? -1.0 : 1.0);
        thePainter->translate(-aCenter);
    }
    const bool aUniform = theConfiguration.isSpotColorEnabled() && theSpotColor.isValid();
    bool aDone = false;
    if (!aUniform && theConfiguration.colorReplacements().isEmpty()) {
        aDone = myData->myImage->render(thePainter, theTarget);
    } else {
        // Recoloured variants are drawn by a renderer of their own, made for this one call: the
        // image's per-thread renderers are kept for the picture as it is.
        const QByteArray& aBytes = myData->myImage->data();
        QSvgRenderer aRenderer(aUniform ? LMColorReplacementInstructions::applyUniformColor(aBytes, theSpotColor)
                                        : theConfiguration.colorReplacements().apply(aBytes));
        if (aRenderer.isValid()) {
            aRenderer.render(thePainter, theTarget);
            aDone = true;
        }
    }
    thePainter->restore();
    return aDone;
}

QImage LMSVGComposition::toImage(const QSize& theSize, const LMClipartConfiguration& theConfiguration,
                                 const QColor& theSpotColor) const
{
    if (!isValid() || theSize.isEmpty() || theSize.width() > LMSVGImage::MaximumSide
        || theSize.height() > LMSVGImage::MaximumSide)
        return QImage();
    QImage anImage(theSize, QImage::Format_ARGB32_Premultiplied);
    if (anImage.isNull())
        return QImage();
    anImage.fill(Qt::transparent);
    QPainter aPainter(&anImage);
    aPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    render(&aPainter, QRectF(QPointF(0, 0), QSizeF(theSize)), theConfiguration, theSpotColor);
    aPainter.end();
    return anImage;
}

QColor LMSVGComposition::displayColor(const LMSpotColor& theSpotColor)
{
    switch (static_cast<LMSpotColorEnum>(theSpotColor.value())) {
    case LMSpotColorEnum::GoldFoil:
        return QColor(0xc8, 0xa9, 0x51);
    case LMSpotColorEnum::RoseFoil:
        return QColor(0xd9, 0x9a, 0x8f);
    case LMSpotColorEnum::SilverFoil:
    case LMSpotColorEnum::SilverInk:
        return QColor(0xc0, 0xc0, 0xc0);
    case LMSpotColorEnum::Varnish:
    case LMSpotColorEnum::DigitalEmbossing:
        return QColor(0xe8, 0xe8, 0xe8);
    default:
        return QColor();
    }
}

bool operator==(const LMSVGComposition& theA, const LMSVGComposition& theB)
{
    if (theA.myData == theB.myData)
        return true;
    return theA.myData && theB.myData && theA.myData->myFileName == theB.myData->myFileName;
}
