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

    // The canonical absolute path of the existing file that a reference inside a content file
    // names, relative to the folder of that file or absolute; empty, with one warning naming the
    // reference, when the reference is refused: URLs ("file://", "http:", any other scheme),
    // resource paths (":/..."), paths that lead out of the content tree (absolute, through "..",
    // or through a symbolic link), and names of missing files or of folders. A trailing
    // "#fragment" is not part of the file name. The reference is taken literally (no percent
    // decoding). "data:" URIs, "#fragment" references and empty references name no file: they
    // give an empty string without a warning. An empty base folder stands for the content root.
    // With MissingFile::Accepted, a missing file that would lie inside the content tree gives its
    // clean absolute path without a warning: for callers whose own report of a missing file is due.
    enum class MissingFile { Refused, Accepted };
    static QString resolveContentReference(const QString& theBaseFolder, const QString& theReference,
                                           MissingFile theMissingFile = MissingFile::Refused);
};
