#include "LMFileHandler.h"

#include "LMDirectoryConfig.h"
#include "LMPlatformLogging.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// "scheme:" as URLs begin; a Windows drive letter is refused by it as well, which is right here.
const QRegularExpression& urlSchemeExpression()
{
    static const QRegularExpression anExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return anExpression;
}

QString refuseReference(const QString& theReference, const QString& theReason)
{
    qCWarning(lcPlatformFoto).noquote()
        << QStringLiteral("refused file reference \"%1\": %2").arg(theReference, theReason);
    return QString();
}

bool isInside(const QString& theCanonicalRoot, const QString& theCanonicalPath)
{
    if (theCanonicalPath == theCanonicalRoot)
        return true;
    const QString aPrefix
        = theCanonicalRoot.endsWith(QLatin1Char('/')) ? theCanonicalRoot : theCanonicalRoot + QLatin1Char('/');
    return theCanonicalPath.startsWith(aPrefix);
}

} // namespace

QString LMFileHandler::makeRelativeResourceReference(const QString& thePath)
{
    if (thePath.isEmpty())
        return QString();
    // Relative paths are never resolved against the working directory.
    if (QDir::isRelativePath(thePath))
        return QDir::cleanPath(thePath);
    const QString anAbsolute = QDir::cleanPath(thePath);
    const LMDirectoryConfig* aConfig = LMDirectoryConfig::instance();
    if (!aConfig->isInsideContentTree(anAbsolute))
        return anAbsolute;
    return QDir(aConfig->contentRoot()).relativeFilePath(anAbsolute);
}

QString LMFileHandler::resolveContentReference(const QString& theBaseFolder, const QString& theReference,
                                               MissingFile theMissingFile)
{
    const QString aReference = theReference.trimmed();
    if (aReference.isEmpty() || aReference.startsWith(QLatin1Char('#'))
        || aReference.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return QString();
    if (aReference.startsWith(QLatin1Char(':')))
        return refuseReference(theReference, QStringLiteral("resource paths are not content files"));
    if (urlSchemeExpression().match(aReference).hasMatch())
        return refuseReference(theReference, QStringLiteral("URLs are not content files"));
    if (aReference.contains(QChar(0)))
        return refuseReference(theReference, QStringLiteral("not a file name"));

    const qsizetype aFragment = aReference.indexOf(QLatin1Char('#'));
    const QString aFilePart = aFragment < 0 ? aReference : aReference.first(aFragment);

    const QString aRoot = QFileInfo(LMDirectoryConfig::instance()->contentRoot()).canonicalFilePath();
    if (aRoot.isEmpty())
        return refuseReference(theReference, QStringLiteral("the content tree does not exist"));
    const QString aBase = theBaseFolder.isEmpty() ? aRoot : theBaseFolder;
    // canonicalFilePath follows every symbolic link and "..", so the test below sees where the
    // file really is.
    const QFileInfo aFile(QDir(aBase).absoluteFilePath(aFilePart));
    const QString aCanonical = aFile.canonicalFilePath();
    if (aCanonical.isEmpty()) {
        // A missing file is only worth naming as such when it would lie inside the tree.
        const QString aClean = QDir::cleanPath(aFile.absoluteFilePath());
        if (!LMDirectoryConfig::instance()->isInsideContentTree(aClean) && !isInside(aRoot, aClean))
            return refuseReference(theReference, QStringLiteral("outside the content tree"));
        if (theMissingFile == MissingFile::Accepted)
            return aClean;
        return refuseReference(theReference, QStringLiteral("no such file"));
    }
    if (!isInside(aRoot, aCanonical))
        return refuseReference(theReference, QStringLiteral("outside the content tree"));
    if (!QFileInfo(aCanonical).isFile())
        return refuseReference(theReference, QStringLiteral("not a file"));
    return aCanonical;
}
