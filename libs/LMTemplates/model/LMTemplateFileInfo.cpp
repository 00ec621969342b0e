#include "LMTemplateFileInfo.h"

#include "LMFileHandler.h"
#include "LMSharedEmpty.h"
#include "LMTemplate.h"

namespace {
const QString STR_CATEGORIES_FOLDER = QStringLiteral("/categories/");
const QString STR_CATEGORIES = QStringLiteral("categories");
const QString STR_CONTENT = QStringLiteral("$CONTENT");
} // namespace

LMTemplateFileInfo::LMTemplateFileInfo() : d(lmSharedEmpty<Names>()) {}
LMTemplateFileInfo::LMTemplateFileInfo(const LMTemplateFileInfo& theOther) = default;
LMTemplateFileInfo::LMTemplateFileInfo(LMTemplateFileInfo&& theOther) noexcept = default;
LMTemplateFileInfo& LMTemplateFileInfo::operator=(const LMTemplateFileInfo& theOther) = default;
LMTemplateFileInfo& LMTemplateFileInfo::operator=(LMTemplateFileInfo&& theOther) noexcept = default;
LMTemplateFileInfo::~LMTemplateFileInfo() = default;

void LMTemplateFileInfo::invalidateUniqueName() const
{
    if (myParentTemplate)
        myParentTemplate->invalidateUniqueName();
}

template <typename Value>
void LMTemplateFileInfo::set(Value Names::*theField, const Value& theValue, bool theRenames)
{
    if (d.constData()->*theField == theValue)
        return;
    d->*theField = theValue;
    if (theRenames)
        invalidateUniqueName();
}

void LMTemplateFileInfo::setParentTemplate(LMTemplate* theTemplate)
{
    myParentTemplate = theTemplate;
    invalidateUniqueName();
}

void LMTemplateFileInfo::setFileType(LMTemplateFileInfoType theType)
{
    set(&Names::myFileType, theType, true);
}

void LMTemplateFileInfo::setFilePath(const QString& thePath)
{
    set(&Names::myFilePath, thePath, true);
}

void LMTemplateFileInfo::setThumbnailFile(const QString& theFile)
{
    set(&Names::myThumbnailFile, theFile, true);
    set(&Names::myThumbnailIsAbsolute, false, false);
}

void LMTemplateFileInfo::setThumbnailIsAbsolute(bool theAbsolute)
{
    set(&Names::myThumbnailIsAbsolute, theAbsolute, false);
}

void LMTemplateFileInfo::setPreviewFile(const QString& theFile)
{
    set(&Names::myPreviewFile, theFile, false);
}

void LMTemplateFileInfo::setImageFile(const QString& theFile)
{
    set(&Names::myImageFile, theFile, true);
}

void LMTemplateFileInfo::setImagePathPrefix(const QString& thePrefix)
{
    set(&Names::myImagePathPrefix, thePrefix, true);
}

void LMTemplateFileInfo::setPDFFile(const QString& theFile)
{
    set(&Names::myPdfFile, theFile, true);
}

void LMTemplateFileInfo::setSpotColorFile(const QString& theFile)
{
    set(&Names::mySpotColorFile, theFile, false);
}

void LMTemplateFileInfo::setSpotColorFileForProduction(const QString& theFile)
{
    set(&Names::mySpotColorFileForProduction, theFile, false);
}

void LMTemplateFileInfo::setPriceClass(const LMPriceClass& thePriceClass)
{
    set(&Names::myPriceClass, thePriceClass, true);
}

void LMTemplateFileInfo::setSpotColorPriceClass(const LMPriceClass& thePriceClass)
{
    set(&Names::mySpotColorPriceClass, thePriceClass, true);
}

void LMTemplateFileInfo::setExclusiveSourceFile(const QFileInfo& theFile)
{
    set(&Names::myExclusiveSourceFile, theFile.filePath(), false);
}

void LMTemplateFileInfo::setCalendariumFlow(const LMCalendariumFlow& theFlow)
{
    set(&Names::myCalendariumFlow, theFlow, false);
}

