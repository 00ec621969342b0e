#include "LMFileHandler.h"

#include "LMDirectoryConfig.h"

#include <QDir>

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
