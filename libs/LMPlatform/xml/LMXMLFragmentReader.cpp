#include "LMXMLFragmentReader.h"

#include <QXmlStreamReader>

bool LMXMLFragmentReader::readToDocumentElement(QXmlStreamReader& theReader)
{
    while (!theReader.atEnd() && theReader.readNext() != QXmlStreamReader::StartElement)
        ;
    return theReader.isStartElement();
}

bool LMXMLFragmentReader::readToEnd(QXmlStreamReader& theReader)
{
    while (!theReader.atEnd())
        theReader.readNext();
    return !theReader.hasError();
}

QDomElement LMXMLFragmentReader::readShell(const QXmlStreamReader& theReader, QDomDocument& theDocument)
{
    Q_ASSERT_X(theReader.isStartElement(), "LMXMLFragmentReader::readShell", "the reader is not on a start element");
    QDomElement anElement = theDocument.createElement(theReader.qualifiedName().toString());
    for (const QXmlStreamAttribute& anAttribute : theReader.attributes())
        anElement.setAttribute(anAttribute.qualifiedName().toString(), anAttribute.value().toString());
    return anElement;
}

QDomElement LMXMLFragmentReader::readElement(QXmlStreamReader& theReader, QDomDocument& theDocument, QDomNode theParent)
{
    QDomElement aTop = readShell(theReader, theDocument);
    if (!theParent.isNull())
        theParent.appendChild(aTop);
    // Iterative, so nesting costs no stack; the loader bounds the depth anyway.
    QDomNode aCurrent = aTop;
    int aDepth = 1;
    while (aDepth > 0 && !theReader.atEnd()) {
        switch (theReader.readNext()) {
        case QXmlStreamReader::StartElement: {
            QDomElement aChild = readShell(theReader, theDocument);
            aCurrent.appendChild(aChild);
            aCurrent = aChild;
            ++aDepth;
            break;
        }
        case QXmlStreamReader::EndElement:
            if (--aDepth > 0)
                aCurrent = aCurrent.parentNode();
            break;
        case QXmlStreamReader::Characters:
            if (theReader.isCDATA())
                aCurrent.appendChild(theDocument.createCDATASection(theReader.text().toString()));
            else if (!theReader.isWhitespace())
                aCurrent.appendChild(theDocument.createTextNode(theReader.text().toString()));
            break;
        default:
            break;
        }
    }
    return aTop;
}

void LMXMLFragmentReader::readChildren(QXmlStreamReader& theReader, QDomDocument& theDocument, QDomElement& theShell,
                                       const QString& theTagName,
                                       const std::function<void(const QDomElement&)>& theVisit)
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
        const QDomElement aChild = readElement(theReader, theDocument, theShell);
        if (!theReader.hasError())
            theVisit(aChild);
        theShell.removeChild(aChild);
    }
}
