#pragma once

#include "LMPlatformExport.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

// A stream reader kept by each thread and handed out ready for new text: making one costs more
// than reading a small file (its table of entities and its stacks are built anew every time), and
// registries read thousands of small files. No document sees what an earlier one declared: after a
// document with a document type declaration the thread's next reader is a new one. The reader is
// the thread's own until the next call on the same thread: read with it, then let it go; never
// call something that may use it meanwhile.
class LMPLATFORM_EXPORT LMThreadXmlReader
{
public:
    // The thread's reader, cleared, with namespace processing on (as a new reader), reading theData
    // (its encoding from a byte order mark or the XML declaration, as a new reader).
    static QXmlStreamReader& of(const QByteArray& theData);
    // The same for decoded text.
    static QXmlStreamReader& of(const QString& theText);
};
