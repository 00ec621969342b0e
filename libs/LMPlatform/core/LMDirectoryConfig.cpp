#include "LMDirectoryConfig.h"

#include "LMSingletonDefinition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dlfcn.h>

LM_DEFINE_SINGLETON(LMDirectoryConfig)

namespace {

// Beside the library in a build tree only: the sample content of the sources, on its first line.
const QString STR_BUILD_TREE_SAMPLE = QStringLiteral("lmtemplates-sample-content.txt");

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
const QString STR_BLACK_LIST_FILE = QStringLiteral("black_list.conf");
const QString STR_DOWNLOADS = QStringLiteral("downloads");
const QString STR_DECORATIONS = QStringLiteral("decorations");
const QString STR_CATEGORIES = QStringLiteral("categories");
const QString STR_STYLES = QStringLiteral("styles");
const QString STR_ADD_ONS = QStringLiteral("addons");

// Directory kinds whose folder names the content tree fixes.
enum DirectoryKind : int {
    DesignsKind = 0x1,
    TemplatesKind = 0x20,
    CalendarsKind = 0x10000,
    GamesKind = 0x20000,
    CardsKind = 0x40000,
};

bool isInside(const QString& thePath, const QString& theFolder)
{
    return thePath == theFolder || thePath.startsWith(theFolder + QLatin1Char('/'));
}

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
    // Installed, the sample lies at a fixed place relative to this library's own file; in a build
    // tree the file beside the library names the project's source folder.
    static const QString ourRoot = []() {
        Dl_info anInfo;
        if (!dladdr(reinterpret_cast<void*>(&LMDirectoryConfig::sampleContentRoot), &anInfo) || !anInfo.dli_fname)
            return QString();
        const QDir aLibraryDir = QFileInfo(QString::fromLocal8Bit(anInfo.dli_fname)).absoluteDir();
        const QString anInstalled
            = QDir::cleanPath(aLibraryDir.absoluteFilePath(QStringLiteral(LM_SAMPLE_CONTENT_FROM_LIBDIR)));
        if (QFileInfo(anInstalled).isDir())
            return anInstalled;
        QFile aBuildTree(aLibraryDir.absoluteFilePath(STR_BUILD_TREE_SAMPLE));
        if (aBuildTree.open(QIODevice::ReadOnly))
            return QString::fromUtf8(aBuildTree.readLine()).trimmed();
        return anInstalled;
    }();
    return ourRoot;
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
    return isInside(aPath, aRoot) || isInside(aPath, downloadsDirectory());
}

bool LMDirectoryConfig::reallyLiesInsideContentTree(const QString& thePath) const
{
    const QString aPath = QFileInfo(QDir(contentRoot()).absoluteFilePath(thePath)).canonicalFilePath();
    if (aPath.isEmpty())
        return false;
    const auto aReally = [](const QString& theFolder) {
        const QString aCanonical = QFileInfo(theFolder).canonicalFilePath();
        return aCanonical.isEmpty() ? theFolder : aCanonical;
    };
    return isInside(aPath, aReally(contentRoot())) || isInside(aPath, aReally(downloadsDirectory()));
}

void LMDirectoryConfig::setContentRoot(const QString& thePath)
{
    const QString aRoot = cleanAbsolute(thePath.isEmpty() ? defaultContentRoot() : thePath);
    const QWriteLocker aLocker(&myLock);
    myContentRoot = aRoot;
    myDecorationDirectoriesKnown = false;
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
    myDecorationDirectoriesKnown = false;
}

QString LMDirectoryConfig::whiteListFile(bool theUserCopy) const
{
    const QString aFolder = theUserCopy ? userDataDir() : contentRoot();
    return QDir::cleanPath(aFolder + QLatin1Char('/') + STR_WHITE_LIST_FILE);
}

QList<QDir> LMDirectoryConfig::templateDirectories() const
{
    QList<QDir> aDirectories;
    for (const QString& aRoot : { contentRoot(), downloadsDirectory() }) {
        for (const int aKind : { TemplatesKind, DesignsKind }) {
            const QDir aDirectory(aRoot + QLatin1Char('/') + directoryName(aKind));
            if (aDirectory.exists())
                aDirectories.append(aDirectory);
        }
    }
    return aDirectories;
}

QString LMDirectoryConfig::directoryName(int theKind) const
{
    switch (theKind) {
    case DesignsKind:
        return QStringLiteral("designs");
    case TemplatesKind:
        return QStringLiteral("templates");
    case CalendarsKind:
        return QStringLiteral("calendars");
    case GamesKind:
        return QStringLiteral("games");
    case CardsKind:
        return QStringLiteral("cards");
    default:
        return QString();
    }
}

QString LMDirectoryConfig::downloadsDirectory() const
{
    return QDir::cleanPath(userDataDir() + QLatin1Char('/') + STR_DOWNLOADS);
}

QList<QDir> LMDirectoryConfig::decorationDirectories() const
{
    {
        const QReadLocker aLocker(&myLock);
        if (myDecorationDirectoriesKnown)
            return myDecorationDirectories;
    }
    QList<QDir> aDirectories;
    QStringList aSeen;
    for (const QString& aRoot : { contentRoot(), downloadsDirectory(), userDataDir() }) {
        const QDir aDirectory(QDir::cleanPath(aRoot + QLatin1Char('/') + STR_DECORATIONS));
        if (aDirectory.exists() && !aSeen.contains(aDirectory.absolutePath())) {
            aSeen.append(aDirectory.absolutePath());
            aDirectories.append(aDirectory);
        }
    }
    const QWriteLocker aLocker(&myLock);
    myDecorationDirectories = aDirectories;
    myDecorationDirectoriesKnown = true;
    return aDirectories;
}

void LMDirectoryConfig::invalidateDecorationDirectoryCache()
{
    const QWriteLocker aLocker(&myLock);
    myDecorationDirectoriesKnown = false;
}

QString LMDirectoryConfig::userDecorationsDirectory() const
{
    return QDir::cleanPath(userDataDir() + QLatin1Char('/') + STR_DECORATIONS);
}

QList<QDir> LMDirectoryConfig::styleDirectories() const
{
    QList<QDir> aDirectories;
    for (const QString& aFolder :
         { contentPath(STR_STYLES), QDir::cleanPath(downloadsDirectory() + QLatin1Char('/') + STR_STYLES),
           addOnsBasePath() }) {
        const QDir aDirectory(aFolder);
        if (aDirectory.exists())
            aDirectories.append(aDirectory);
    }
    return aDirectories;
}

QString LMDirectoryConfig::addOnsBasePath() const
{
    return QDir::cleanPath(userDataDir() + QLatin1Char('/') + STR_ADD_ONS);
}

QString LMDirectoryConfig::blackListFile() const
{
    return contentPath(STR_BLACK_LIST_FILE);
}

QDir LMDirectoryConfig::categoriesDir() const
{
    return QDir(contentPath(directoryName(TemplatesKind) + QLatin1Char('/') + STR_CATEGORIES));
}
