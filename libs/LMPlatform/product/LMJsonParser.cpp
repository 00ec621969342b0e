#include "LMJsonParser.h"

#include "LMPlatformLogging.h"

#include <QFile>
#include <QJsonParseError>

namespace {
void warnTooLarge(const QString& thePath)
{
    qCWarning(lcPlatformProduct).noquote()
        << QStringLiteral("refused JSON file %1: larger than %2 bytes").arg(thePath).arg(LMJsonParser::ourMaximumSize);
}
} // namespace

QJsonDocument LMJsonParser::loadDocument(const QFileInfo& theFile)
{
    const QString aPath = theFile.absoluteFilePath();
    // A fresh look, and never open() on a pipe or device: it would wait for a writer forever.
    const QFileInfo anInfo(aPath);
    if (anInfo.exists() && !anInfo.isFile()) {
        qCWarning(lcPlatformProduct).noquote()
            << QStringLiteral("cannot read JSON file %1: not a regular file").arg(aPath);
        return QJsonDocument();
    }
    if (anInfo.size() > ourMaximumSize) {
        warnTooLarge(aPath);
        return QJsonDocument();
    }
    QFile aFile(aPath);
    if (!aFile.open(QIODevice::ReadOnly)) {
        qCWarning(lcPlatformProduct).noquote()
            << QStringLiteral("cannot read JSON file %1: %2").arg(aPath, aFile.errorString());
        return QJsonDocument();
    }
    // The file may have grown since it was looked at.
    const QByteArray aData = aFile.read(ourMaximumSize + 1);
    if (aData.size() > ourMaximumSize) {
        warnTooLarge(aPath);
        return QJsonDocument();
    }
    QJsonParseError anError;
    const QJsonDocument aDocument = QJsonDocument::fromJson(aData, &anError);
    if (anError.error != QJsonParseError::NoError) {
        qCWarning(lcPlatformProduct).noquote() << QStringLiteral("malformed JSON in %1: %2 at offset %3")
                                                      .arg(theFile.absoluteFilePath(), anError.errorString())
                                                      .arg(anError.offset);
        return QJsonDocument();
    }
    return aDocument;
}
