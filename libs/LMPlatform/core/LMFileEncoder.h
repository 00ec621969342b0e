#pragma once

#include "LMPlatformExport.h"

#include <QString>

// Turns a path into a single file name that every file system accepts, and back: user
// decorations keep copies of their pictures under the encoded path of the original.
class LMPLATFORM_EXPORT LMFileEncoder
{
public:
    // Letters, digits, "-" and "." stay; every other byte of the UTF-8 text becomes "_" and two
    // hex digits. Reversible because "_" itself is always encoded.
    static QString encodedFilenameCLP(const QString& thePath);
    static QString decodedFilenameCLP(const QString& theEncoded);
};
