#include "LMXMLBuilder.h"

#include "LMErrorHistory.h"
#include "LMPlatformLogging.h"
#include "LMXMLLoader.h"
#include "LMXMLParser.h"

#include <QDomProcessingInstruction>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

#include <cmath>

namespace {

const QString STR_XML = QStringLiteral("xml");
const QString STR_DECLARATION = QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"");
const QString STR_TRUE = QStringLiteral("true");
const QString STR_FALSE = QStringLiteral("false");
constexpr int ourIndent = 4;

// Why LMXMLLoader would refuse the text, or empty when it would read it.
QString unreadableBecause(const QByteArray& theText)
{
    if (theText.size() > LMXMLLoader::ourMaximumSize)
        return QStringLiteral("larger than %1 bytes").arg(LMXMLLoader::ourMaximumSize);
    QXmlStreamReader aReader(theText);
    aReader.setNamespaceProcessing(false);
    int aDepth = 0;
    while (!aReader.atEnd()) {
        switch (aReader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++aDepth > LMXMLLoader::ourMaximumDepth)
                return QStringLiteral("elements nested deeper than %1 levels").arg(LMXMLLoader::ourMaximumDepth);
            break;
        case QXmlStreamReader::EndElement:
            --aDepth;
            break;
        case QXmlStreamReader::DTD:
            return QStringLiteral("document type declarations cannot be read back");
        default:
            break;
        }
    }
    if (aReader.hasError()) {
        return QStringLiteral("the text would not read back (line %1, column %2: %3)")
            .arg(aReader.lineNumber())
            .arg(aReader.columnNumber())
            .arg(aReader.errorString());
    }
    return QString();
}

} // namespace

QDomElement LMXMLBuilder::buildRootElement(QDomDocument& theDocument, const QString& theTagName)
{
    Q_ASSERT_X(theDocument.documentElement().isNull(), "LMXMLBuilder::buildRootElement",
               "the document has a document element already");
    const QDomProcessingInstruction aDeclaration = theDocument.createProcessingInstruction(STR_XML, STR_DECLARATION);
    const QDomNode aFirst = theDocument.firstChild();
    if (aFirst.isProcessingInstruction() && aFirst.nodeName() == STR_XML)
        theDocument.replaceChild(aDeclaration, aFirst);
    else
        theDocument.insertBefore(aDeclaration, aFirst);
    const QDomElement anElement = theDocument.createElement(theTagName);
    const QDomElement anOld = theDocument.documentElement();
    if (anOld.isNull())
        theDocument.appendChild(anElement);
    else
        theDocument.replaceChild(anElement, anOld);
    return anElement;
}

QDomElement LMXMLBuilder::buildDomElement(QDomElement& theParent, const QString& theTagName)
{
    Q_ASSERT_X(!theParent.isNull(), "LMXMLBuilder::buildDomElement", "null parent");
    const QDomElement anElement = theParent.ownerDocument().createElement(theTagName);
    theParent.appendChild(anElement);
    return anElement;
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, const QString& theValue)
{
    Q_ASSERT_X(!theElement.isNull(), "LMXMLBuilder::addAttribute", "null element");
    theElement.setAttribute(theName, theValue);
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, const char* theValue)
{
    addAttribute(theElement, theName, QString::fromUtf8(theValue));
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, int theValue)
{
    addAttribute(theElement, theName, QString::number(theValue));
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, double theValue)
{
    Q_ASSERT_X(std::isfinite(theValue), "LMXMLBuilder::addAttribute", "no format reads infinities or NaN");
    addAttribute(theElement, theName, doubleText(theValue));
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, bool theValue)
{
    addAttribute(theElement, theName, theValue ? STR_TRUE : STR_FALSE);
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, const QColor& theValue)
{
    if (theValue.isValid())
        addAttribute(theElement, theName, colorText(theValue));
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, LMAngle theValue)
{
    addAttribute(theElement, theName, theValue.degrees());
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QString& theName, const LMDistance& theValue)
{
    addAttribute(theElement, theName, theValue.toString());
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QRectF& theValue, const QString& thePrefix)
{
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_X, theValue.x());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_Y, theValue.y());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_WIDTH, theValue.width());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_HEIGHT, theValue.height());
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QRect& theValue, const QString& thePrefix)
{
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_X, theValue.x());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_Y, theValue.y());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_WIDTH, theValue.width());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_HEIGHT, theValue.height());
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QSizeF& theValue, const QString& thePrefix)
{
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_WIDTH, theValue.width());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_HEIGHT, theValue.height());
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QSize& theValue, const QString& thePrefix)
{
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_WIDTH, theValue.width());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_HEIGHT, theValue.height());
}

void LMXMLBuilder::addAttribute(QDomElement& theElement, const QMarginsF& theValue, const QString& thePrefix)
{
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_LEFT, theValue.left());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_TOP, theValue.top());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_RIGHT, theValue.right());
    addAttribute(theElement, thePrefix + LMXMLParser::WORD_BOTTOM, theValue.bottom());
}

