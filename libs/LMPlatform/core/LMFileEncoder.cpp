#include "LMFileEncoder.h"

#include <QByteArray>

QString LMFileEncoder::encodedFilenameCLP(const QString& thePath)
{
    QByteArray anEncoded = thePath.toUtf8().toPercentEncoding(QByteArray(), QByteArrayLiteral("_~"));
    anEncoded.replace('%', '_');
    return QString::fromLatin1(anEncoded);
}

QString LMFileEncoder::decodedFilenameCLP(const QString& theEncoded)
{
    QByteArray aText = theEncoded.toLatin1();
    aText.replace('_', '%');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(aText));
}
