#include "LMBackgroundJobTemplateThumbnailDefault.h"

#include "LMMediaLoaderAbstract.h"
#include "LMTemplate.h"
#include "LMTemplateThumbnailCache.h"

#include <QFileInfo>
#include <QPainter>

LMBackgroundJobTemplateThumbnailDefault::LMBackgroundJobTemplateThumbnailDefault(
    const LMTemplateThumbnailContext& theContext)
    : LMBackgroundJobTemplateThumbnail(theContext)
{
}

LMBackgroundJobTemplateThumbnailDefault::~LMBackgroundJobTemplateThumbnailDefault() = default;

std::unique_ptr<LMBackgroundJob> LMBackgroundJobTemplateThumbnailDefault::clone() const
{
    return std::make_unique<LMBackgroundJobTemplateThumbnailDefault>(*this);
}

QImage LMBackgroundJobTemplateThumbnailDefault::createThumbnail() const
{
    if (!getTemplate().isValid())
        return QImage();
    const QSize aSize = LMTemplateThumbnailCache::instance()->thumbnailSize(key());
    QString aFile = getTemplate()->fileInfo().previewFilePath();
    if (!LMMediaLoaderAbstract::isValidMedia(aFile))
        aFile = getTemplate()->fileInfo().thumbnailPath().filePath();
    const QImage anImage = LMMediaLoaderAbstract::bitmap(aFile, aSize);
    // A colour variant of a multi-colour background shows the file in its colours.
    return anImage.isNull() ? paintNotFoundWarning(aSize, aFile) : getTemplate()->multiColorConfig().colorize(anImage);
}

QImage LMBackgroundJobTemplateThumbnailDefault::paintNotFoundWarning(const QSize& theSize, const QString& theFile)
{
    if (theSize.isEmpty())
        return QImage();
    QImage anImage(theSize, QImage::Format_ARGB32_Premultiplied);
    anImage.fill(Qt::white);
    QPainter aPainter(&anImage);
    aPainter.setRenderHint(QPainter::TextAntialiasing);
    aPainter.setPen(Qt::black);
    QFont aFont = aPainter.font();
    aFont.setPixelSize(std::max(6, theSize.height() / 12));
    aPainter.setFont(aFont);
    aPainter.drawText(QRect(QPoint(0, 0), theSize).adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWrapAnywhere,
                      QFileInfo(theFile).fileName());
    return anImage;
}
