#pragma once

#include "LMTemplatesExport.h"

#include <QByteArray>
#include <QString>

// The XML schema of style files, compiled into the library as the resource "style_v2.xsd" at the
// resource root. The library does not validate its own reading against it; it is there for tools
// that check style files with a schema validator.
class LMTEMPLATES_EXPORT LMDesignStyleSchema
{
public:
    // ":/style_v2.xsd".
    static QString resourcePath();
    // The schema's text; empty when the resource is missing.
    static QByteArray content();
    // Writes the schema to the file (atomically), for validators that read files.
    static bool writeTo(const QString& thePath);
};
