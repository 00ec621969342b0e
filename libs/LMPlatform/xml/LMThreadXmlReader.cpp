#include "LMThreadXmlReader.h"

#include <memory>

namespace {
// A reader remembers the entities its documents declared, and clear() does not forget them: after
// a document that may have declared some (one with a document type declaration, or one in an
// encoding whose bytes do not show it), the next caller gets a new reader.
struct LMThreadReader
{
    std::unique_ptr<QXmlStreamReader> myReader;
    bool myMayHoldDeclarations = false;
};

QXmlStreamReader& clearedReader(bool theMayDeclare)
{
    thread_local LMThreadReader ourReader;
    if (!ourReader.myReader || ourReader.myMayHoldDeclarations)
        ourReader.myReader = std::make_unique<QXmlStreamReader>();
    else
        ourReader.myReader->clear();
    ourReader.myReader->setNamespaceProcessing(true);
    ourReader.myMayHoldDeclarations = theMayDeclare;
    return *ourReader.myReader;
}

const char DOCTYPE[] = "<!DOCTYPE";

// Entities are declared only in a document type declaration. Its bytes are those of ASCII in every
// encoding the reader takes except UTF-16 and UTF-32, whose text has zero bytes near its start.
bool mayDeclare(const QByteArray& theData)
{
    const QByteArray aHead = theData.first(qMin<qsizetype>(theData.size(), 4));
    return aHead.contains('\0') || aHead.startsWith("\xfe\xff") || aHead.startsWith("\xff\xfe")
        || theData.contains(DOCTYPE);
}
} // namespace

QXmlStreamReader& LMThreadXmlReader::of(const QByteArray& theData)
{
    QXmlStreamReader& aReader = clearedReader(mayDeclare(theData));
    aReader.addData(theData);
    return aReader;
}

QXmlStreamReader& LMThreadXmlReader::of(const QString& theText)
{
    QXmlStreamReader& aReader = clearedReader(theText.contains(QLatin1String(DOCTYPE)));
    aReader.addData(theText);
    return aReader;
}
