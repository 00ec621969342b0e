#pragma once

#include "LMPlatformExport.h"

#include <QExplicitlySharedDataPointer>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

class LMXMLElementImpl;
class QDomDocument;
class QDomElement;
class QXmlStreamReader;

// A read-only XML element for the readers of the file formats: tag, attributes, text and child
// elements, as a QDomElement offers them. It is built straight from a QXmlStreamReader (one
// subtree at a time, nothing else of the document) or copied from a DOM element, and costs a few
// allocations per subtree instead of several per node: every name, value and text lives in one
// buffer, every node and attribute in one array.
//
// Handles share the tree they come from, like DOM nodes do; a handle keeps its tree alive, and
// copying one counts a reference. Names and values are handed out as views into the tree,
// valid until the tree changes (appendChild) or goes.
//
// What the element holds is what QDomDocument::setContent builds from the same text as far as
// a reader can tell: tag and attribute names as written (namespace processing off), attribute
// values, text and CDATA sections, the line of each start tag. Comments and processing
// instructions are left out, and so is text of white space only when read from a stream.
class LMPLATFORM_EXPORT LMXMLElement
{
public:
    // The null element: no tag, no attributes, no children.
    LMXMLElement();
    // A copy of the DOM element with its subtree (null for a null element). Implicit, so that the
    // API that takes DOM elements reaches the same readers; each conversion copies the subtree.
    LMXMLElement(const QDomElement& theElement);
    ~LMXMLElement();
    LMXMLElement(const LMXMLElement& theOther);
    LMXMLElement(LMXMLElement&& theOther) noexcept;
    LMXMLElement& operator=(const LMXMLElement& theOther);
    LMXMLElement& operator=(LMXMLElement&& theOther) noexcept;

    // The reader stands on a start element: the element with its whole subtree. The reader is left
    // on the element's end, or where it found the text malformed (then the element is incomplete
    // and the reader has the error).
    static LMXMLElement read(QXmlStreamReader& theReader);
    // The reader stands on a start element: that element with its attributes and no children.
    // The reader does not move.
    static LMXMLElement readShell(const QXmlStreamReader& theReader);
    // The reader stands on a start element: hands each child element named theTagName, read whole
    // into a tree of its own, to theVisit, and skips the other children. The reader is left on the
    // element's end or on an error; no child is handed over incomplete.
    static void readChildren(QXmlStreamReader& theReader, QStringView theTagName,
                             const std::function<void(const LMXMLElement&)>& theVisit);
    // Moves the reader to the document element's start; false when the text ends or breaks first.
    static bool readToDocumentElement(QXmlStreamReader& theReader);
    // Reads the rest of the text, which must be well formed too, as for a DOM; false (the reader
    // has the error) when it is not.
    static bool readToEnd(QXmlStreamReader& theReader);

    bool isNull() const { return !d; }
    // Empty for the null element.
    QStringView tagName() const;
    // The line of the start tag (the first line is 1); -1 when not known.
    int lineNumber() const;

    // Attributes, in the order written.
    int attributeCount() const;
    QStringView attributeName(int theIndex) const;
    QStringView attributeValue(int theIndex) const;
    // The value as written (an empty value is a value); nothing when the attribute is missing.
    std::optional<QStringView> findAttribute(QStringView theName) const;
    std::optional<QStringView> findAttribute(QLatin1StringView theName) const;
    // The same for the attribute named prefix + word, without joining the two.
    std::optional<QStringView> findAttribute(QStringView thePrefix, QLatin1StringView theWord) const;
    bool hasAttribute(QStringView theName) const { return findAttribute(theName).has_value(); }
    bool hasAttribute(QLatin1StringView theName) const { return findAttribute(theName).has_value(); }
    QString attribute(QStringView theName, const QString& theDefault = QString()) const;
    QString attribute(QLatin1StringView theName, const QString& theDefault = QString()) const;

    // Child elements and siblings, with that tag name when one is given; null when there is none.
    LMXMLElement firstChildElement(QStringView theTagName = QStringView()) const;
    LMXMLElement nextSiblingElement(QStringView theTagName = QStringView()) const;
    // The element this one is a child of; null for the top of a tree.
    LMXMLElement parentElement() const;
    // The text of the element and its descendants, concatenated in document order.
    QString text() const;

    // A DOM copy of the element and its subtree, created in theDocument but not placed in it (null
    // for the null element); text and CDATA sections become text nodes.
    QDomElement toDom(QDomDocument& theDocument) const;

    // Appends a copy of theChild's subtree as the last child of this element (which must not be
    // null); handles into this tree stay valid, views into it do not.
    void appendChild(const LMXMLElement& theChild);

private:
    LMXMLElement(QExplicitlySharedDataPointer<LMXMLElementImpl> theTree, int theNode);
    LMXMLElement siblingOrChild(int theFirst, QStringView theTagName) const;

    QExplicitlySharedDataPointer<LMXMLElementImpl> d;
    int myNode = -1;
};
