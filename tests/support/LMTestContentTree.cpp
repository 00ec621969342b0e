#include "LMTestContentTree.h"

#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTestSupport.h"

#include <QDir>

namespace LMTestSupport {

bool useContentTree(const QTemporaryDir& theDir, const QByteArray& theCatalogue)
{
    writeFile(theDir, QStringLiteral("content/products/catalogue.json"), theCatalogue);
    LMDirectoryConfig::instance()->setContentRoot(theDir.filePath(QStringLiteral("content")));
    LMDirectoryConfig::instance()->setUserDataDir(theDir.filePath(QStringLiteral("user")));
    return !theCatalogue.isEmpty() && QDir().mkpath(theDir.filePath(QStringLiteral("user")))
        && LMProductCatalogue::instance()->reload();
}

ContentTree::ContentTree(const QByteArray& theCatalogue)
    : myValid(myDir.isValid() && useContentTree(myDir, theCatalogue))
{
}

QString ContentTree::contentPath(const QString& theRelativePath) const
{
    return QDir(myDir.filePath(QStringLiteral("content"))).filePath(theRelativePath);
}

QString ContentTree::userPath(const QString& theRelativePath) const
{
    return QDir(myDir.filePath(QStringLiteral("user"))).filePath(theRelativePath);
}

QString ContentTree::write(const QString& theRelativePath, const QByteArray& theContent) const
{
    return writeFile(myDir, QStringLiteral("content/") + theRelativePath, theContent);
}

} // namespace LMTestSupport