QDir LMTemplateFileInfo::homeDirectory() const
{
    const qsizetype anIndex = d->myFilePath.lastIndexOf(STR_CATEGORIES_FOLDER);
    return QDir(anIndex < 0 ? d->myFilePath : d->myFilePath.left(anIndex));
}

QFileInfo LMTemplateFileInfo::backgroundThumbnailFilePath() const
{
    const QFileInfo aFirst(d->myFilePath + QLatin1Char('/') + d->myThumbnailFile);
    if (aFirst.exists())
        return aFirst;
    QDir aParent(d->myFilePath);
    if (!aParent.cdUp())
        return aFirst;
    return QFileInfo(aParent.absolutePath() + QLatin1Char('/') + d->myThumbnailFile);
}

QFileInfo LMTemplateFileInfo::thumbnailPath() const
{
    switch (d->myFileType) {
    case LMTemplateFileInfoType::XML:
        return backgroundThumbnailFilePath();
    case LMTemplateFileInfoType::SVG:
        return d->myThumbnailIsAbsolute ? QFileInfo(d->myThumbnailFile) : QFileInfo(homeDirectory(), d->myThumbnailFile);
    case LMTemplateFileInfoType::NotSet:
        break;
    }
    return QFileInfo(d->myFilePath + QLatin1Char('/') + d->myThumbnailFile);
}

QFileInfo LMTemplateFileInfo::imagePath() const
{
    if (d->myFileType == LMTemplateFileInfoType::SVG)
        return QFileInfo(homeDirectory(), d->myImageFile);
    return backgroundThumbnailFilePath();
}

QString LMTemplateFileInfo::previewFilePath() const
{
    if (d->myPreviewFile.isEmpty() || QDir::isAbsolutePath(d->myPreviewFile))
        return d->myPreviewFile;
    const QDir aBase = d->myFileType == LMTemplateFileInfoType::SVG ? homeDirectory() : QDir(d->myFilePath);
    return aBase.absoluteFilePath(d->myPreviewFile);
}

QString LMTemplateFileInfo::spotColorFilePath() const
{
    if (d->mySpotColorFile.isEmpty() || QDir::isAbsolutePath(d->mySpotColorFile))
        return d->mySpotColorFile;
    return QDir(d->myFilePath + QLatin1Char('/')).absoluteFilePath(d->mySpotColorFile);
}

QString LMTemplateFileInfo::relativeFilePathFromCategories() const
{
    const qsizetype aLastSlash = d->myFilePath.lastIndexOf(QLatin1Char('/'));
    if (aLastSlash <= 0)
        return QString();
    const qsizetype aStart = d->myFilePath.lastIndexOf(STR_CATEGORIES, aLastSlash - 1);
    if (aStart < 0)
        return QString();
    QString aPath = d->myFilePath.mid(aStart);
    if (!aPath.endsWith(QLatin1Char('/')))
        aPath += QLatin1Char('/');
    return aPath;
}

QString LMTemplateFileInfo::productionPDFPath(bool theSpotColor) const
{
    const QString& aFile = theSpotColor ? d->mySpotColorFileForProduction : d->myPdfFile;
    const LMPriceClass& aClass = theSpotColor ? d->mySpotColorPriceClass : d->myPriceClass;
    if (aFile.isEmpty())
        return QString();
    if (d->myImagePathPrefix.isEmpty())
        return QStringLiteral("%1/%2/%3").arg(STR_CONTENT, aClass.toString(), aFile);
    return QStringLiteral("%1/%2/%3/%4").arg(STR_CONTENT, aClass.toString(), d->myImagePathPrefix, aFile);
}

QStringList LMTemplateFileInfo::uniqueNamePart() const
{
    QStringList aParts;
    if (!d->myImageFile.isEmpty())
        aParts.append(LMFileHandler::makeRelativeResourceReference(d->myImageFile));
    if (!d->myPdfFile.isEmpty())
        aParts.append(LMFileHandler::makeRelativeResourceReference(d->myPdfFile));
    return aParts;
}

QList<QFileInfo> LMTemplateFileInfo::associatedFiles() const
{
    return { exclusiveSourceFile(), imagePath(), thumbnailPath() };
}
