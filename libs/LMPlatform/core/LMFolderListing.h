#pragma once

#include "LMPlatformExport.h"

#include <QString>
#include <QStringList>

// The files of a content folder with a given suffix, listed once and kept while the folder is
// unchanged: template readers ask for the smart layouts or sidecars beside every page they read,
// and listing a large folder (with Qt's wildcard filters) for each page costs more than reading
// the page. A folder whose modification time changes (a file added, removed or renamed) is listed
// anew; so is a folder changed within a tenth of a second before it was listed, whose time may not show a
// change made in the same clock tick. Safe to use from several threads.
class LMPLATFORM_EXPORT LMFolderListing
{
public:
    // The names (not paths) of the regular files in the folder whose names end with the suffix
    // (compared ignoring case), sorted by name; empty for a missing folder.
    static QStringList filesWithSuffix(const QString& theFolder, const QString& theSuffix);
    // Forgets every listing (for tests and content updates that keep modification times).
    static void clear();

    // While a snapshot is open (on any thread), a folder whose listing was checked against the
    // disk since the first open snapshot began is taken as it stands, without a look at the
    // disk: a load that asks the same folders for their sidecars file after file looks at each
    // folder once. Opened around work that reads the content tree as it is at one moment (a
    // load, one design); the listings still follow every change once no snapshot is open.
    class LMPLATFORM_EXPORT Snapshot
    {
    public:
        Snapshot();
        ~Snapshot();
        Snapshot(const Snapshot&) = delete;
        Snapshot& operator=(const Snapshot&) = delete;
    };
};
