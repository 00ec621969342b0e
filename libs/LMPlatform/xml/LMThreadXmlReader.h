#pragma once

#include "LMPlatformExport.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

// The stream reader of a thread's current document: a new reader for every document, since a
// cleared one carries state of the documents before (declared entities, and in Qt 6.4 a state that
// made it read past its buffer). The reader is the thread's own until the next call on the same
// thread: read with it, then let it go; never call something that may use it meanwhile.
class LMPLATFORM_EXPORT LMThreadXmlReader
{
public:
    // A new reader for the thread, reading theData (its encoding from a byte order mark or the XML
    // declaration).
    static QXmlStreamReader& of(const QByteArray& theData);
    // The same for decoded text.
    static QXmlStreamReader& of(const QString& theText);
};
