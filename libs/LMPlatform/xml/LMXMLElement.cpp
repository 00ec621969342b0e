#include "LMXMLElement.h"

#include <QDomDocument>
#include <QDomElement>
#include <QSharedData>
#include <QXmlStreamReader>

#include <vector>

// The nodes of one tree in document order of their creation, linked as parent, first and last
// child and next sibling; text nodes carry their text where elements carry their tag.
class LMXMLElementImpl : public QSharedData
{
public:
    struct Span
    {
        qsizetype myOffset = 0;
        qsizetype mySize = 0;
    };
    struct Node
    {
        Span myName;
        int myParent = -1;
        int myFirstChild = -1;
        int myLastChild = -1;
        int myNext = -1;
        int myFirstAttribute = 0;
        int myAttributeCount = 0;
        int myLine = -1;
        bool myIsText = false;
    };
    struct Attribute
    {
        Span myName;
        Span myValue;
    };

    QStringView view(const Span& theSpan) const
    {
        return QStringView(myChars).sliced(theSpan.myOffset, theSpan.mySize);
    }

    Span store(QStringView theText)
    {
        const Span aSpan { myChars.size(), theText.size() };
        myChars.append(theText);
        return aSpan;
    }

    // A new node, the last child of theParent unless that is -1.
    int addNode(QStringView theName, int theParent, bool theIsText)
    {
        const int anIndex = int(myNodes.size());
        Node& aNode = myNodes.emplace_back();
        aNode.myName = store(theName);
        aNode.myParent = theParent;
        aNode.myIsText = theIsText;
        aNode.myFirstAttribute = int(myAttributes.size());
        if (theParent >= 0) {
            Node& aParent = myNodes[theParent];
            if (aParent.myLastChild >= 0)
                myNodes[aParent.myLastChild].myNext = anIndex;
            else
                aParent.myFirstChild = anIndex;
            aParent.myLastChild = anIndex;
        }
        return anIndex;
    }

    void addAttribute(int theNode, QStringView theName, QStringView theValue)
    {
        myAttributes.push_back({ store(theName), store(theValue) });
        ++myNodes[theNode].myAttributeCount;
    }

    int addElement(const QXmlStreamReader& theReader, int theParent)
    {
        const int aNode = addNode(theReader.qualifiedName(), theParent, false);
        myNodes[aNode].myLine = int(theReader.lineNumber());
        // Through a const copy: a loop over the returned list itself detaches it from the reader's
        // and copies every attribute.
        const QXmlStreamAttributes anAttributes = theReader.attributes();
        for (const QXmlStreamAttribute& anAttribute : anAttributes)
            addAttribute(aNode, anAttribute.qualifiedName(), anAttribute.value());
        return aNode;
    }

    int addElement(const QDomElement& theElement, int theParent)
    {
        const int aNode = addNode(theElement.tagName(), theParent, false);
        myNodes[aNode].myLine = theElement.lineNumber();
        const QDomNamedNodeMap anAttributes = theElement.attributes();
        for (int anIndex = 0; anIndex < anAttributes.size(); ++anIndex) {
            const QDomNode anAttribute = anAttributes.item(anIndex);
            addAttribute(aNode, anAttribute.nodeName(), anAttribute.nodeValue());
        }
        for (QDomNode aChild = theElement.firstChild(); !aChild.isNull(); aChild = aChild.nextSibling()) {
            if (aChild.isElement())
                addElement(aChild.toElement(), aNode);
            else if (aChild.isText()) // CDATA sections are text nodes too
                addNode(aChild.nodeValue(), aNode, true);
        }
        return aNode;
    }

    // Copies node theNode of theSource, with its subtree, as the last child of theParent.
    int copySubtree(const LMXMLElementImpl& theSource, int theNode, int theParent)
    {
        const Node& aSource = theSource.myNodes[theNode];
        const int aNode = addNode(theSource.view(aSource.myName), theParent, aSource.myIsText);
        myNodes[aNode].myLine = aSource.myLine;
        for (int anIndex = aSource.myFirstAttribute; anIndex < aSource.myFirstAttribute + aSource.myAttributeCount;
             ++anIndex) {
            const Attribute& anAttribute = theSource.myAttributes[anIndex];
            addAttribute(aNode, theSource.view(anAttribute.myName), theSource.view(anAttribute.myValue));
        }
        for (int aChild = aSource.myFirstChild; aChild >= 0; aChild = theSource.myNodes[aChild].myNext)
            copySubtree(theSource, aChild, aNode);
        return aNode;
    }

    QString myChars;
    std::vector<Node> myNodes;
    std::vector<Attribute> myAttributes;
};

LMXMLElement::LMXMLElement() = default;
LMXMLElement::~LMXMLElement() = default;
LMXMLElement::LMXMLElement(const LMXMLElement& theOther) = default;
LMXMLElement::LMXMLElement(LMXMLElement&& theOther) noexcept = default;
LMXMLElement& LMXMLElement::operator=(const LMXMLElement& theOther) = default;
LMXMLElement& LMXMLElement::operator=(LMXMLElement&& theOther) noexcept = default;

