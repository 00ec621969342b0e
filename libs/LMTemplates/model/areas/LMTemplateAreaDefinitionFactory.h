#pragma once

#include "LMTemplatesExport.h"

#include <QSizeF>
#include <QString>

#include <memory>

class LMTemplateAreaDefinition;
class LMXMLElement;

// Makes the area an XML element describes, chosen by the element's tag (the lower-cased word of
// its area type), with its positioning constraint ("align", anywhere when missing) and
// association id.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFactory
{
public:
    // Null for the tags that name no area ("total", "description", "priceclass", "pdfname",
    // "filename", "#comment", "fotozone"; silently) and for unknown tags (with the warning
    // "Unbekannter Knotentyp: " and the tag). Photo file names are taken relative to the base path.
    static std::unique_ptr<LMTemplateAreaDefinition> create(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                                            const QString& theBasePath = QString());
};
