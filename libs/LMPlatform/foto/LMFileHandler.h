#pragma once

#include "LMPlatformExport.h"

#include <QString>

// File name helpers shared by the readers of the content tree.
class LMPLATFORM_EXPORT LMFileHandler
{
public:
    // The reference by which a content file is named independently of where the content tree is
    // installed: an absolute path inside the content tree becomes relative to its root
    // ("designs/a/b.svg"), any other absolute path stays absolute; a relative path already is a
    // reference and is only cleaned. An empty path stays empty.
    static QString makeRelativeResourceReference(const QString& thePath);
};
