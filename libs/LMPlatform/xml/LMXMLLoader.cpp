#include "LMXMLLoader.h"

#include "LMContentFileReader.h"
#include "LMPlatformLogging.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <optional>

namespace {

// The encoding named in the XML declaration, read from its ASCII form at the start of the data.
const QRegularExpression& declaredEncodingExpression()
{
    static const QRegularExpression anExpression(
        QStringLiteral(R"(^<\?xml\s[^>]*?\bencoding\s*=\s*["']([A-Za-z][A-Za-z0-9._-]*)["'])"));
    return anExpression;
}

// How the text of the data is encoded: a byte order mark or the pattern of its first character
// wins, then the XML declaration, then the default of XML, UTF-8. Empty when the declaration names
// an encoding this Qt cannot decode; the name is returned for the message.
std::optional<QStringConverter::Encoding> encodingOf(const QByteArray& theData, QString* theDeclaredName)
{
    if (const auto aDetected = QStringConverter::encodingForData(theData, u'<'))
        return aDetected;
    // The declaration is short; the bound keeps a missing "?>" from scanning the whole file.
    const QString aHead = QString::fromLatin1(theData.first(qMin<qsizetype>(theData.size(), 256)));
    const QRegularExpressionMatch aMatch = declaredEncodingExpression().match(aHead);
    if (!aMatch.hasMatch())
        return QStringConverter::Utf8;
    *theDeclaredName = aMatch.captured(1);
    return QStringConverter::encodingForName(theDeclaredName->toLatin1().constData());
}

bool matchesAt(QStringView theText, qsizetype thePosition, QLatin1StringView theWord,
               Qt::CaseSensitivity theCase = Qt::CaseSensitive)
{
    return thePosition + theWord.size() <= theText.size()
        && theText.sliced(thePosition, theWord.size()).compare(theWord, theCase) == 0;
}

// The position just past the terminator, or -1 when the text ends first.
qsizetype skipPast(QStringView theText, qsizetype theFrom, QLatin1StringView theTerminator)
{
    const qsizetype anEnd = theText.indexOf(theTerminator, theFrom);
    return anEnd < 0 ? -1 : anEnd + theTerminator.size();
}

int lineAt(QStringView theText, qsizetype thePosition)
{
    return int(theText.first(thePosition).count(u'\n')) + 1;
}

constexpr qsizetype ourInternalSubset = -2;

// The position just past the ">" that ends a document type declaration, -1 when the text ends
// first, or ourInternalSubset when a "[" outside the quoted identifiers opens an internal subset.
qsizetype doctypeEnd(QStringView theText, qsizetype theFrom)
{
    char16_t aQuote = 0;
    for (qsizetype anIndex = theFrom; anIndex < theText.size(); ++anIndex) {
        const char16_t aChar = theText[anIndex].unicode();
        if (aQuote) {
            if (aChar == aQuote)
                aQuote = 0;
        } else if (aChar == u'"' || aChar == u'\'') {
            aQuote = aChar;
        } else if (aChar == u'[') {
            return ourInternalSubset;
        } else if (aChar == u'>') {
            return anIndex + 1;
        }
    }
    return -1;
}

// "<!DOCTYPE svg" followed by a blank or the end of the declaration.
bool isSvgDoctypeAt(QStringView theText, qsizetype thePosition)
{
    if (!matchesAt(theText, thePosition, QLatin1StringView("<!DOCTYPE")))
        return false;
    qsizetype anIndex = thePosition + 9;
    const qsizetype aBlanks = anIndex;
    while (anIndex < theText.size() && QStringView(u" \t\r\n").contains(theText[anIndex]))
        ++anIndex;
    if (anIndex == aBlanks || !matchesAt(theText, anIndex, QLatin1StringView("svg")))
        return false;
    anIndex += 3;
    return anIndex < theText.size() && QStringView(u" \t\r\n>[").contains(theText[anIndex]);
}

// What the guard found in a text before the parser may see it.
struct LMXMLGuardFinding
{
    enum Kind { Nothing, Declaration, TooDeep, LongAttribute };
    Kind myKind = Nothing;
    int myLine = 0;
    // Start tags counted (up to the finding, if any).
    qsizetype myElements = 0;
};

// One pass over the markup of the text, before any parser sees it: finds entity declarations and
// document type declarations with an internal subset wherever they stand, and any document type
// declaration that is not the first one or stands after the document element's start (the reader
// of Qt 6.4 accepts a DOCTYPE even after the document element); counts the nesting of elements. In well-formed XML a
// "<" outside comments, CDATA sections and processing instructions always starts markup, and attribute values hold no
// "<", so the count agrees with the parser's on every prefix the parser accepts; where the text is malformed the parser
// stops anyway.
LMXMLGuardFinding guardMarkup(QStringView theText, int theMaximumDepth)
{
    const qsizetype aSize = theText.size();
    int aDepth = 0;
    qsizetype anElements = 0;
    bool anElementSeen = false;
    bool aDoctypeSeen = false;
    qsizetype anIndex = 0;
    while (anIndex >= 0 && (anIndex = theText.indexOf(u'<', anIndex)) >= 0) {
        const qsizetype aStart = anIndex;
        if (matchesAt(theText, aStart + 1, QLatin1StringView("!--"))) {
            anIndex = skipPast(theText, aStart + 4, QLatin1StringView("-->"));
        } else if (matchesAt(theText, aStart + 1, QLatin1StringView("![CDATA["))) {
            anIndex = skipPast(theText, aStart + 9, QLatin1StringView("]]>"));
        } else if (matchesAt(theText, aStart + 1, QLatin1StringView("?"))) {
            anIndex = skipPast(theText, aStart + 2, QLatin1StringView("?>"));
        } else if (!anElementSeen && !aDoctypeSeen && isSvgDoctypeAt(theText, aStart)) {
            // SVG files carry the standard <!DOCTYPE svg PUBLIC "..." "...">. Without an internal
            // subset it declares nothing: the parser never fetches the external DTD it names, so
            // no entity can come from it. Only such a declaration, once and before the document
            // element, passes; no other format of the content tree has a document type.
            aDoctypeSeen = true;
            const qsizetype anEnd = doctypeEnd(theText, aStart + 9);
            if (anEnd == ourInternalSubset)
                return { LMXMLGuardFinding::Declaration, lineAt(theText, aStart) };
            anIndex = anEnd; // -1 when the text ends first: the parser says so
        } else if (matchesAt(theText, aStart + 1, QLatin1StringView("!DOCTYPE"), Qt::CaseInsensitive)
                   || matchesAt(theText, aStart + 1, QLatin1StringView("!ENTITY"), Qt::CaseInsensitive)) {
            return { LMXMLGuardFinding::Declaration, lineAt(theText, aStart) };
        } else if (matchesAt(theText, aStart + 1, QLatin1StringView("!"))) {
            anIndex = aStart + 2; // malformed here; the parser says where
        } else if (matchesAt(theText, aStart + 1, QLatin1StringView("/"))) {
            aDepth = qMax(0, aDepth - 1);
            anIndex = aStart + 2;
        } else {
            // A start tag: it ends at the first ">" outside quoted attribute values.
            qsizetype anEnd = aStart + 1;
            for (; anEnd < aSize; ++anEnd) {
                const char16_t aChar = theText[anEnd].unicode();
                if (aChar == u'"' || aChar == u'\'') {
                    // A value ends at its closing quote, looked for at once (path data is long).
                    const qsizetype aValueStart = anEnd + 1;
                    anEnd = theText.indexOf(QChar(aChar), aValueStart);
                    if (anEnd < 0) {
                        anEnd = aSize;
                        break;
                    }
                    // The DOM holds a value several times over: a huge one costs more than the file.
                    if (anEnd - aValueStart > LMXMLLoader::ourMaximumAttributeLength)
                        return { LMXMLGuardFinding::LongAttribute, lineAt(theText, aStart) };
                } else if (aChar == u'>' || aChar == u'<') {
                    break;
                }
            }
            if (anEnd >= aSize)
                break;
            if (theText[anEnd] == u'<') {
                anIndex = anEnd; // malformed; go on looking for declarations
                continue;
            }
            // An empty element stands one level deeper too, it just closes at once.
            const bool anEmpty = theText[anEnd - 1] == u'/';
            anElementSeen = true;
            ++anElements;
            if (aDepth + 1 > theMaximumDepth)
                return { LMXMLGuardFinding::TooDeep, lineAt(theText, aStart) };
            if (!anEmpty)
                ++aDepth;
            anIndex = anEnd + 1;
        }
    }
    LMXMLGuardFinding aNothing;
    aNothing.myElements = anElements;
    return aNothing;
}

void warnTooLarge(const QString& theName, qint64 theMaximumSize)
{
    qCWarning(lcPlatformXml).noquote()
        << QStringLiteral("refused XML file %1: larger than %2 bytes").arg(theName).arg(theMaximumSize);
}

// The bytes of the file, or nothing and the one warning.
std::optional<QByteArray> readFile(const QFileInfo& theFile)
{
    const QString aPath = theFile.absoluteFilePath();
    LMContentFileReader::Result aFile = LMContentFileReader::read(aPath, LMXMLLoader::ourMaximumSize);
    switch (aFile.status) {
    case LMContentFileReader::Status::Read:
        return std::move(aFile.data);
    case LMContentFileReader::Status::NotFound:
        qCWarning(lcPlatformXml).noquote() << QStringLiteral("XML file %1 not found").arg(aPath);
        break;
    case LMContentFileReader::Status::TooLarge:
        warnTooLarge(aPath, LMXMLLoader::ourMaximumSize);
        break;
    default:
        qCWarning(lcPlatformXml).noquote()
            << QStringLiteral("cannot read XML file %1: %2")
                   .arg(aPath, LMContentFileReader::reason(aFile, LMXMLLoader::ourMaximumSize));
    }
    return std::nullopt;
}

// The decoded text of the data once the guard passed it, or nothing and the one warning.
// theElements, when given, takes the number of elements of the text.
std::optional<QString> guardedText(const QByteArray& theData, const QString& aName, qint64 theMaximumSize,
                                   int theMaximumDepth, qsizetype* theElements = nullptr)
{
    if (theData.size() > theMaximumSize) {
        warnTooLarge(aName, theMaximumSize);
        return std::nullopt;
    }

    // The guard and the parser read the same decoded text, so no byte can mean one thing to the
    // guard and another to the parser; the parser then ignores the encoding declaration.
    QString aDeclaredName;
    const std::optional<QStringConverter::Encoding> anEncoding = encodingOf(theData, &aDeclaredName);
    if (!anEncoding) {
        qCWarning(lcPlatformXml).noquote()
            << QStringLiteral("malformed XML file %1: unsupported encoding %2").arg(aName, aDeclaredName);
        return std::nullopt;
    }
    QStringDecoder aDecoder(*anEncoding);
    const QString aText = aDecoder.decode(theData);
    if (aDecoder.hasError()) {
        qCWarning(lcPlatformXml).noquote() << QStringLiteral("malformed XML file %1: the text is not valid %2")
                                                  .arg(aName, QLatin1StringView(aDecoder.name()));
        return std::nullopt;
    }

    const LMXMLGuardFinding aFinding = guardMarkup(aText, theMaximumDepth);
    switch (aFinding.myKind) {
    case LMXMLGuardFinding::Declaration:
        qCWarning(lcPlatformXml).noquote()
            << QStringLiteral("refused XML file %1: document type or entity declaration at line %2")
                   .arg(aName)
                   .arg(aFinding.myLine);
        return std::nullopt;
    case LMXMLGuardFinding::TooDeep:
        qCWarning(lcPlatformXml).noquote()
            << QStringLiteral("refused XML file %1: elements nested deeper than %2 levels at line %3")
                   .arg(aName)
                   .arg(theMaximumDepth)
                   .arg(aFinding.myLine);
        return std::nullopt;
    case LMXMLGuardFinding::LongAttribute:
        qCWarning(lcPlatformXml).noquote()
            << QStringLiteral("refused XML file %1: an attribute longer than %2 characters at line %3")
                   .arg(aName)
                   .arg(LMXMLLoader::ourMaximumAttributeLength)
                   .arg(aFinding.myLine);
        return std::nullopt;
    case LMXMLGuardFinding::Nothing:
        break;
    }
    if (theElements)
        *theElements = aFinding.myElements;
    return aText;
}

} // namespace

