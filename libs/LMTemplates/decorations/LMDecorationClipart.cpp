#include "LMDecorationClipart.h"
#include "LMXMLElement.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomElement>

namespace {
const QString STR_FILE = QStringLiteral("file");
} // namespace

LMDecorationClipart::LMDecorationClipart(const QDomElement& theElement, const QDir& theDirectory)
    : LMAbstractDecoration(LMJigTypeEnum::Clipart, QFileInfo(theDirectory, theElement.attribute(STR_FILE)), theElement),
      myConfiguration(LMClipartConfiguration::fromXml(theElement))
{
}

LMDecorationClipart::~LMDecorationClipart() = default;

QString LMDecorationClipart::basicDragAndDropHint() const
{
    return QCoreApplication::translate("LMDecorationClipart",
                                       "Ziehen Sie dieses Clipart mit der Maus an die gewünschte Stelle.");
}

QString LMDecorationClipart::uniqueName() const
{
    return QStringLiteral("clipart_") + sourceFile();
}

bool LMDecorationClipart::iWatchThisComposition(const LMSVGComposition& theComposition) const
{
    return svgComposition() == theComposition;
}

QImage LMDecorationClipart::thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                                              const LMSpotColor& theSpotColor)
{
    LMClipartConfiguration aConfiguration = myConfiguration;
    aConfiguration.setMirrorRule(theMirrorRule);
    aConfiguration.setSpotColorEnabled(theSpotColor.isValid());
    QImage anImage = svgComposition().toImage(theSize, aConfiguration, LMSVGComposition::displayColor(theSpotColor));
    if (anImage.isNull() && !theSize.isEmpty()) {
        // An unreadable picture still gives an image of the size asked for.
        anImage = QImage(theSize, QImage::Format_ARGB32_Premultiplied);
        anImage.fill(Qt::transparent);
    }
    return anImage;
}
