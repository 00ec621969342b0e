#pragma once

#include "LMTemplatesExport.h"

#include <QDomDocument>
#include <QSizeF>

class LMTemplateList;

// Writes layouts as a version-2 layout collection that LMTemplateFactoryXML2 reads back.
class LMTEMPLATES_EXPORT LMTemplateWriter
{
public:
    // A "templates2" document with one "template" element for each layout or SVG template of the
    // list (other kinds are left out); the areas are written for a page of the given size.
    static QDomDocument buildXML2FromTemplates(const LMTemplateList& theTemplates, const QSizeF& thePageSize);
};
