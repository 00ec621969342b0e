#pragma once

#include "LMPlatformExport.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QString>

#include <functional>

// Makes an SVG template document safe and self-contained before the template reader and the
// renderer see it: no scripts or foreign content, no file references that leave the content
// tree, and the design logo placeholder pointed at the current logo.
class LMPLATFORM_EXPORT LMSVGNormalizer
{
public:
    // The image reference that stands for the design logo of the installed content.
    static const QString& designLogoPlaceholder();

    // A prepared deep copy of the document; the given document stays as it is. The file is the
    // one the document was read from (its folder resolves relative references; an empty file
    // stands for the content root). An empty logo removes the placeholder references. A null
    // document stays null.
    static QDomDocument prepareDomDocument(const QDomDocument& theDocument, const QFileInfo& theFile,
                                           const QString& theDesignLogo);
    // The same preparation done on the document itself, for a reader that owns its document:
    // no copy is made. Every handle sharing the document sees the prepared one.
    static void prepareDomDocumentInPlace(QDomDocument& theDocument, const QFileInfo& theFile,
                                          const QString& theDesignLogo);
    // The same, asking for the logo only when the document has a placeholder (finding the logo
    // looks at the content tree).
    static void prepareDomDocumentInPlace(QDomDocument& theDocument, const QFileInfo& theFile,
                                          const std::function<QString()>& theDesignLogo);
};