QString LMXMLBuilder::doubleText(double theValue)
{
    // The shortest form drops the sign of zero.
    if (theValue == 0.0 && std::signbit(theValue))
        return QStringLiteral("-0");
    return QString::number(theValue, 'g', QLocale::FloatingPointShortest);
}

QString LMXMLBuilder::colorText(const QColor& theColor)
{
    if (!theColor.isValid())
        return QString();
    return theColor.name(theColor.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

namespace {

// QDom keeps an element's attributes in a hash whose order changes from process to process; the
// writer puts them in the order of their names, so that one document always gives the same bytes.
void writeNode(QXmlStreamWriter& theWriter, const QDomNode& theNode)
{
    switch (theNode.nodeType()) {
    case QDomNode::ElementNode: {
        const QDomElement anElement = theNode.toElement();
        theWriter.writeStartElement(anElement.tagName());
        const QDomNamedNodeMap anAttributes = anElement.attributes();
        QList<QDomAttr> aSorted;
        aSorted.reserve(anAttributes.count());
        for (int i = 0; i < anAttributes.count(); ++i)
            aSorted.append(anAttributes.item(i).toAttr());
        std::sort(aSorted.begin(), aSorted.end(),
                  [](const QDomAttr& theA, const QDomAttr& theB) { return theA.name() < theB.name(); });
        for (const QDomAttr& anAttribute : std::as_const(aSorted))
            theWriter.writeAttribute(anAttribute.name(), anAttribute.value());
        for (QDomNode aChild = theNode.firstChild(); !aChild.isNull(); aChild = aChild.nextSibling())
            writeNode(theWriter, aChild);
        theWriter.writeEndElement();
        return;
    }
    case QDomNode::TextNode:
        theWriter.writeCharacters(theNode.nodeValue());
        return;
    case QDomNode::CDATASectionNode:
        theWriter.writeCDATA(theNode.nodeValue());
        return;
    case QDomNode::CommentNode:
        theWriter.writeComment(theNode.nodeValue());
        return;
    case QDomNode::ProcessingInstructionNode:
        // The declaration is the writer's own.
        if (theNode.nodeName() != QLatin1String("xml"))
            theWriter.writeProcessingInstruction(theNode.nodeName(), theNode.nodeValue());
        return;
    case QDomNode::DocumentTypeNode:
        theWriter.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(theNode.nodeName()));
        return;
    default:
        for (QDomNode aChild = theNode.firstChild(); !aChild.isNull(); aChild = aChild.nextSibling())
            writeNode(theWriter, aChild);
        return;
    }
}

// The text of toUTF8; false when the document holds text XML cannot carry (the writer leaves such
// characters out).
bool writeUTF8(const QDomDocument& theDocument, QByteArray& theText)
{
    QByteArray& aText = theText;
    QXmlStreamWriter aWriter(&aText);
    aWriter.setAutoFormatting(true);
    aWriter.setAutoFormattingIndent(ourIndent);
    // Always a declaration for UTF-8, in place of the document's, whose encoding may say otherwise.
    aWriter.writeStartDocument();
    writeNode(aWriter, theDocument);
    aWriter.writeEndDocument();
    return !aWriter.hasError();
}

} // namespace

QByteArray LMXMLBuilder::toUTF8(const QDomDocument& theDocument)
{
    QByteArray aText;
    writeUTF8(theDocument, aText);
    return aText;
}

bool LMXMLBuilder::saveUTF8(const QDomDocument& theDocument, const QFileInfo& theFile, LMErrorHistory* theErrors)
{
    const QString aPath = theFile.absoluteFilePath();
    const auto aFail = [&](const QString& theReason) {
        const QString aMessage = QStringLiteral("cannot save XML file %1: %2").arg(aPath, theReason);
        if (theErrors)
            theErrors->append(aMessage);
        else
            qCWarning(lcPlatformXml).noquote() << aMessage;
        return false;
    };

    if (theDocument.documentElement().isNull())
        return aFail(QStringLiteral("the document has no document element"));
    QByteArray aContent;
    if (!writeUTF8(theDocument, aContent))
        return aFail(QStringLiteral("the text would not read back"));
    if (const QString aReason = unreadableBecause(aContent); !aReason.isEmpty())
        return aFail(aReason);

    QSaveFile aFile(aPath);
    if (!aFile.open(QIODevice::WriteOnly))
        return aFail(aFile.errorString());
    // QSaveFile does not notice a write that fails only when commit() flushes its buffer (a full
    // disk takes part of it): flush first. An uncommitted file is thrown away.
    if (aFile.write(aContent) != aContent.size() || !aFile.flush()) {
        const QString aReason = aFile.errorString();
        aFile.cancelWriting();
        return aFail(aReason);
    }
    if (!aFile.commit())
        return aFail(aFile.errorString());
    return true;
}
