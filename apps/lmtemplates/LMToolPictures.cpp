#include "LMToolPictures.h"

#include "LMArticle.h"
#include "LMBackgroundJobManager.h"
#include "LMBackgroundPreviewRenderer.h"
#include "LMConfiguredTemplate.h"
#include "LMFoto.h"
#include "LMFotoAccess.h"
#include "LMPageType.h"
#include "LMTemplateContext.h"
#include "LMTemplateThumbnailCache.h"
#include "LMTemplateThumbnailContext.h"
#include "LMToolCommand.h"
#include "LMUnconfiguredTemplate.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

QList<QImage> LMToolPictures::thumbnails(const QList<LMUnconfiguredTemplate>& theTemplates, const LMArticle& theArticle,
                                         const LMPageType& thePageType, int theSide, const QString& thePhoto)
{
    LMTemplateThumbnailCache* aCache = LMTemplateThumbnailCache::instance();
    const LMTemplateContext aContext(theArticle, thePageType);
    QList<LMTemplateThumbnailContext> aKeys;
    aKeys.reserve(theTemplates.size());
    for (const LMUnconfiguredTemplate& aTemplate : theTemplates) {
        aKeys.append(LMTemplateThumbnailContext(QSize(theSide, theSide), aContext, LMConfiguredTemplate(aTemplate),
                                                LMCalendariumPreviewParameters(), thePhoto, Qt::white));
        aCache->thumbnail(aKeys.constLast(), LMBackgroundJobPriority::Normal);
    }
    LMBackgroundJobManager::instance()->waitForIdle();
    QList<QImage> anImages;
    anImages.reserve(aKeys.size());
    for (const LMTemplateThumbnailContext& aKey : std::as_const(aKeys)) {
        const LMBackgroundJobPriority aPriority
            = aCache->contains(aKey) ? LMBackgroundJobPriority::Normal : LMBackgroundJobPriority::Immediate;
        anImages.append(aCache->thumbnail(aKey, aPriority));
    }
    return anImages;
}

bool LMToolPictures::resolvePhoto(const QString& theOption, QString& thePath)
{
    thePath.clear();
    if (theOption.isEmpty())
        return true;
    thePath = QDir::current().absoluteFilePath(theOption);
    if (QFileInfo(thePath).isFile() && LMFotoAccess(LMFoto::fromString(thePath)).isValid())
        return true;
    LMToolCommand::printError(QStringLiteral("cannot read the photo %1").arg(QDir::toNativeSeparators(theOption)));
    return false;
}

bool LMToolPictures::writePng(const QImage& theImage, const QString& theFile)
{
    QByteArray aPng;
    QBuffer aBuffer(&aPng);
    aBuffer.open(QIODevice::WriteOnly);
    QSaveFile aFile(theFile);
    return !theImage.isNull() && theImage.save(&aBuffer, "PNG") && aFile.open(QIODevice::WriteOnly)
        && aFile.write(aPng) == aPng.size() && aFile.commit();
}

QString LMToolPictures::fileNameFor(const QString& theTemplateName)
{
    QString aName = theTemplateName;
    for (QChar& aChar : aName) {
        if (!aChar.isLetterOrNumber() && aChar != QLatin1Char('-') && aChar != QLatin1Char('.'))
            aChar = QLatin1Char('_');
    }
    return aName;
}

QImage LMToolPictures::onBackground(const QImage& thePicture, const LMConfiguredTemplate& theBackground,
                                    const LMTemplateContext& theContext)
{
    const LMTemplateThumbnailContext aKey(thePicture.size(), theContext, theBackground);
    QImage aBackground = LMBackgroundPreviewRenderer(aKey).render();
    if (aBackground.isNull())
        return thePicture;
    aBackground = aBackground.scaled(thePicture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter aPainter(&aBackground);
    aPainter.drawImage(0, 0, thePicture);
    return aBackground;
}
