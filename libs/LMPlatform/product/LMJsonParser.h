#pragma once

#include "LMPlatformExport.h"

#include <QFileInfo>
#include <QJsonDocument>

// Reads JSON files of the content tree.
class LMPLATFORM_EXPORT LMJsonParser
{
public:
    // The document of the file; a null document, and one warning naming the file, when the file
    // cannot be read or holds no well-formed JSON.
    static QJsonDocument loadDocument(const QFileInfo& theFile);
};
