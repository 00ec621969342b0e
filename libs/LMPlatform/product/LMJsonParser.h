#pragma once

#include "LMPlatformExport.h"

#include <QFileInfo>
#include <QJsonDocument>

// Reads JSON files of the content tree.
class LMPLATFORM_EXPORT LMJsonParser
{
public:
    // The largest JSON file read: a catalogue of thousands of products is a few megabytes, a
    // sidecar a few kilobytes.
    static constexpr qint64 ourMaximumSize = 16 * 1024 * 1024;

    // The document of the file; a null document, and one warning naming the file, when the file
    // cannot be read, is no regular file, is larger than ourMaximumSize or holds no well-formed JSON.
    static QJsonDocument loadDocument(const QFileInfo& theFile);
};
