#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace LMTestSupport
