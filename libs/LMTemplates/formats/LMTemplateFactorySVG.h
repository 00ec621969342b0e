#pragma once

#include "LMTemplateFactory.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QRectF>

class LMAngle;
class LMSVGMetaData;
class QDomElement;

// Reads an SVG template file into one template per page: the groups of the drawing that the
// "lumo:" vocabulary marks become photo slots, texts, calendars, maps, artwork and backgrounds,
// in the document's stretched units (tenths of a millimetre at the default resolution). Multi-page
// designs read their further page files and are tied together as one bundle. The templates it
// builds belong to the caller.
class LMTEMPLATES_EXPORT LMTemplateFactorySVG : public LMTemplateFactory
{
public:
    // The words of the format.
    static const QString STR_ASSOCIATION;
    static const QString STR_ASSOCIATIONS;
    static const QString STR_LIST_SEPARATOR;
    // The namespace URI bound to the "lumo:" prefix.
    static const QString STR_NAMESPACE_URI;
    // Pages of more elements are refused before their DOM is built: a page's DOM and what the
    // reader derives from it cost some kilobytes per element, up to 80 times the file.
    static constexpr qsizetype ourMaximumElements = 100000;

    // theDocument is the parsed root file, handed over: the factory prepares it in place (the
    // template reader edits what it reads). A factory is used by one load job at a time.
    LMTemplateFactorySVG(const QDomDocument& theDocument, const QFileInfo& theRootFile);
    ~LMTemplateFactorySVG() override;

    // The templates of the file, one per page, handed to the bundle registry; empty when the file
    // is a duplicate or made for other key accounts.
    LMUnconfiguredTemplateList buildTemplates() const;

    const QFileInfo& rootFile() const { return myRootFile; }
    const QDomDocument& domDocument() const { return myDocument; }
    QDomElement rootElement() const;

    // The prepared document of a page file: the root's own the first time it is asked for (later
    // the root file is read again, since the first reader has edited it), or the file loaded and
    // checked; a null document (with a warning and an error report) when it cannot be read.
    QDomDocument fetchDocument(const QFileInfo& theFile) const;

    // Whether a text is the placeholder the designers leave in text slots ("Ihr Text", written
    // with any blanks or punctuation between the letters and in any letter case).
    static bool isPlaceholderText(const QString& theText);
    // Degrees truncated to whole degrees and brought into 0..359.
    static int wholeDegrees(double theDegrees);
    // The rectangle of an element in stretched document units, centred where the element's
    // composed transform puts it, and its rotation in whole degrees.
    static QRectF readRotatedRectStretched(const QDomElement& theElement, double theStretchFactor, int* theDegrees);

private:
    QDomDocument myDocument;
    QFileInfo myRootFile;
    mutable bool myRootDocumentTaken = false;
};
