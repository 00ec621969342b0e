#pragma once

#include "LMPlatformExport.h"

#include <QDir>
#include <QString>
#include <QStringList>

// File system services that behave the same on every platform the editor runs on.
class LMPLATFORM_EXPORT LMPlatformIndependent
{
public:
    LMPlatformIndependent() = delete;

    // Absolute paths of the files below theDir whose names match theNameFilter (wildcards "*" and
    // "?", several filters separated by ";", letter case ignored; empty matches every name), sorted.
    // With theRecursive, sub-folders down to theMaxDepth levels are searched (1 = theDir alone,
    // 0 = no limit). With theWithDirectories the folders found are listed too, whatever their name.
    // Symbolic links to folders are never followed, so a listing cannot leave the tree or loop.
    static QStringList getFilesInDirectory(const QDir& theDir, const QString& theNameFilter, bool theRecursive,
                                           bool theWithDirectories, int theMaxDepth);
};
