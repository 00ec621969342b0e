#include "LMTemplateFileInfo.h"

#include "LMFileHandler.h"
#include "LMTemplate.h"

namespace {
const QString STR_CATEGORIES_FOLDER = QStringLiteral("/categories/");
const QString STR_CATEGORIES = QStringLiteral("categories");
const QString STR_CONTENT = QStringLiteral("$CONTENT");
} // namespace

void LMTemplateFileInfo::invalidateUniqueName() const
{
    if (myParentTemplate)
        myParentTemplate->invalidateUniqueName();
}

void LMTemplateFileInfo::setParentTemplate(LMTemplate* theTemplate)
{
    myParentTemplate = theTemplate;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setFileType(LMTemplateFileInfoType theType)
{
    myFileType = theType;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setFilePath(const QString& thePath)
{
    myFilePath = thePath;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setThumbnailFile(const QString& theFile)
{
    myThumbnailFile = theFile;
    myThumbnailIsAbsolute = false;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setImageFile(const QString& theFile)
{
    myImageFile = theFile;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setImagePathPrefix(const QString& thePrefix)
{
    myImagePathPrefix = thePrefix;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setPDFFile(const QString& theFile)
{
    myPdfFile = theFile;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setPriceClass(const LMPriceClass& thePriceClass)
{
    myPriceClass = thePriceClass;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setSpotColorPriceClass(const LMPriceClass& thePriceClass)
{
    mySpotColorPriceClass = thePriceClass;
    invalidateUniqueName();
}

QDir LMTemplateFileInfo::homeDirectory() const
{
    const qsizetype anIndex = myFilePath.lastIndexOf(STR_CATEGORIES_FOLDER);
    return QDir(anIndex < 0 ? myFilePath : myFilePath.left(anIndex));
}

QFileInfo LMTemplateFileInfo::backgroundThumbnailFilePath() const
{
    const QFileInfo aFirst(myFilePath + QLatin1Char('/') + myThumbnailFile);
    if (aFirst.exists())
        return aFirst;
    QDir aParent(myFilePath);
    if (!aParent.cdUp())
        return aFirst;
    return QFileInfo(aParent.absolutePath() + QLatin1Char('/') + myThumbnailFile);
}

QFileInfo LMTemplateFileInfo::thumbnailPath() const
{
    switch (myFileType) {
    case LMTemplateFileInfoType::XML:
        return backgroundThumbnailFilePath();
    case LMTemplateFileInfoType::SVG:
        return myThumbnailIsAbsolute ? QFileInfo(myThumbnailFile) : QFileInfo(homeDirectory(), myThumbnailFile);
    case LMTemplateFileInfoType::NotSet:
        break;
    }
    return QFileInfo(myFilePath + QLatin1Char('/') + myThumbnailFile);
}

QFileInfo LMTemplateFileInfo::imagePath() const
{
    if (myFileType == LMTemplateFileInfoType::SVG)
        return QFileInfo(homeDirectory(), myImageFile);
    return backgroundThumbnailFilePath();
}

QString LMTemplateFileInfo::previewFilePath() const
{
    if (myPreviewFile.isEmpty() || QDir::isAbsolutePath(myPreviewFile))
        return myPreviewFile;
    const QDir aBase = myFileType == LMTemplateFileInfoType::SVG ? homeDirectory() : QDir(myFilePath);
    return aBase.absoluteFilePath(myPreviewFile);
}

QString LMTemplateFileInfo::spotColorFilePath() const
{
    if (mySpotColorFile.isEmpty() || QDir::isAbsolutePath(mySpotColorFile))
        return mySpotColorFile;
    return QDir(myFilePath + QLatin1Char('/')).absoluteFilePath(mySpotColorFile);
}

QString LMTemplateFileInfo::relativeFilePathFromCategories() const
{
    const qsizetype aLastSlash = myFilePath.lastIndexOf(QLatin1Char('/'));
    if (aLastSlash <= 0)
        return QString();
    const qsizetype aStart = myFilePath.lastIndexOf(STR_CATEGORIES, aLastSlash - 1);
    if (aStart < 0)
        return QString();
    QString aPath = myFilePath.mid(aStart);
    if (!aPath.endsWith(QLatin1Char('/')))
        aPath += QLatin1Char('/');
    return aPath;
}

QString LMTemplateFileInfo::productionPDFPath(bool theSpotColor) const
{
    const QString& aFile = theSpotColor ? mySpotColorFileForProduction : myPdfFile;
    const LMPriceClass& aClass = theSpotColor ? mySpotColorPriceClass : myPriceClass;
    if (aFile.isEmpty())
        return QString();
    if (myImagePathPrefix.isEmpty())
        return QStringLiteral("%1/%2/%3").arg(STR_CONTENT, aClass.toString(), aFile);
    return QStringLiteral("%1/%2/%3/%4").arg(STR_CONTENT, aClass.toString(), myImagePathPrefix, aFile);
}

QStringList LMTemplateFileInfo::uniqueNamePart() const
{
    QStringList aParts;
    if (!myImageFile.isEmpty())
        aParts.append(LMFileHandler::makeRelativeResourceReference(myImageFile));
    if (!myPdfFile.isEmpty())
        aParts.append(LMFileHandler::makeRelativeResourceReference(myPdfFile));
    return aParts;
}

QList<QFileInfo> LMTemplateFileInfo::associatedFiles() const
{
    return { exclusiveSourceFile(), imagePath(), thumbnailPath() };
}
