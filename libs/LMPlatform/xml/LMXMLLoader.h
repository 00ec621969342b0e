#pragma once

#include "LMPlatformExport.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFileInfo>

#include <optional>

class QXmlStreamReader;

// The one door through which every XML file of the content tree is read into a DOM. It refuses
// what no format of the library needs and what an older XML reader cannot handle safely:
// entity declarations, document type declarations with an internal subset (a plain one, such as
// the standard DOCTYPE of SVG files, passes and is never resolved), very deep nesting, oversized
// documents and attribute values.
//
// Names stay as written: namespace processing is off, so "lumo:osm" is the tag name and
// "lumo:default" the attribute name whether or not the document declares the prefix.
class LMPLATFORM_EXPORT LMXMLLoader
{
public:
    // Documents larger than this many bytes are refused without being read.
    static constexpr qint64 ourMaximumSize = 64 * 1024 * 1024;
    // Elements nested deeper than this are refused; the document element is at depth 1.
    static constexpr int ourMaximumDepth = 256;
    // Documents with an attribute value longer than this many characters are refused (the longest
    // path data of artwork stays far below).
    static constexpr qsizetype ourMaximumAttributeLength = 4 * 1024 * 1024;

    // The parsed document of the file, or a null document and exactly one warning naming the
    // file when it is missing, unreadable, refused or malformed (with line and column).
    static QDomDocument loadDocument(const QFileInfo& theFile);
    // The same, refusing documents of more elements than given (a DOM node with its attributes
    // costs far more than its text), with one warning.
    static QDomDocument loadDocument(const QFileInfo& theFile, qsizetype theMaximumElements);
    // The document element of loadDocument(theFile), or a null element. The element keeps its
    // subtree alive but not its document: its ownerDocument() is null once the call returns, so
    // build into the result of loadDocument instead.
    static QDomElement loadDocumentElement(const QFileInfo& theFile);
    // The same for text in memory; theNameForMessages stands for the file in the warnings.
    static QDomDocument loadDocumentFromData(const QByteArray& theData, const QString& theNameForMessages);
    // The same with tighter bounds (at most the default ones) for callers that know their documents
    // are small.
    static QDomDocument loadDocumentFromData(const QByteArray& theData, const QString& theNameForMessages,
                                             qint64 theMaximumSize, int theMaximumDepth);

    // For readers that parse the file themselves, one piece at a time: the decoded text of the
    // file once it has passed every check of loadDocument but the parse, or nothing and exactly
    // one warning naming the file.
    // theElements, when given, takes the number of elements of the text.
    static std::optional<QString> loadText(const QFileInfo& theFile, qsizetype* theElements = nullptr);
    static std::optional<QString> loadTextFromData(const QByteArray& theData, const QString& theNameForMessages);
    // A reader of such text that reads names as loadDocument does.
    static void prepareReader(QXmlStreamReader& theReader);
    // False, after the warning loadDocument gives, for more elements than the maximum.
    static bool withinElements(qsizetype theElements, qsizetype theMaximumElements, const QString& theNameForMessages);
    // The document of such text, as loadDocument gives it.
    static QDomDocument parseText(const QString& theText, const QString& theNameForMessages);
    // The one warning loadDocument gives for a malformed document, from a reader that stopped with
    // an error.
    static void warnMalformed(const QString& theNameForMessages, const QXmlStreamReader& theReader);
    static void warnMalformed(const QString& theNameForMessages, int theLine, int theColumn, const QString& theMessage);
};
