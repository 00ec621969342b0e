#include "LMTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <csignal>
#include <sys/resource.h>

namespace LMTestSupport {

QString dataPath(const QString& theRelativePath)
{
    return QDir(QStringLiteral(LM_TEST_DATA_DIR)).absoluteFilePath(theRelativePath);
}

QString writeFile(const QTemporaryDir& theDir, const QString& theRelativePath, const QByteArray& theContent)
{
    const QString aPath = theDir.filePath(theRelativePath);
    QDir().mkpath(QFileInfo(aPath).absolutePath());
    QFile aFile(aPath);
    if (!aFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write fixture %s", qPrintable(aPath));
    aFile.write(theContent);
    return aPath;
}

QByteArray fixture(const QString& theRelativePath)
{
    QFile aFile(dataPath(theRelativePath));
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray();
}

bool copyFixtureTree(const QString& theRelativePath, const QString& theTarget)
{
    const QDir aSource(dataPath(theRelativePath));
    QDirIterator anIt(aSource.path(), QDir::Files, QDirIterator::Subdirectories);
    bool anOk = aSource.exists();
    while (anIt.hasNext()) {
        const QString aTarget = QDir(theTarget).filePath(aSource.relativeFilePath(anIt.next()));
        anOk = QDir().mkpath(QFileInfo(aTarget).absolutePath()) && QFile::copy(anIt.filePath(), aTarget)
            && QFile::setPermissions(aTarget, QFileDevice::ReadOwner | QFileDevice::WriteOwner) && anOk;
    }
    return anOk;
}

QString jsonDump(const QJsonObject& theObject, const char* theKeys)
{
    QStringList aPairs;
    for (const QString& aKey : words(theKeys)) {
        QJsonValue aValue = theObject;
        for (const QString& aPart : aKey.split(QLatin1Char('/')))
            aValue = aValue.toObject().value(aPart);
        QString aText = aValue.isArray() ? QStringLiteral("#%1").arg(aValue.toArray().size())
            : aValue.isUndefined()       ? QStringLiteral("-")
                                         : aValue.toVariant().toString();
        aPairs.append(aKey + QLatin1Char('=') + aText);
    }
    return aPairs.join(QLatin1Char(' '));
}

QDomElement elementWithId(const QDomElement& theElement, const QString& theId)
{
    if (theElement.attribute(QStringLiteral("id")) == theId)
        return theElement;
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        const QDomElement aFound = elementWithId(aChild, theId);
        if (!aFound.isNull())
            return aFound;
    }
    return QDomElement();
}

QStringList templateNames(const LMUnconfiguredTemplateList& theTemplates)
{
    QStringList aNames;
    for (const LMUnconfiguredTemplate& aTemplate : theTemplates)
        aNames.append(aTemplate.name());
    return aNames;
}

FileSizeLimit::FileSizeLimit(unsigned long theBytes)
{
    rlimit aLimit {};
    if (getrlimit(RLIMIT_FSIZE, &aLimit) != 0)
        return;
    myPreviousLimit = aLimit.rlim_cur;
    aLimit.rlim_cur = theBytes;
    if (setrlimit(RLIMIT_FSIZE, &aLimit) != 0)
        return;
    myPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    myActive = true;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!myActive)
        return;
    rlimit aLimit {};
    getrlimit(RLIMIT_FSIZE, &aLimit);
    aLimit.rlim_cur = myPreviousLimit;
    setrlimit(RLIMIT_FSIZE, &aLimit);
    std::signal(SIGXFSZ, myPreviousHandler);
}

} // namespace LMTestSupport
