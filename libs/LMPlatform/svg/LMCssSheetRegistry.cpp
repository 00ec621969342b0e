#include "LMCssSheetRegistry.h"

#include "LMCssSheetTitleIdMap.h"
#include "LMDirectoryConfig.h"
#include "LMPlatformLogging.h"
#include "LMSingletonDefinition.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>

LM_DEFINE_SINGLETON(LMCssSheetRegistry)

namespace {

const QString STR_CSS_FOLDER = QStringLiteral("css");
const QString STR_CSS_PATTERN = QStringLiteral("*.css");

using LMSheets = QHash<QString, QString>;

// The sheets of the folder, read without any lock held.
LMSheets readFolder(const QString& thePath, bool theWarnMissing)
{
    LMSheets aSheets;
    const QDir aFolder(thePath);
    if (!aFolder.exists()) {
        if (theWarnMissing)
            qCWarning(lcPlatformRender).noquote() << QStringLiteral("CSS folder %1 not found").arg(thePath);
        return aSheets;
    }
    const QFileInfoList aFiles = aFolder.entryInfoList({ STR_CSS_PATTERN }, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& aFile : aFiles) {
        if (aFile.size() > LMCssSheetRegistry::ourMaximumSheetSize) {
            qCWarning(lcPlatformRender).noquote() << QStringLiteral("CSS sheet %1 not read: larger than %2 bytes")
                                                         .arg(aFile.absoluteFilePath())
                                                         .arg(LMCssSheetRegistry::ourMaximumSheetSize);
            continue;
        }
        QFile aSheetFile(aFile.absoluteFilePath());
        if (!aSheetFile.open(QIODevice::ReadOnly)) {
            qCWarning(lcPlatformRender).noquote() << QStringLiteral("cannot read CSS sheet %1: %2")
                                                         .arg(aFile.absoluteFilePath(), aSheetFile.errorString());
            continue;
        }
        aSheets.insert(aFile.fileName(), QString::fromUtf8(aSheetFile.read(LMCssSheetRegistry::ourMaximumSheetSize)));
    }
    return aSheets;
}

} // namespace

class LMCssSheetRegistryImpl
{
public:
    // A plain mutex: lookups are short, and unlike QReadWriteLock its fast path is visible to the
    // thread sanitizer.
    mutable QMutex myLock;
    LMSheets mySheets;
    bool myContentLoaded = false;
    // Bumped by reload(), so that a content read that started before it is not published after it.
    quint64 myGeneration = 0;
};

LMCssSheetRegistry::LMCssSheetRegistry() : myImpl(std::make_unique<LMCssSheetRegistryImpl>()) { }

LMCssSheetRegistry::~LMCssSheetRegistry() = default;

void LMCssSheetRegistry::ensureContentLoaded() const
{
    quint64 aGeneration = 0;
    {
        const QMutexLocker aLocker(&myImpl->myLock);
        if (myImpl->myContentLoaded)
            return;
        aGeneration = myImpl->myGeneration;
    }
    // Read outside the lock; two threads may both read the folder the first time, one publishes.
    const LMSheets aSheets
        = readFolder(LMDirectoryConfig::instance()->contentPath(STR_CSS_FOLDER), /*theWarnMissing=*/false);
    const QMutexLocker aLocker(&myImpl->myLock);
    if (myImpl->myContentLoaded || myImpl->myGeneration != aGeneration)
        return;
    // Sheets registered meanwhile were registered after the content: they win.
    for (auto anIterator = aSheets.cbegin(); anIterator != aSheets.cend(); ++anIterator) {
        if (!myImpl->mySheets.contains(anIterator.key()))
            myImpl->mySheets.insert(anIterator.key(), anIterator.value());
    }
    myImpl->myContentLoaded = true;
}

void LMCssSheetRegistry::registerSheet(const QString& theSheetId, const QString& theCssText)
{
    Q_ASSERT_X(!theSheetId.isEmpty(), "LMCssSheetRegistry::registerSheet", "a sheet needs an id");
    ensureContentLoaded();
    const QMutexLocker aLocker(&myImpl->myLock);
    myImpl->mySheets.insert(theSheetId, theCssText);
}

bool LMCssSheetRegistry::contains(const QString& theSheetId) const
{
    ensureContentLoaded();
    const QMutexLocker aLocker(&myImpl->myLock);
    return myImpl->mySheets.contains(theSheetId);
}

QString LMCssSheetRegistry::sheet(const QString& theSheetId) const
{
    ensureContentLoaded();
    const QMutexLocker aLocker(&myImpl->myLock);
    return myImpl->mySheets.value(theSheetId);
}

QStringList LMCssSheetRegistry::sheetIds() const
{
    ensureContentLoaded();
    const QMutexLocker aLocker(&myImpl->myLock);
    QStringList anIds = myImpl->mySheets.keys();
    anIds.sort();
    return anIds;
}

QMap<QString, QString> LMCssSheetRegistry::sheetTexts(const LMCssSheetTitleIdMap& theMap) const
{
    ensureContentLoaded();
    QMap<QString, QString> aTexts;
    const QStringList aTitles = theMap.titles();
    const QMutexLocker aLocker(&myImpl->myLock);
    for (const QString& aTitle : aTitles) {
        const auto aFound = myImpl->mySheets.constFind(theMap.sheetId(aTitle));
        if (aFound != myImpl->mySheets.cend())
            aTexts.insert(aTitle, *aFound);
    }
    return aTexts;
}

int LMCssSheetRegistry::loadFolder(const QString& thePath)
{
    ensureContentLoaded();
    const LMSheets aSheets = readFolder(thePath, /*theWarnMissing=*/true);
    const QMutexLocker aLocker(&myImpl->myLock);
    for (auto anIterator = aSheets.cbegin(); anIterator != aSheets.cend(); ++anIterator)
        myImpl->mySheets.insert(anIterator.key(), anIterator.value());
    return int(aSheets.size());
}

void LMCssSheetRegistry::reload()
{
    const QMutexLocker aLocker(&myImpl->myLock);
    myImpl->mySheets.clear();
    myImpl->myContentLoaded = false;
    ++myImpl->myGeneration;
}
