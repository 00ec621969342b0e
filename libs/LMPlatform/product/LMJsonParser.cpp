#include "LMJsonParser.h"

#include "LMPlatformLogging.h"

#include <QFile>
#include <QJsonParseError>

QJsonDocument LMJsonParser::loadDocument(const QFileInfo& theFile)
{
    QFile aFile(theFile.absoluteFilePath());
    if (!aFile.open(QIODevice::ReadOnly)) {
        qCWarning(lcPlatformProduct).noquote()
            << QStringLiteral("cannot read JSON file %1: %2").arg(theFile.absoluteFilePath(), aFile.errorString());
        return QJsonDocument();
    }
    QJsonParseError anError;
    const QJsonDocument aDocument = QJsonDocument::fromJson(aFile.readAll(), &anError);
    if (anError.error != QJsonParseError::NoError) {
        qCWarning(lcPlatformProduct).noquote() << QStringLiteral("malformed JSON in %1: %2 at offset %3")
                                                      .arg(theFile.absoluteFilePath(), anError.errorString())
                                                      .arg(anError.offset);
        return QJsonDocument();
    }
    return aDocument;
}
