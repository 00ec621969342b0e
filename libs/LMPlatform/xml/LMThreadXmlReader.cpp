#include "LMThreadXmlReader.h"

#include <memory>

namespace {
// A new reader for every document. A cleared reader is not a new one: it keeps the entities an
// earlier document declared, and the fuzzer found Qt 6.4's reader reading past its buffer (in the
// data of a processing instruction) when it was cleared after some documents and given another.
QXmlStreamReader& newReader()
{
    thread_local std::unique_ptr<QXmlStreamReader> ourReader;
    ourReader = std::make_unique<QXmlStreamReader>();
    return *ourReader;
}
} // namespace

QXmlStreamReader& LMThreadXmlReader::of(const QByteArray& theData)
{
    QXmlStreamReader& aReader = newReader();
    aReader.addData(theData);
    return aReader;
}

QXmlStreamReader& LMThreadXmlReader::of(const QString& theText)
{
    QXmlStreamReader& aReader = newReader();
    aReader.addData(theText);
    return aReader;
}
