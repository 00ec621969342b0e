#include "LMFoto.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString STR_FILE = QStringLiteral("file");
const QString STR_HTTP = QStringLiteral("http");
const QString STR_HTTPS = QStringLiteral("https");

const QRegularExpression& windowsDrivePattern()
{
    static const QRegularExpression ourPattern(QStringLiteral("^[A-Za-z]:[/\\\\]"));
    return ourPattern;
}

QUrl acceptedUrl(const QUrl& theUrl)
{
    if (!theUrl.isValid() || theUrl.isEmpty())
        return QUrl();
    if (theUrl.isLocalFile()) {
        const QString aPath = theUrl.toLocalFile();
        return aPath.isEmpty() ? QUrl() : QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(aPath).absoluteFilePath()));
    }
    const QString aScheme = theUrl.scheme().toLower();
    if ((aScheme == STR_HTTP || aScheme == STR_HTTPS) && !theUrl.host().isEmpty())
        return theUrl;
    return QUrl();
}
} // namespace

LMFoto::LMFoto(const QFileInfo& theFile)
{
    if (!theFile.filePath().isEmpty())
        myUrl = QUrl::fromLocalFile(QDir::cleanPath(theFile.absoluteFilePath()));
}

LMFoto::LMFoto(const QUrl& theUrl) : myUrl(acceptedUrl(theUrl)) { }

LMFoto LMFoto::fromString(const QString& theText, const QString& theBasePath)
{
    const QString aText = theText.trimmed();
    if (aText.isEmpty())
        return LMFoto();
    const bool isUrl = !windowsDrivePattern().match(aText).hasMatch()
        && (aText.contains(QLatin1String("://")) || aText.startsWith(QLatin1String("file:"), Qt::CaseInsensitive));
    if (isUrl)
        return LMFoto(QUrl(aText, QUrl::TolerantMode));
    if (QDir::isAbsolutePath(aText) || theBasePath.isEmpty())
        return LMFoto(QFileInfo(aText));
    return LMFoto(QFileInfo(QDir(theBasePath), aText));
}

QString LMFoto::filenameHint() const
{
    return myUrl.fileName();
}

size_t LMFoto::hash() const
{
    return qHash(myUrl);
}

QDebug operator<<(QDebug theDebug, const LMFoto& theFoto)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMFoto(" << theFoto.url().toString() << ')';
    return theDebug;
}