QDomDocument LMXMLLoader::loadDocument(const QFileInfo& theFile)
{
    const std::optional<QByteArray> aData = readFile(theFile);
    return aData ? loadDocumentFromData(*aData, theFile.absoluteFilePath()) : QDomDocument();
}

QDomDocument LMXMLLoader::loadDocument(const QFileInfo& theFile, qsizetype theMaximumElements)
{
    qsizetype anElements = 0;
    const std::optional<QString> aText = loadText(theFile, &anElements);
    if (!aText || !withinElements(anElements, theMaximumElements, theFile.absoluteFilePath()))
        return QDomDocument();
    return parseText(*aText, theFile.absoluteFilePath());
}

bool LMXMLLoader::withinElements(qsizetype theElements, qsizetype theMaximumElements, const QString& theNameForMessages)
{
    if (theElements <= theMaximumElements)
        return true;
    qCWarning(lcPlatformXml).noquote()
        << QStringLiteral("refused XML file %1: more than %2 elements").arg(theNameForMessages).arg(theMaximumElements);
    return false;
}

std::optional<QString> LMXMLLoader::loadText(const QFileInfo& theFile, qsizetype* theElements)
{
    const std::optional<QByteArray> aData = readFile(theFile);
    if (!aData)
        return std::nullopt;
    return guardedText(*aData, theFile.absoluteFilePath(), ourMaximumSize, ourMaximumDepth, theElements);
}

