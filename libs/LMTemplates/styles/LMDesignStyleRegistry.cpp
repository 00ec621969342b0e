#include "LMDesignStyleRegistry.h"

#include "LMBasisSettings.h"
#include "LMDesignStyleFilter.h"
#include "LMDirectoryConfig.h"
#include "LMJigRegistry.h"
#include "LMJigStatusRepository.h"
#include "LMSingletonDefinition.h"

#include <QCoreApplication>
#include <QStringList>

#include <mutex>

LM_DEFINE_SINGLETON(LMDesignStyleRegistry)

LMDesignStyleRegistry::LMDesignStyleRegistry() : LMXMLBasedRegistry(QStringLiteral("xml"), true)
{
    LMJigRegistry::instance()->addRegistry(this);
}

LMDesignStyleRegistry::~LMDesignStyleRegistry()
{
    LMJigRegistry::instance()->removeRegistry(this);
}

void LMDesignStyleRegistry::setupInstance()
{
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
    init();
}

QList<QDir> LMDesignStyleRegistry::supervisedDirectories() const
{
    return LMDirectoryConfig::instance()->styleDirectories();
}

bool LMDesignStyleRegistry::parseXML(const QFileInfo& theFile, bool theFresh)
{
    const LMDesignStyle aStyle(theFile);
    if (aStyle.isNull())
        return false;
    {
        // Judged and replaced under one lock: of two versions read at once, the more important
        // one stays whatever the order.
        const std::unique_lock aLocker(myLock);
        const auto aFormer = std::find_if(myStyles.cbegin(), myStyles.cend(), [&aStyle](const LMDesignStyle& theOther) {
            return theOther.designElementID() == aStyle.designElementID();
        });
        if (aFormer != myStyles.cend() && !aStyle.isMoreImportantThan(*aFormer))
            return false;
        replaceVersions(aStyle);
        if (theFresh)
            myLastDownloadedId = aStyle.designElementID();
    }
    installRequiredPartsOf(aStyle);
    if (theFresh) {
        LMJigStatusRepository::instance()->markDownloaded(LMDesignElementIDSet { aStyle.designElementID() });
        emit newDesignStyleAdded(aStyle.designElementID());
    }
    return true;
}

void LMDesignStyleRegistry::replaceVersions(const LMDesignStyle& theStyle)
{
    myStyles.removeIf([&theStyle](const LMDesignStyle& theOther) {
        return theOther.designElementID() == theStyle.designElementID();
    });
    myStyles.append(theStyle);
}

LMDesignStyleList LMDesignStyleRegistry::allStyles() const
{
    const std::shared_lock aLocker(myLock);
    return myStyles;
}

LMDesignStyleList LMDesignStyleRegistry::styles(const LMDesignStyleFilter* theFilter) const
{
    return allStyles().filter(theFilter);
}

LMDesignStyle LMDesignStyleRegistry::findStyleByDesignElementId(const LMDesignElementID& theId) const
{
    const LMDesignStyleList aStyles = allStyles();
    for (const LMDesignStyle& aStyle : aStyles) {
        if (aStyle.designElementID() == theId)
            return aStyle;
    }
    return LMDesignStyle();
}

LMDesignElementIDSet LMDesignStyleRegistry::collectAllDesignElementIds() const
{
    LMDesignElementIDSet anIds;
    for (const LMDesignStyle& aStyle : allStyles()) {
        if (aStyle.designElementID().isValid())
            anIds.insert(aStyle.designElementID());
    }
    return anIds;
}

LMJig* LMDesignStyleRegistry::find(const LMJigKey& theKey) const
{
    for (const LMDesignStyle& aStyle : allStyles()) {
        if (aStyle.createKey() == theKey)
            return new LMDesignStyle(aStyle);
    }
    return nullptr;
}

bool LMDesignStyleRegistry::isInstalled(const LMDesignElementID& theId) const
{
    return !findStyleByDesignElementId(theId).isNull();
}