LMXMLElement::LMXMLElement(QExplicitlySharedDataPointer<LMXMLElementImpl> theTree, int theNode)
    : d(std::move(theTree)), myNode(theNode)
{
}

LMXMLElement::LMXMLElement(const QDomElement& theElement)
{
    if (theElement.isNull())
        return;
    d = new LMXMLElementImpl;
    myNode = d->addElement(theElement, -1);
}

LMXMLElement LMXMLElement::read(QXmlStreamReader& theReader)
{
    QExplicitlySharedDataPointer<LMXMLElementImpl> aTree(new LMXMLElementImpl);
    // Enough for a template element of a layout collection without growing.
    aTree->myChars.reserve(4096);
    aTree->myNodes.reserve(64);
    aTree->myAttributes.reserve(256);
    const int aTop = aTree->addElement(theReader, -1);
    // Iterative, so nesting costs no stack; the loader bounds the depth anyway.
    int aCurrent = aTop;
    int aDepth = 1;
    while (aDepth > 0 && !theReader.atEnd()) {
        switch (theReader.readNext()) {
        case QXmlStreamReader::StartElement:
            aCurrent = aTree->addElement(theReader, aCurrent);
            ++aDepth;
            break;
        case QXmlStreamReader::EndElement:
            if (--aDepth > 0)
                aCurrent = aTree->myNodes[aCurrent].myParent;
            break;
        case QXmlStreamReader::Characters:
            if (theReader.isCDATA() || !theReader.isWhitespace())
                aTree->addNode(theReader.text(), aCurrent, true);
            break;
        default:
            break;
        }
    }
    return LMXMLElement(std::move(aTree), aTop);
}

LMXMLElement LMXMLElement::readShell(const QXmlStreamReader& theReader)
{
    Q_ASSERT_X(theReader.isStartElement(), "LMXMLElement::readShell", "the reader is not on a start element");
    QExplicitlySharedDataPointer<LMXMLElementImpl> aTree(new LMXMLElementImpl);
    const int aTop = aTree->addElement(theReader, -1);
    return LMXMLElement(std::move(aTree), aTop);
}

void LMXMLElement::readChildren(QXmlStreamReader& theReader, QStringView theTagName,
                                const std::function<void(const LMXMLElement&)>& theVisit)
{
    while (!theReader.atEnd()) {
        const QXmlStreamReader::TokenType aToken = theReader.readNext();
        if (aToken == QXmlStreamReader::EndElement)
            return;
        if (aToken != QXmlStreamReader::StartElement)
            continue;
        if (theReader.qualifiedName() != theTagName) {
            theReader.skipCurrentElement();
            continue;
        }
        const LMXMLElement aChild = read(theReader);
        if (!theReader.hasError())
            theVisit(aChild);
    }
}

bool LMXMLElement::readToDocumentElement(QXmlStreamReader& theReader)
{
    while (!theReader.atEnd() && theReader.readNext() != QXmlStreamReader::StartElement)
        ;
    return theReader.isStartElement();
}

bool LMXMLElement::readToEnd(QXmlStreamReader& theReader)
{
    while (!theReader.atEnd())
        theReader.readNext();
    return !theReader.hasError();
}

QStringView LMXMLElement::tagName() const
{
    return d ? d->view(d->myNodes[myNode].myName) : QStringView();
}

int LMXMLElement::lineNumber() const
{
    return d ? d->myNodes[myNode].myLine : -1;
}

int LMXMLElement::attributeCount() const
{
    return d ? d->myNodes[myNode].myAttributeCount : 0;
}

QStringView LMXMLElement::attributeName(int theIndex) const
{
    Q_ASSERT(theIndex >= 0 && theIndex < attributeCount());
    return d->view(d->myAttributes[d->myNodes[myNode].myFirstAttribute + theIndex].myName);
}

QStringView LMXMLElement::attributeValue(int theIndex) const
{
    Q_ASSERT(theIndex >= 0 && theIndex < attributeCount());
    return d->view(d->myAttributes[d->myNodes[myNode].myFirstAttribute + theIndex].myValue);
}

std::optional<QStringView> LMXMLElement::findAttribute(QStringView theName) const
{
    if (!d)
        return std::nullopt;
    const LMXMLElementImpl::Node& aNode = d->myNodes[myNode];
    for (int anIndex = aNode.myFirstAttribute; anIndex < aNode.myFirstAttribute + aNode.myAttributeCount; ++anIndex) {
        const LMXMLElementImpl::Attribute& anAttribute = d->myAttributes[anIndex];
        if (d->view(anAttribute.myName) == theName)
            return d->view(anAttribute.myValue);
    }
    return std::nullopt;
}

std::optional<QStringView> LMXMLElement::findAttribute(QLatin1StringView theName) const
{
    return findAttribute(QStringView(), theName);
}

