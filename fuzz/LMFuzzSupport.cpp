#include "LMFuzzSupport.h"

#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

QTemporaryDir& contentTree()
{
    static QTemporaryDir ourDir;
    return ourDir;
}

} // namespace

void LMFuzzSupport::init()
{
    static bool ourDone = false;
    if (ourDone)
        return;
    ourDone = true;
    static int ourArgc = 1;
    static char ourName[] = "lm_fuzz";
    static char* ourArgv[] = { ourName, nullptr };
    static QCoreApplication ourApplication(ourArgc, ourArgv);
    qInstallMessageHandler(dropMessage);

    const QDir aRoot(contentTree().path());
    aRoot.mkpath(QStringLiteral("products"));
    aRoot.mkpath(QStringLiteral("user"));
    QFile aCatalogue(aRoot.filePath(QStringLiteral("products/catalogue.json")));
    if (aCatalogue.open(QIODevice::WriteOnly))
        aCatalogue.write(
            R"({"articles": [{"id": 1, "orderName": "BOOK", "class": "photobook", "orientation": "portrait"}]})");
    aCatalogue.close();
    LMDirectoryConfig::instance()->setContentRoot(aRoot.path());
    LMDirectoryConfig::instance()->setUserDataDir(aRoot.filePath(QStringLiteral("user")));
    LMProductCatalogue::instance()->reload();
}

QFileInfo LMFuzzSupport::writeInput(const QString& theName, const uint8_t* theData, size_t theSize)
{
    const QString aPath = QDir(contentTree().path()).filePath(theName);
    QDir().mkpath(QFileInfo(aPath).absolutePath());
    QFile aFile(aPath);
    if (aFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        aFile.write(reinterpret_cast<const char*>(theData), static_cast<qint64>(theSize));
    return QFileInfo(aPath);
}

QString LMFuzzSupport::basePath()
{
    return contentTree().path() + QLatin1Char('/');
}

void LMFuzzSupport::deleteAll(const LMUnconfiguredTemplateList& theTemplates)
{
    for (LMUnconfiguredTemplate aTemplate : theTemplates)
        aTemplate.deleteTemplate();
}