bool LMDesignStyleRegistry::isActive(const LMDesignElementID& theId) const
{
    const LMDesignStyle aStyle = findStyleByDesignElementId(theId);
    return !aStyle.isNull() && aStyle.isActive();
}

QList<LMJigType> LMDesignStyleRegistry::supportedJigs() const
{
    return { LMJigTypeEnum::DesignStyle };
}

LMJig* LMDesignStyleRegistry::consumeLastAddedJig(const LMJigType& theJigType)
{
    Q_UNUSED(theJigType)
    return nullptr;
}

LMDesignElementID LMDesignStyleRegistry::recordFreshDownload(const LMDesignStyle& theStyle)
{
    const std::unique_lock aLocker(myLock);
    myLastDownloadedId = theStyle.designElementID();
    return myLastDownloadedId;
}

LMDesignElementID LMDesignStyleRegistry::lastDownloadedDesignElementId() const
{
    const std::shared_lock aLocker(myLock);
    return myLastDownloadedId;
}

void LMDesignStyleRegistry::resetLastDownloadedDesignElementId()
{
    const std::unique_lock aLocker(myLock);
    myLastDownloadedId = LMDesignElementID();
}

LMDesignStyle LMDesignStyleRegistry::lastAddedDesignStyle() const
{
    const LMDesignElementID anId = lastDownloadedDesignElementId();
    return anId.isValid() ? findStyleByDesignElementId(anId) : LMDesignStyle();
}

LMDesignStyle LMDesignStyleRegistry::consumeLastAddedDesignStyle(const LMJigType& theJigType)
{
    const std::unique_lock aLocker(myLock);
    if (!myLastDownloadedId.isValid())
        return LMDesignStyle();
    const auto aFound = std::find_if(myStyles.cbegin(), myStyles.cend(), [this](const LMDesignStyle& theStyle) {
        return theStyle.designElementID() == myLastDownloadedId;
    });
    if (aFound == myStyles.cend() || !aFound->isValid())
        return LMDesignStyle();
    const bool aStoryBook = aFound->isStoryBook();
    const bool aWanted = aStoryBook ? theJigType.intersects(LMJigTypeEnum::StoryBookDesignStyle)
                                    : theJigType.intersects(LMJigTypeEnum::DesignStyle);
    if (!aWanted)
        return LMDesignStyle();
    myLastDownloadedId = LMDesignElementID();
    return *aFound;
}

LMDesignStyle LMDesignStyleRegistry::updateDesignStyle(const LMDesignElementID& theId)
{
    LMDesignStyle aStyle = findStyleByDesignElementId(theId);
    if (aStyle.isNull())
        return aStyle;
    // Outside the lock: synthesising asks the template registry for layouts.
    aStyle.updateDisignVirtualInnerPages();
    const std::unique_lock aLocker(myLock);
    replaceVersions(aStyle);
    return aStyle;
}

void LMDesignStyleRegistry::installRequiredPartsOf(const LMDesignStyle& theStyle)
{
    const LMDesignElementIDSet anIds = theStyle.requiredDesignElementIDs();
    if (anIds.isEmpty())
        return;
    const LMBasisSettings* aSettings = LMBasisSettings::instance();
    if (aSettings->runsInMasterMode() || aSettings->runsInPriceUpdateMode()) {
        QList<qint32> aNumbers;
        for (const LMDesignElementID& anId : anIds)
            aNumbers.append(anId.id());
        std::sort(aNumbers.begin(), aNumbers.end());
        QStringList aTexts;
        for (const qint32 aNumber : aNumbers)
            aTexts.append(QString::number(aNumber));
        qInfo("%s",
              qUtf8Printable(QStringLiteral("Stil %1: missing design elemets: %2")
                                 .arg(theStyle.visibleName(), aTexts.join(QLatin1Char(',')))));
    }
    emit pleaseDownloadDesignElementIDs(anIds);
}
