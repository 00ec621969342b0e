#pragma once

#include "LMPlatformExport.h"

#include <QDomDocument>
#include <QDomElement>

#include <functional>

class QXmlStreamReader;

// Builds DOM elements from a QXmlStreamReader one subtree at a time, so that a reader of a large
// document holds the DOM of one piece of it, never the whole. The elements are those
// QDomDocument::setContent builds from the same reader, as far as element readers can tell:
// tag and attribute names as written (namespace processing off), attribute values, text and
// CDATA sections; text of white space only, comments and processing instructions are left out,
// and line numbers are not kept.
class LMPLATFORM_EXPORT LMXMLFragmentReader
{
public:
    // Moves the reader to the document element's start; false when the text ends or breaks first.
    static bool readToDocumentElement(QXmlStreamReader& theReader);
    // Reads the rest of the text, which must be well formed too, as for a DOM; false (the reader
    // has the error) when it is not.
    static bool readToEnd(QXmlStreamReader& theReader);

    // The reader stands on a start element: that element with its attributes and no children,
    // created in theDocument but not placed in it. The reader does not move.
    static QDomElement readShell(const QXmlStreamReader& theReader, QDomDocument& theDocument);
    // The reader stands on a start element: the element with its whole subtree, appended to
    // theParent unless that is null. The reader is left on the element's end, or where it found the document
    // malformed (then the element is incomplete and the reader has the error).
    static QDomElement readElement(QXmlStreamReader& theReader, QDomDocument& theDocument, QDomNode theParent);
    // The reader stands on a start element whose shell is theShell: hands each child element named
    // theTagName, read whole as a child of theShell, to theVisit (and takes it away again), and skips
    // the other children. The reader is left on the element's end or on an error; no child is
    // handed over incomplete.
    static void readChildren(QXmlStreamReader& theReader, QDomDocument& theDocument, QDomElement& theShell,
                             const QString& theTagName, const std::function<void(const QDomElement&)>& theVisit);
};
