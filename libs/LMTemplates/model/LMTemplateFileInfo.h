#pragma once

#include "LMCalendariumFlow.h"
#include "LMPriceClass.h"
#include "LMTemplatesExport.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>

class LMTemplate;

// What a template's source file is: not known yet, an XML template file, or an SVG template file.
enum class LMTemplateFileInfoType : qint32 { NotSet = 0, XML = 1, SVG = 2 };

// The files that belong to one template (its source, thumbnail, preview, image, production PDF and
// spot-colour files) and the paths derived from them. Setters of names that go into the
// template's unique name tell the parent template to compute it anew.
// The names are implicitly shared: a mirrored copy and the layouts of one block keep one set of
// them (most names stay empty, and a template kept for every layout of a collection should not
// carry a dozen empty strings of its own). A setter that changes nothing does not detach.
class LMTEMPLATES_EXPORT LMTemplateFileInfo
{
public:
    LMTemplateFileInfo();
    LMTemplateFileInfo(const LMTemplateFileInfo& theOther);
    LMTemplateFileInfo(LMTemplateFileInfo&& theOther) noexcept;
    LMTemplateFileInfo& operator=(const LMTemplateFileInfo& theOther);
    LMTemplateFileInfo& operator=(LMTemplateFileInfo&& theOther) noexcept;
    ~LMTemplateFileInfo();

    LMTemplate* parentTemplate() const { return myParentTemplate; }
    void setParentTemplate(LMTemplate* theTemplate);

    LMTemplateFileInfoType fileType() const { return d->myFileType; }
    void setFileType(LMTemplateFileInfoType theType);
    // The folder (XML templates) or file (SVG templates) of the source.
    const QString& filePath() const { return d->myFilePath; }
    void setFilePath(const QString& thePath);
    const QString& thumbnailFile() const { return d->myThumbnailFile; }
    // Also marks the thumbnail as not absolute.
    void setThumbnailFile(const QString& theFile);
    bool thumbnailIsAbsolute() const { return d->myThumbnailIsAbsolute; }
    void setThumbnailIsAbsolute(bool theAbsolute);
    const QString& previewFile() const { return d->myPreviewFile; }
    void setPreviewFile(const QString& theFile);
    // The preview file as a path: an absolute one as it is, a relative one taken from the home
    // directory (SVG templates) or the template's folder (XML templates); empty without one.
    QString previewFilePath() const;
    const QString& imageFile() const { return d->myImageFile; }
    void setImageFile(const QString& theFile);
    const QString& imagePathPrefix() const { return d->myImagePathPrefix; }
    void setImagePathPrefix(const QString& thePrefix);
    const QString& pdfFile() const { return d->myPdfFile; }
    void setPDFFile(const QString& theFile);
    const QString& spotColorFile() const { return d->mySpotColorFile; }
    void setSpotColorFile(const QString& theFile);
    const QString& spotColorFileForProduction() const { return d->mySpotColorFileForProduction; }
    void setSpotColorFileForProduction(const QString& theFile);
    const LMPriceClass& priceClass() const { return d->myPriceClass; }
    void setPriceClass(const LMPriceClass& thePriceClass);
    const LMPriceClass& spotColorPriceClass() const { return d->mySpotColorPriceClass; }
    void setSpotColorPriceClass(const LMPriceClass& thePriceClass);
    // A file that only this template uses (the page file of an SVG design).
    // (Kept as a path: a QFileInfo, even an empty one, costs every template half a kilobyte.)
    QFileInfo exclusiveSourceFile() const
    {
        return d->myExclusiveSourceFile.isEmpty() ? QFileInfo() : QFileInfo(d->myExclusiveSourceFile);
    }
    void setExclusiveSourceFile(const QFileInfo& theFile);
    const LMCalendariumFlow& calendariumFlow() const { return d->myCalendariumFlow; }
    void setCalendariumFlow(const LMCalendariumFlow& theFlow);

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

    // Whether both keep one set of names (a copy does, until either changes one).
    bool sharesNamesWith(const LMTemplateFileInfo& theOther) const { return d == theOther.d; }

private:
    class Names;
    void invalidateUniqueName() const;
    // Sets the field unless it holds the value already; theRenames: the value is part of the
    // template's unique name.
    template <typename Value>
    void set(Value Names::*theField, const Value& theValue, bool theRenames);

    class Names : public QSharedData
    {
    public:
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

    LMTemplate* myParentTemplate = nullptr;
    QSharedDataPointer<Names> d;
};
