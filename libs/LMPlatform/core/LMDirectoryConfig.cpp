#include "LMDirectoryConfig.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMDirectoryConfig)

namespace {

QString defaultContentRoot()
{
    const QString anEnvironment = qEnvironmentVariable("LM_CONTENT_DIR");
    return anEnvironment.isEmpty() ? LMDirectoryConfig::sampleContentRoot() : anEnvironment;
}

QString cleanAbsolute(const QString& thePath)
{
    return QDir::cleanPath(QDir(thePath).absolutePath());
}

} // namespace

LMDirectoryConfig::LMDirectoryConfig() : myContentRoot(cleanAbsolute(defaultContentRoot())) { }

QString LMDirectoryConfig::sampleContentRoot()
{
    return QStringLiteral(LM_SAMPLE_CONTENT_DIR);
}

QString LMDirectoryConfig::contentRoot() const
{
    const QReadLocker aLocker(&myLock);
    return myContentRoot;
}

QString LMDirectoryConfig::contentPath(const QString& theRelativePath) const
{
    return QDir::cleanPath(contentRoot() + QLatin1Char('/') + theRelativePath);
}

QString LMDirectoryConfig::legacyDesignsFolder() const
{
    return contentPath(QStringLiteral("legacy"));
}

bool LMDirectoryConfig::isInsideContentTree(const QString& thePath) const
{
    const QString aRoot = contentRoot();
    const QString aPath = QDir::cleanPath(QDir(aRoot).absoluteFilePath(thePath));
    return aPath == aRoot || aPath.startsWith(aRoot + QLatin1Char('/'));
}

void LMDirectoryConfig::setContentRoot(const QString& thePath)
{
    const QString aRoot = cleanAbsolute(thePath.isEmpty() ? defaultContentRoot() : thePath);
    const QWriteLocker aLocker(&myLock);
    myContentRoot = aRoot;
}
