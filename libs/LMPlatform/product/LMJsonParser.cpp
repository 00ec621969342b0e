#include "LMJsonParser.h"

#include "LMContentFileReader.h"
#include "LMPlatformLogging.h"

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
    const LMContentFileReader::Result aFile = LMContentFileReader::read(aPath, ourMaximumSize);
    if (aFile.status == LMContentFileReader::Status::TooLarge) {
        warnTooLarge(aPath);
        return QJsonDocument();
    }
    if (!aFile.isRead()) {
        qCWarning(lcPlatformProduct).noquote() << QStringLiteral("cannot read JSON file %1: %2")
                                                      .arg(aPath, LMContentFileReader::reason(aFile, ourMaximumSize));
        return QJsonDocument();
    }
    QJsonParseError anError;
    const QJsonDocument aDocument = QJsonDocument::fromJson(aFile.data, &anError);
    if (anError.error != QJsonParseError::NoError) {
        qCWarning(lcPlatformProduct).noquote() << QStringLiteral("malformed JSON in %1: %2 at offset %3")
                                                      .arg(theFile.absoluteFilePath(), anError.errorString())
                                                      .arg(anError.offset);
        return QJsonDocument();
    }
    return aDocument;
}
