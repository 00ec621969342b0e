#include "LMDirectoryConfig.h"

#include "LMSingletonDefinition.h"

#include <QStandardPaths>

LM_DEFINE_SINGLETON(LMDirectoryConfig)

namespace {

QString defaultContentRoot()
{
    const QString anEnvironment = qEnvironmentVariable("LM_CONTENT_DIR");
    return anEnvironment.isEmpty() ? LMDirectoryConfig::sampleContentRoot() : anEnvironment;
}

QString defaultUserDataDir()
{
    const QString anEnvironment = qEnvironmentVariable("LM_USER_DATA_DIR");
    return anEnvironment.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                                   : anEnvironment;
}

const QString STR_WHITE_LIST_FILE = QStringLiteral("white_list.conf");

QString cleanAbsolute(const QString& thePath)
{
    return QDir::cleanPath(QDir(thePath).absolutePath());
}

} // namespace

LMDirectoryConfig::LMDirectoryConfig()
    : myContentRoot(cleanAbsolute(defaultContentRoot())), myUserDataDir(cleanAbsolute(defaultUserDataDir()))
{
}

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

QString LMDirectoryConfig::userDataDir() const
{
    const QReadLocker aLocker(&myLock);
    return myUserDataDir;
}

void LMDirectoryConfig::setUserDataDir(const QString& thePath)
{
    const QString aFolder = cleanAbsolute(thePath.isEmpty() ? defaultUserDataDir() : thePath);
    const QWriteLocker aLocker(&myLock);
    myUserDataDir = aFolder;
}

QString LMDirectoryConfig::whiteListFile(bool theUserCopy) const
{
    const QString aFolder = theUserCopy ? userDataDir() : contentRoot();
    return QDir::cleanPath(aFolder + QLatin1Char('/') + STR_WHITE_LIST_FILE);
}
