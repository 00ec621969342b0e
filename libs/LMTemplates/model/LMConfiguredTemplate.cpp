#include "LMConfiguredTemplate.h"

#include "LMMediaLoaderAbstract.h"
#include "LMTemplate.h"
#include "LMTemplateBundleRegistry.h"

#include <QDebug>
#include <QDomElement>
#include <QImage>

namespace {
const QString STR_TEMPLATE = QStringLiteral("template");

// The first of the files that can be read, fitted into a square of that side.
QImage firstPicture(std::initializer_list<QString> theFiles, int theMaxEdge)
{
    for (const QString& aFile : theFiles) {
        if (!LMMediaLoaderAbstract::isValidMedia(aFile))
            continue;
        const QImage anImage = LMMediaLoaderAbstract::bitmap(aFile, QSize(theMaxEdge, theMaxEdge));
        if (!anImage.isNull())
            return anImage;
    }
    return QImage();
}
} // namespace

LMConfiguredTemplate::LMConfiguredTemplate(const LMUnconfiguredTemplate& theTemplate,
                                           const LMTemplateConfiguration& theConfiguration)
    : myTemplate(theTemplate), myConfiguration(theConfiguration)
{
    if (myConfiguration.isDefault())
        myConfiguration.setSpotColorEnabled(myTemplate->hasSpotColor());
}

LMConfiguredTemplate::~LMConfiguredTemplate() = default;

bool LMConfiguredTemplate::setConfiguration(const LMTemplateConfiguration& theConfiguration)
{
    if (myConfiguration == theConfiguration)
        return false;
    myConfiguration = theConfiguration;
    return true;
}

LMConfiguredTemplate LMConfiguredTemplate::clone(const LMMirrorRule& theMirrorRule) const
{
    LMConfiguredTemplate aClone;
    aClone.myTemplate = myTemplate.clone(theMirrorRule);
    aClone.myConfiguration = myConfiguration;
    return aClone;
}

void LMConfiguredTemplate::toMcf(QDomElement& theElement) const
{
    theElement.setAttribute(STR_TEMPLATE, myTemplate.uniqueName());
    myConfiguration.toMCF(theElement);
}

LMConfiguredTemplate LMConfiguredTemplate::nextBundleTemplate() const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(myTemplate);
    return LMConfiguredTemplate(aBundle.nextTemplate(myTemplate), myConfiguration);
}

LMConfiguredTemplate LMConfiguredTemplate::previousBundleTemplate() const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(myTemplate);
    return LMConfiguredTemplate(aBundle.previousTemplate(myTemplate), myConfiguration);
}

LMConfiguredTemplate LMConfiguredTemplate::firstBundleTemplate() const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(myTemplate);
    return LMConfiguredTemplate(aBundle.firstTemplate(), myConfiguration);
}

int LMConfiguredTemplate::countNeededBundlePages() const
{
    return LMTemplateBundleRegistry::instance()->find(myTemplate).countNeededPages();
}

bool LMConfiguredTemplate::inSameBundle(const LMConfiguredTemplate& theOther) const
{
    return LMTemplateBundleRegistry::instance()->find(myTemplate).contains(theOther.myTemplate);
}

QString LMConfiguredTemplate::toolTip() const
{
    return myTemplate->toolTip() + QLatin1Char(' ') + myConfiguration.toolTip();
}

QDebug operator<<(QDebug theDebug, const LMConfiguredTemplate& theTemplate)
{
    QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMConfiguredTemplate(" << theTemplate.name() << ", "
                       << theTemplate.configuration().serialize() << ')';
    return theDebug;
}

QImage LMConfiguredTemplate::largeImage(int theMaxEdge) const
{
    if (!isValid())
        return QImage();
    const LMTemplateFileInfo& aFiles = myTemplate->fileInfo();
    return myTemplate->multiColorConfig().colorize(
        firstPicture({ aFiles.imagePath().filePath(), aFiles.thumbnailPath().filePath() }, theMaxEdge));
}

QImage LMConfiguredTemplate::largeImagePreview(bool theFullCover, int theMaxEdge) const
{
    if (!isValid())
        return QImage();
    const LMTemplateFileInfo& aFiles = myTemplate->fileInfo();
    const QString anImage = aFiles.imagePath().filePath();
    const QString aPreview = aFiles.previewFilePath();
    const QString aThumbnail = aFiles.thumbnailPath().filePath();
    return myTemplate->multiColorConfig().colorize(theFullCover
                                                       ? firstPicture({ anImage, aPreview, aThumbnail }, theMaxEdge)
                                                       : firstPicture({ aPreview, anImage, aThumbnail }, theMaxEdge));
}