std::optional<QString> LMXMLLoader::loadTextFromData(const QByteArray& theData, const QString& theNameForMessages)
{
    return guardedText(theData, theNameForMessages, ourMaximumSize, ourMaximumDepth);
}

void LMXMLLoader::prepareReader(QXmlStreamReader& theReader)
{
    theReader.setNamespaceProcessing(false);
}

QDomDocument LMXMLLoader::parseText(const QString& theText, const QString& theNameForMessages)
{
    QDomDocument aDocument;
    // A new reader for each document: a cleared one keeps state of earlier documents.
    QXmlStreamReader aReader(theText);
    prepareReader(aReader);
    QString aMessage;
    int aLine = 0;
    int aColumn = 0;
    if (!aDocument.setContent(&aReader, false, &aMessage, &aLine, &aColumn)) {
        warnMalformed(theNameForMessages, aLine, aColumn, aMessage);
        return QDomDocument();
    }
    return aDocument;
}

void LMXMLLoader::warnMalformed(const QString& theNameForMessages, const QXmlStreamReader& theReader)
{
    warnMalformed(theNameForMessages, int(theReader.lineNumber()), int(theReader.columnNumber()),
                  theReader.errorString());
}

void LMXMLLoader::warnMalformed(const QString& theNameForMessages, int theLine, int theColumn,
                                const QString& theMessage)
{
    qCWarning(lcPlatformXml).noquote() << QStringLiteral("malformed XML file %1 at line %2, column %3: %4")
                                              .arg(theNameForMessages)
                                              .arg(theLine)
                                              .arg(theColumn)
                                              .arg(theMessage);
}

QDomElement LMXMLLoader::loadDocumentElement(const QFileInfo& theFile)
{
    return loadDocument(theFile).documentElement();
}

QDomDocument LMXMLLoader::loadDocumentFromData(const QByteArray& theData, const QString& theNameForMessages)
{
    return loadDocumentFromData(theData, theNameForMessages, ourMaximumSize, ourMaximumDepth);
}

QDomDocument LMXMLLoader::loadDocumentFromData(const QByteArray& theData, const QString& theNameForMessages,
                                               qint64 theMaximumSize, int theMaximumDepth)
{
    Q_ASSERT_X(theMaximumSize >= 0 && theMaximumSize <= ourMaximumSize, "LMXMLLoader::loadDocumentFromData",
               "the size bound may only be tightened");
    Q_ASSERT_X(theMaximumDepth >= 1 && theMaximumDepth <= ourMaximumDepth, "LMXMLLoader::loadDocumentFromData",
               "the depth bound may only be tightened");
    const std::optional<QString> aText = guardedText(theData, theNameForMessages, theMaximumSize, theMaximumDepth);
    return aText ? parseText(*aText, theNameForMessages) : QDomDocument();
}
