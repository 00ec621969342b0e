#pragma once

#include "LMTemplatesExport.h"
#include "LMTemplateSourceFile.h"

#include <QList>
#include <QSet>
#include <QStringList>

// An ordered list of template files, with the selections and orderings the file manager applies
// before handing files to the loader. Every operation returns a new list and leaves this one as
// it is.
class LMTEMPLATES_EXPORT LMTemplateSourceFileList : public QList<LMTemplateSourceFile>
{
public:
    LMTemplateSourceFileList() = default;
    LMTemplateSourceFileList(const QList<LMTemplateSourceFile>& theFiles);
    // One file per path, in the order of the paths.
    explicit LMTemplateSourceFileList(const QStringList& thePaths);
    LMTemplateSourceFileList(std::initializer_list<LMTemplateSourceFile> theFiles);
    LMTemplateSourceFileList(const LMTemplateSourceFileList&) = default;
    LMTemplateSourceFileList(LMTemplateSourceFileList&&) noexcept = default;
    LMTemplateSourceFileList& operator=(const LMTemplateSourceFileList&) = default;
    LMTemplateSourceFileList& operator=(LMTemplateSourceFileList&&) noexcept = default;
    virtual ~LMTemplateSourceFileList();

    QSet<LMTemplateSourceFile> asSet() const;
    QStringList fullNames() const;
    // Every file that is no SVG file, and the SVG files that are master files.
    LMTemplateSourceFileList masterSVGs() const;
    // The files below the preinstalled content directory.
    LMTemplateSourceFileList preInstalled() const;
    // Without "categories/backgrounds_default.xml": it holds the fallback backgrounds that the
    // library builds itself and must never load as templates.
    LMTemplateSourceFileList removeUnwantedFiles() const;
    // Of a preinstalled file and a file elsewhere (downloaded) with the same short name only the
    // newer stays; with equal times the one elsewhere. The others go to theDropped when given.
    // Files with a short name of their own always stay; the order is kept.
    LMTemplateSourceFileList removeDuplicateTemplates(LMTemplateSourceFileList* theDropped = nullptr) const;
    // The files that are no SVG files first, then the SVG files, each in list order: collections
    // define templates and series before the SVG pages that use them are read.
    LMTemplateSourceFileList sortXmlBeforeSvg() const;
    // Writes "load" and the full name of every file to the debug log.
    void dump() const;
};

Q_DECLARE_METATYPE(LMTemplateSourceFileList)
