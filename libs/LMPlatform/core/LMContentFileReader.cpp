#include "LMContentFileReader.h"

#include <QFile>
#include <QFileInfo>

LMContentFileReader::Result LMContentFileReader::read(const QString& thePath, qint64 theMaximumSize)
{
    Result aResult;
    // A fresh look: a caller's QFileInfo may hold what the file was some time ago.
    const QFileInfo anInfo(thePath);
    if (!anInfo.exists()) {
        aResult.status = Status::NotFound;
        return aResult;
    }
    if (!anInfo.isFile()) {
        aResult.status = Status::NotRegular;
        return aResult;
    }
    if (anInfo.size() > theMaximumSize) {
        aResult.status = Status::TooLarge;
        return aResult;
    }
    QFile aFile(thePath);
    if (!aFile.open(QIODevice::ReadOnly)) {
        aResult.status = Status::Unreadable;
        aResult.errorString = aFile.errorString();
        return aResult;
    }
    const qint64 aSize = aFile.size();
    if (aSize > theMaximumSize) {
        aResult.status = Status::TooLarge;
        return aResult;
    }
    // One byte more than expected tells whether the file grew while it was read.
    QByteArray aData(qsizetype(aSize + 1), Qt::Uninitialized);
    qint64 aRead = 0;
    while (aRead < aData.size()) {
        const qint64 aChunk = aFile.read(aData.data() + aRead, aData.size() - aRead);
        if (aChunk < 0) {
            aResult.status = Status::Unreadable;
            aResult.errorString = aFile.errorString();
            return aResult;
        }
        if (aChunk == 0)
            break;
        aRead += aChunk;
    }
    if (aRead > aSize) {
        aResult.status = Status::Changed;
        return aResult;
    }
    aData.truncate(aRead);
    aResult.status = Status::Read;
    aResult.data = std::move(aData);
    return aResult;
}

QString LMContentFileReader::reason(const Result& theResult, qint64 theMaximumSize)
{
    switch (theResult.status) {
    case Status::Read:
        return QString();
    case Status::NotFound:
        return QStringLiteral("not found");
    case Status::NotRegular:
        return QStringLiteral("not a regular file");
    case Status::TooLarge:
        return QStringLiteral("larger than %1 bytes").arg(theMaximumSize);
    case Status::Unreadable:
        return theResult.errorString;
    case Status::Changed:
        return QStringLiteral("it changed while it was read");
    }
    return QString();
}
