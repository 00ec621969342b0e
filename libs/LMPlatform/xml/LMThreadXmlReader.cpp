#include "LMThreadXmlReader.h"

namespace {
QXmlStreamReader& clearedReader()
{
    thread_local QXmlStreamReader ourReader;
    ourReader.clear();
    ourReader.setNamespaceProcessing(true);
    return ourReader;
}
} // namespace

QXmlStreamReader& LMThreadXmlReader::of(const QByteArray& theData)
{
    QXmlStreamReader& aReader = clearedReader();
    aReader.addData(theData);
    return aReader;
}

QXmlStreamReader& LMThreadXmlReader::of(const QString& theText)
{
    QXmlStreamReader& aReader = clearedReader();
    aReader.addData(theText);
    return aReader;
}
