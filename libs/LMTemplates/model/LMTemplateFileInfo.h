#pragma once

#include "LMCalendariumFlow.h"
#include "LMPriceClass.h"
#include "LMTemplatesExport.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

class LMTemplate;

// What a template's source file is: not known yet, an XML template file, or an SVG template file.
enum class LMTemplateFileInfoType : qint32 { NotSet = 0, XML = 1, SVG = 2 };

// The files that belong to one template (its source, thumbnail, preview, image, production PDF and
// spot-colour files) and the paths derived from them. Setters of names that go into the
// template's unique name tell the parent template to compute it anew.
class LMTEMPLATES_EXPORT LMTemplateFileInfo
{
public:
    LMTemplateFileInfo() = default;

    LMTemplate* parentTemplate() const { return myParentTemplate; }
    void setParentTemplate(LMTemplate* theTemplate);

    LMTemplateFileInfoType fileType() const { return myFileType; }
    void setFileType(LMTemplateFileInfoType theType);
    // The folder (XML templates) or file (SVG templates) of the source.
    const QString& filePath() const { return myFilePath; }
    void setFilePath(const QString& thePath);
    const QString& thumbnailFile() const { return myThumbnailFile; }
    // Also marks the thumbnail as not absolute.
    void setThumbnailFile(const QString& theFile);
    bool thumbnailIsAbsolute() const { return myThumbnailIsAbsolute; }
    void setThumbnailIsAbsolute(bool theAbsolute) { myThumbnailIsAbsolute = theAbsolute; }
    const QString& previewFile() const { return myPreviewFile; }
    void setPreviewFile(const QString& theFile) { myPreviewFile = theFile; }
    // The preview file as a path: an absolute one as it is, a relative one taken from the home
    // directory (SVG templates) or the template's folder (XML templates); empty without one.
    QString previewFilePath() const;
    const QString& imageFile() const { return myImageFile; }
    void setImageFile(const QString& theFile);
    const QString& imagePathPrefix() const { return myImagePathPrefix; }
    void setImagePathPrefix(const QString& thePrefix);
    const QString& pdfFile() const { return myPdfFile; }
    void setPDFFile(const QString& theFile);
    const QString& spotColorFile() const { return mySpotColorFile; }
    void setSpotColorFile(const QString& theFile) { mySpotColorFile = theFile; }
    const QString& spotColorFileForProduction() const { return mySpotColorFileForProduction; }
    void setSpotColorFileForProduction(const QString& theFile) { mySpotColorFileForProduction = theFile; }
    const LMPriceClass& priceClass() const { return myPriceClass; }
    void setPriceClass(const LMPriceClass& thePriceClass);
    const LMPriceClass& spotColorPriceClass() const { return mySpotColorPriceClass; }
    void setSpotColorPriceClass(const LMPriceClass& thePriceClass);
    // A file that only this template uses (the page file of an SVG design).
    // (Kept as a path: a QFileInfo, even an empty one, costs every template half a kilobyte.)
    QFileInfo exclusiveSourceFile() const
    {
        return myExclusiveSourceFile.isEmpty() ? QFileInfo() : QFileInfo(myExclusiveSourceFile);
    }
    void setExclusiveSourceFile(const QFileInfo& theFile) { myExclusiveSourceFile = theFile.filePath(); }
    const LMCalendariumFlow& calendariumFlow() const { return myCalendariumFlow; }
    void setCalendariumFlow(const LMCalendariumFlow& theFlow) { myCalendariumFlow = theFlow; }

    // The part of the file path before its last "/categories/"; the whole path without one.
    QDir homeDirectory() const;
    // The thumbnail in the source folder, or in its parent folder when it is not in the first.
    QFileInfo backgroundThumbnailFilePath() const;
    QFileInfo thumbnailPath() const;
    QFileInfo imagePath() const;
    // The spot-colour file, made absolute against the source folder when it is relative.
    QString spotColorFilePath() const;
    // The file path from its last "categories" folder on, ending with "/"; empty when the path has
    // no "categories" folder.
    QString relativeFilePathFromCategories() const;
    // "$CONTENT/<price class>/[<image path prefix>/]<file>" of the production PDF (the spot-colour
    // one with theSpotColor); empty when there is no such file.
    QString productionPDFPath(bool theSpotColor = false) const;
    // The image file and the PDF file, where set, as relative resource references.
    QStringList uniqueNamePart() const;
    // The exclusive source file, the image path and the thumbnail path.
    QList<QFileInfo> associatedFiles() const;

private:
    void invalidateUniqueName() const;

    LMTemplate* myParentTemplate = nullptr;
    LMTemplateFileInfoType myFileType = LMTemplateFileInfoType::NotSet;
    QString myFilePath;
    QString myThumbnailFile;
    QString myPreviewFile;
    QString myImageFile;
    QString myImagePathPrefix;
    QString myPdfFile;
    QString mySpotColorFile;
    QString mySpotColorFileForProduction;
    bool myThumbnailIsAbsolute = false;
    LMPriceClass myPriceClass;
    LMPriceClass mySpotColorPriceClass;
    QString myExclusiveSourceFile;
    LMCalendariumFlow myCalendariumFlow;
};