std::optional<QStringView> LMXMLElement::findAttribute(QStringView thePrefix, QLatin1StringView theWord) const
{
    if (!d)
        return std::nullopt;
    const qsizetype aSize = thePrefix.size() + theWord.size();
    const LMXMLElementImpl::Node& aNode = d->myNodes[myNode];
    for (int anIndex = aNode.myFirstAttribute; anIndex < aNode.myFirstAttribute + aNode.myAttributeCount; ++anIndex) {
        const LMXMLElementImpl::Attribute& anAttribute = d->myAttributes[anIndex];
        const QStringView aName = d->view(anAttribute.myName);
        if (aName.size() == aSize && aName.startsWith(thePrefix) && aName.sliced(thePrefix.size()) == theWord)
            return d->view(anAttribute.myValue);
    }
    return std::nullopt;
}

QString LMXMLElement::attribute(QStringView theName, const QString& theDefault) const
{
    const std::optional<QStringView> aValue = findAttribute(theName);
    return aValue ? aValue->toString() : theDefault;
}

QString LMXMLElement::attribute(QLatin1StringView theName, const QString& theDefault) const
{
    const std::optional<QStringView> aValue = findAttribute(theName);
    return aValue ? aValue->toString() : theDefault;
}

LMXMLElement LMXMLElement::siblingOrChild(int theFirst, QStringView theTagName) const
{
    for (int aNode = theFirst; aNode >= 0; aNode = d->myNodes[aNode].myNext) {
        const LMXMLElementImpl::Node& aCandidate = d->myNodes[aNode];
        if (!aCandidate.myIsText && (theTagName.isEmpty() || d->view(aCandidate.myName) == theTagName))
            return LMXMLElement(d, aNode);
    }
    return LMXMLElement();
}

LMXMLElement LMXMLElement::firstChildElement(QStringView theTagName) const
{
    return d ? siblingOrChild(d->myNodes[myNode].myFirstChild, theTagName) : LMXMLElement();
}

LMXMLElement LMXMLElement::nextSiblingElement(QStringView theTagName) const
{
    return d ? siblingOrChild(d->myNodes[myNode].myNext, theTagName) : LMXMLElement();
}

LMXMLElement LMXMLElement::parentElement() const
{
    if (!d || d->myNodes[myNode].myParent < 0)
        return LMXMLElement();
    return LMXMLElement(d, d->myNodes[myNode].myParent);
}

QString LMXMLElement::text() const
{
    QString aText;
    if (!d)
        return aText;
    // Depth first through the subtree, without recursion.
    int aNode = d->myNodes[myNode].myFirstChild;
    while (aNode >= 0) {
        const LMXMLElementImpl::Node& aCurrent = d->myNodes[aNode];
        if (aCurrent.myIsText)
            aText.append(d->view(aCurrent.myName));
        if (aCurrent.myFirstChild >= 0) {
            aNode = aCurrent.myFirstChild;
            continue;
        }
        while (aNode >= 0 && aNode != myNode && d->myNodes[aNode].myNext < 0)
            aNode = d->myNodes[aNode].myParent;
        aNode = aNode == myNode || aNode < 0 ? -1 : d->myNodes[aNode].myNext;
    }
    return aText;
}

QDomElement LMXMLElement::toDom(QDomDocument& theDocument) const
{
    if (!d)
        return QDomElement();
    QDomElement aTop = theDocument.createElement(tagName().toString());
    // Each DOM node next to the tree node it copies, depth first.
    std::vector<std::pair<int, QDomElement>> aStack { { myNode, aTop } };
    while (!aStack.empty()) {
        auto [aNode, anElement] = std::move(aStack.back());
        aStack.pop_back();
        const LMXMLElementImpl::Node& aSource = d->myNodes[aNode];
        for (int anIndex = 0; anIndex < aSource.myAttributeCount; ++anIndex) {
            const LMXMLElementImpl::Attribute& anAttribute = d->myAttributes[aSource.myFirstAttribute + anIndex];
            anElement.setAttribute(d->view(anAttribute.myName).toString(), d->view(anAttribute.myValue).toString());
        }
        for (int aChild = aSource.myFirstChild; aChild >= 0; aChild = d->myNodes[aChild].myNext) {
            const LMXMLElementImpl::Node& aChildNode = d->myNodes[aChild];
            if (aChildNode.myIsText) {
                anElement.appendChild(theDocument.createTextNode(d->view(aChildNode.myName).toString()));
            } else {
                QDomElement aChildElement = theDocument.createElement(d->view(aChildNode.myName).toString());
                anElement.appendChild(aChildElement);
                aStack.emplace_back(aChild, aChildElement);
            }
        }
    }
    return aTop;
}

void LMXMLElement::appendChild(const LMXMLElement& theChild)
{
    Q_ASSERT_X(d, "LMXMLElement::appendChild", "the element is null");
    if (theChild.isNull())
        return;
    // A copy first when the child is of this tree: the tree grows while it is read.
    const QExplicitlySharedDataPointer<LMXMLElementImpl> aSource
        = theChild.d == d ? QExplicitlySharedDataPointer<LMXMLElementImpl>(new LMXMLElementImpl(*d)) : theChild.d;
    d->copySubtree(*aSource, theChild.myNode, myNode);
}
