#include "LMCustomCardColorConfig.h"

#include "LMDirectoryConfig.h"
#include "LMPlatformLogging.h"
#include "LMSingletonDefinition.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

LM_DEFINE_SINGLETON(LMCustomCardColorConfig)

namespace {

const QString STR_CUSTOM_COLORS_FILE = QStringLiteral("css/customcolors.json");
const QString STR_SHEETS = QStringLiteral("sheets");
const QString STR_TITLE = QStringLiteral("title");
const QString STR_SHEET = QStringLiteral("sheet");
const QString STR_DEFAULT = QStringLiteral("default");

// The file is small; anything larger is not a colour list.
constexpr qint64 ourMaximumFileSize = 1024 * 1024;

void warn(const QString& thePath, const QString& theProblem)
{
    qCWarning(lcPlatformRender).noquote() << QStringLiteral("custom colour file %1: %2").arg(thePath, theProblem);
}

} // namespace

LMCssSheetTitleIdMap LMCustomCardColorConfig::readFile(const QString& thePath)
{
    LMCssSheetTitleIdMap aMap;
    const QFileInfo anInfo(thePath);
    if (!anInfo.exists())
        return aMap;
    if (!anInfo.isFile() || anInfo.size() > ourMaximumFileSize) {
        warn(thePath, QStringLiteral("not a regular file of at most %1 bytes").arg(ourMaximumFileSize));
        return aMap;
    }
    QFile aFile(thePath);
    if (!aFile.open(QIODevice::ReadOnly)) {
        warn(thePath, aFile.errorString());
        return aMap;
    }
    QJsonParseError anError;
    const QJsonDocument aDocument = QJsonDocument::fromJson(aFile.readAll(), &anError);
    if (anError.error != QJsonParseError::NoError || !aDocument.isObject()) {
        warn(thePath,
             anError.error != QJsonParseError::NoError ? anError.errorString() : QStringLiteral("not a JSON object"));
        return aMap;
    }
    const QJsonObject aRoot = aDocument.object();
    const QJsonValue aSheets = aRoot.value(STR_SHEETS);
    if (!aSheets.isUndefined() && !aSheets.isArray())
        warn(thePath, QStringLiteral("\"sheets\" is not a list"));
    const QJsonArray anEntries = aSheets.toArray();
    for (qsizetype anIndex = 0; anIndex < anEntries.size(); ++anIndex) {
        const QJsonObject anEntry = anEntries.at(anIndex).toObject();
        const QString aSheet = anEntry.value(STR_SHEET).toString().trimmed();
        if (aSheet.isEmpty()) {
            warn(thePath, QStringLiteral("entry %1 has no \"sheet\"").arg(anIndex));
            continue;
        }
        QString aTitle = anEntry.value(STR_TITLE).toString().trimmed();
        if (aTitle.isEmpty())
            aTitle = QFileInfo(aSheet).completeBaseName();
        aMap.insert(aTitle, aSheet);
    }
    const QString aDefault = aRoot.value(STR_DEFAULT).toString().trimmed();
    if (aMap.contains(aDefault))
        aMap.setDefaultTitle(aDefault);
    else if (!aDefault.isEmpty())
        warn(thePath, QStringLiteral("the default \"%1\" is no title of the list").arg(aDefault));
    return aMap;
}

LMCssSheetTitleIdMap LMCustomCardColorConfig::cssSheets() const
{
    quint64 aGeneration = 0;
    {
        const QReadLocker aLocker(&myLock);
        if (mySheets)
            return *mySheets;
        aGeneration = myGeneration;
    }
    // Read without the lock; a thread that lost the race takes what the winner stored.
    const LMCssSheetTitleIdMap aSheets = readFile(LMDirectoryConfig::instance()->contentPath(STR_CUSTOM_COLORS_FILE));
    const QWriteLocker aLocker(&myLock);
    if (!mySheets && myGeneration == aGeneration)
        mySheets = aSheets;
    return mySheets ? *mySheets : aSheets;
}

void LMCustomCardColorConfig::reload()
{
    const QWriteLocker aLocker(&myLock);
    mySheets.reset();
    ++myGeneration;
}
