#include "LMTemplateRegistry.h"

#include "LMBasisSettings.h"
#include "LMFileSystemWatcher.h"
#include "LMJigRegistry.h"
#include "LMJigStatusRepository.h"
#include "LMProgressController.h"
#include "LMSingletonDefinition.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateLoader.h"
#include "LMTemplateLookup.h"
#include "LMTemplateNameSearch_p.h"
#include "LMTemplatesLogging.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QThread>

#include <vector>

LM_DEFINE_SINGLETON(LMTemplateRegistry)

namespace {
// The prefix of spot-colour reference backgrounds.
const QString STR_REF_PREFIX = QStringLiteral("ref-");
const QString STR_NOT_FOUND = QStringLiteral("could not find Template");

// Room for the content of the largest products.
constexpr qsizetype RESERVED_TEMPLATES = 40000;
constexpr qint32 DEFAULT_BACKGROUND_PAGE_TYPE = 8;
constexpr int RUN_OPTION_NO_PROGRESS = 9;

// The class-wide mutex over the smart-layout table. Plain mutexes only: ThreadSanitizer sees
// QMutex (inline) but not QRecursiveMutex in an uninstrumented Qt.
QMutex& classMutex()
{
    static QMutex ourMutex;
    return ourMutex;
}

} // namespace

// The registry as the model's name lookup.
class LMTemplateRegistryLookup : public LMTemplateLookup
{
public:
    explicit LMTemplateRegistryLookup(const LMTemplateRegistry* theRegistry) : myRegistry(theRegistry) { }
    LMUnconfiguredTemplate findTemplateByName(const QString& theName) const override
    {
        return myRegistry->findTemplateByName(theName);
    }

private:
    const LMTemplateRegistry* myRegistry;
};

// Takes the smart layouts of layout collections from the readers and keeps them for the process.
class LMTemplateRegistrySmartLayouts : public LMSmartLayoutRegistration
{
public:
    explicit LMTemplateRegistrySmartLayouts(LMTemplateRegistry* theRegistry) : myRegistry(theRegistry) { }
    void addSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout) override
    {
        if (!theSmartLayout)
            return;
        LMTemplateAreaDefinitionSmartLayout* aSmartLayout = theSmartLayout.get();
        {
            const QMutexLocker aLocker(&classMutex());
            myOwned.push_back(std::move(theSmartLayout));
        }
        myRegistry->addSmartLayout(aSmartLayout->categorization(), aSmartLayout);
    }

private:
    LMTemplateRegistry* myRegistry;
    // Guarded by the class-wide mutex.
    std::vector<std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>> myOwned;
};

class LMTemplateRegistryImpl
{
public:
    explicit LMTemplateRegistryImpl(LMTemplateRegistry* theRegistry)
        : myLookup(theRegistry), mySmartLayouts(theRegistry)
    {
    }

    LMUnconfiguredTemplate firstOfIdLocked(const LMDesignElementID& theId) const
    {
        const auto aFound = myTemplatesByDesignElementId.constFind(theId);
        return aFound == myTemplatesByDesignElementId.cend() || aFound->isEmpty() ? LMUnconfiguredTemplate()
                                                                                  : aFound->constFirst();
    }

    void clearCacheLocked()
    {
        // Drops results that searches running now would store.
        ++myCacheGeneration;
        if (!myNameLookupCache.isEmpty())
            myNameLookupCache.clear();
    }

    // The instance mutex: every index, the cache and the ownership below. Not recursive: nothing
    // that holds it calls out.
    mutable QMutex myMutex;
    LMDesignElementID myLastAddedDesignElementId;
    LMDesignElementIDSet myLastAddedDesignElementIds;
    LMUnconfiguredTemplateList myCentralList;
    QHash<LMJigType, LMUnconfiguredTemplateList> myTemplatesByJigType;
    QHash<LMDesignElementID, LMUnconfiguredTemplateList> myTemplatesByDesignElementId;
    // The unique names of the central list, each with its template (replacement compares times).
    QHash<QString, LMUnconfiguredTemplate> myKnownUniqueNames;
    mutable QHash<QString, LMUnconfiguredTemplate> myNameLookupCache;
    mutable quint64 myCacheGeneration = 0;
    QSet<LMArticle> myLoadedArticles;
    LMTemplateLoadTimings myLoadTimings;
    QHash<QString, LMUnconfiguredTemplate> mySmartGeneratedLayouts;
    // Every template ever handed in: handles to replaced or cleared templates stay valid.
    std::vector<std::unique_ptr<LMTemplate>> myOwned;
    QSet<const LMTemplate*> myOwnedSet;

    // Guarded by the class-wide mutex.
    QHash<LMCategorization, LMTemplateAreaDefinitionSmartLayout*> mySmartLayoutTable;

    LMTemplateRegistryLookup myLookup;
    LMTemplateRegistrySmartLayouts mySmartLayouts;
};

LMTemplateRegistry::LMTemplateRegistry() : myImpl(std::make_unique<LMTemplateRegistryImpl>(this))
{
    // Usually made by a background job: signals and slots belong to the application's thread.
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
    myImpl->myTemplatesByDesignElementId.reserve(RESERVED_TEMPLATES);
    myImpl->myNameLookupCache.reserve(RESERVED_TEMPLATES);
    myImpl->myKnownUniqueNames.reserve(RESERVED_TEMPLATES);
    LMJigRegistry::instance()->addRegistry(this);
    LMTemplateLookup::install(&myImpl->myLookup);
    LMSmartLayoutRegistration::install(&myImpl->mySmartLayouts);
}

LMTemplateRegistry::~LMTemplateRegistry() = default;

void LMTemplateRegistry::setupInstance()
{
    connect(LMFileSystemWatcher::instance(), &LMFileSystemWatcher::filesChanged, this,
            &LMTemplateRegistry::readChangedFiles, Qt::DirectConnection);
}

// ---- Jig registry ---------------------------------------------------------------------------

LMJig* LMTemplateRegistry::consumeLastAddedJig(const LMJigType& theJigType)
{
    const LMUnconfiguredTemplate aTemplate = consumeLastAddedTemplate(theJigType);
    return aTemplate.isNull() ? nullptr : aTemplate.templatePointer();
}

LMJig* LMTemplateRegistry::find(const LMJigKey& theKey) const
{
    const LMUnconfiguredTemplate aFound = allTemplates().findFirst(
        [&theKey](const LMUnconfiguredTemplate& theT) { return theT->createKey() == theKey; });
    return aFound.isNull() ? nullptr : aFound.templatePointer();
}

QList<LMJigType> LMTemplateRegistry::supportedJigs() const
{
    return { LMJigTypeEnum::Background, LMJigTypeEnum::SvgTemplate, LMJigTypeEnum::Layout, LMJigTypeEnum::Frame,
             LMJigTypeEnum::Wallholder };
}

bool LMTemplateRegistry::isInstalled(const LMDesignElementID& theId) const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return !myImpl->myTemplatesByDesignElementId.value(theId).isEmpty();
}

bool LMTemplateRegistry::isActive(const LMDesignElementID& theId) const
{
    const LMUnconfiguredTemplate aTemplate = findTemplateByDesignElementId(theId);
    return !aTemplate.isNull() && aTemplate->isActive();
}

// ---- Inserting ------------------------------------------------------------------------------

void LMTemplateRegistry::adopt(const LMUnconfiguredTemplate& theTemplate)
{
    LMTemplate* aTemplate = theTemplate.templatePointer();
    if (!aTemplate || aTemplate == LMTemplate::null())
        return;
    const QMutexLocker aLocker(&myImpl->myMutex);
    if (myImpl->myOwnedSet.contains(aTemplate))
        return;
    myImpl->myOwnedSet.insert(aTemplate);
    myImpl->myOwned.emplace_back(aTemplate);
}

bool LMTemplateRegistry::insertTemplates(const LMUnconfiguredTemplateList& theTemplates, bool theAppend, bool theNotify)
{
    bool anAllInserted = true;
    for (const LMUnconfiguredTemplate& aTemplate : theTemplates)
        anAllInserted = insertTemplate(aTemplate, theAppend) && anAllInserted;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        myImpl->clearCacheLocked();
    }
    if (theNotify)
        emit templatesReloaded();
    return anAllInserted;
}

bool LMTemplateRegistry::insertTemplate(const LMUnconfiguredTemplate& theTemplate, bool theAppend)
{
    if (theTemplate.isNull())
        return false;
    adopt(theTemplate);
    const QString aName = theTemplate.uniqueName();
    LMUnconfiguredTemplate aKnown;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        aKnown = myImpl->myKnownUniqueNames.value(aName);
    }
    if (aKnown == theTemplate)
        return false;
    if (!aKnown.isNull()) {
        // Only a template changed later replaces the one of its name (equal times keep the known).
        if (!(theTemplate->metaData().lastChanged() > aKnown->metaData().lastChanged())) {
            emit tryToInsertOldTemplate(theTemplate);
            return false;
        }
        removeFromCentralList(aKnown);
    } else if (theTemplate->isTemplateContentType(LMTemplateLayerTypeEnum::Background) && !theTemplate->isMultiColor()
               && theTemplate->designElementID().isValid()) {
        // Of two plain backgrounds with one id, the spot-colour reference ("ref-") or the one whose
        // name holds the other's wins.
        const LMUnconfiguredTemplate anExisting
            = templatesWithId(theTemplate->designElementID()).findFirst([](const LMUnconfiguredTemplate& theCandidate) {
                  return !theCandidate->isMultiColor();
              });
        if (!anExisting.isNull()) {
            const QString anExistingName = anExisting.uniqueName();
            if (aName.contains(STR_REF_PREFIX) || aName.contains(anExistingName))
                // The new one wins; it is added even when both are references.
                removeFromCentralList(anExisting);
            else if (anExistingName.contains(STR_REF_PREFIX) || anExistingName.contains(aName))
                return false;
        }
    }
    addToCentralList(theTemplate, theAppend);
    emit insertNewTemplate(theTemplate);
    return true;
}

void LMTemplateRegistry::addToCentralList(const LMUnconfiguredTemplate& theTemplate, bool theAppend)
{
    if (theTemplate.isNull())
        return;
    adopt(theTemplate);
    const QString aName = theTemplate.uniqueName();
    const QMutexLocker aLocker(&myImpl->myMutex);
    LMUnconfiguredTemplateList& aJigList = myImpl->myTemplatesByJigType[theTemplate.jigType()];
    if (theAppend) {
        myImpl->myCentralList.append(theTemplate);
        aJigList.append(theTemplate);
    } else {
        myImpl->myCentralList.prepend(theTemplate);
        aJigList.prepend(theTemplate);
    }
    myImpl->myKnownUniqueNames.insert(aName, theTemplate);
    const LMDesignElementID anId = theTemplate->designElementID();
    if (anId.isValid())
        myImpl->myTemplatesByDesignElementId[anId].append(theTemplate);
    // A cached miss of this name would hide the new template.
    myImpl->clearCacheLocked();
}

void LMTemplateRegistry::removeFromCentralList(const LMUnconfiguredTemplate& theTemplate)
{
    if (theTemplate.isNull())
        return;
    const QString aName = theTemplate.uniqueName();
    const QMutexLocker aLocker(&myImpl->myMutex);
    if (!myImpl->myCentralList.removeOne(theTemplate))
        return;
    const auto aJigList = myImpl->myTemplatesByJigType.find(theTemplate.jigType());
    if (aJigList != myImpl->myTemplatesByJigType.end()) {
        aJigList->removeOne(theTemplate);
        if (aJigList->isEmpty())
            myImpl->myTemplatesByJigType.erase(aJigList);
    }
    const auto anIdList = myImpl->myTemplatesByDesignElementId.find(theTemplate->designElementID());
    if (anIdList != myImpl->myTemplatesByDesignElementId.end()) {
        anIdList->removeOne(theTemplate);
        if (anIdList->isEmpty())
            myImpl->myTemplatesByDesignElementId.erase(anIdList);
    }
    if (myImpl->myKnownUniqueNames.value(aName) == theTemplate)
        myImpl->myKnownUniqueNames.remove(aName);
    myImpl->clearCacheLocked();
}

void LMTemplateRegistry::removeUserLayout(const LMUnconfiguredTemplate& theTemplate)
{
    if (theTemplate.isNull() || !theTemplate->isUserLayout())
        return;
    removeFromCentralList(theTemplate);
    reloadTemplates();
}

void LMTemplateRegistry::clear()
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    myImpl->myCentralList.clear();
    myImpl->myTemplatesByJigType.clear();
    myImpl->myKnownUniqueNames.clear();
    myImpl->clearCacheLocked();
    myImpl->myTemplatesByDesignElementId.clear();
    myImpl->myLoadedArticles.clear();
}

void LMTemplateRegistry::setSmartGeneratedLayouts(const LMUnconfiguredTemplateList& theLayouts)
{
    for (const LMUnconfiguredTemplate& aLayout : theLayouts)
        adopt(aLayout);
    const QMutexLocker aLocker(&myImpl->myMutex);
    for (const LMUnconfiguredTemplate& aLayout : theLayouts) {
        if (!aLayout.isNull())
            myImpl->mySmartGeneratedLayouts.insert(aLayout.uniqueName(), aLayout);
    }
}

void LMTemplateRegistry::addSmartLayout(const LMCategorization& theCategorization,
                                        LMTemplateAreaDefinitionSmartLayout* theSmartLayout)
{
    const QMutexLocker aLocker(&classMutex());
    myImpl->mySmartLayoutTable.insert(theCategorization, theSmartLayout);
}

LMTemplateAreaDefinitionSmartLayout*
LMTemplateRegistry::findSmartLayout(const LMCategorization& theCategorization) const
{
    const QMutexLocker aLocker(&classMutex());
    return myImpl->mySmartLayoutTable.value(theCategorization, nullptr);
}

// ---- Lookups --------------------------------------------------------------------------------

LMUnconfiguredTemplateList LMTemplateRegistry::allTemplates() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myCentralList;
}

qsizetype LMTemplateRegistry::countTemplates() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myCentralList.size();
}

LMUnconfiguredTemplateList LMTemplateRegistry::allTemplatesForJigType(const LMJigType& theJigType) const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myTemplatesByJigType.value(theJigType);
}

LMDesignElementIDSet LMTemplateRegistry::collectAllDesignElementIds() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    LMDesignElementIDSet anIds;
    anIds.reserve(myImpl->myTemplatesByDesignElementId.size());
    for (auto anIt = myImpl->myTemplatesByDesignElementId.cbegin(); anIt != myImpl->myTemplatesByDesignElementId.cend();
         ++anIt)
        anIds.insert(anIt.key());
    return anIds;
}

LMUnconfiguredTemplateList LMTemplateRegistry::allTemplatesByDesignElementId(const LMDesignElementID& theId) const
{
    // Every jig type's list together is the central list, which gives a stable order.
    const QMutexLocker aLocker(&myImpl->myMutex);
    LMUnconfiguredTemplateList aResult;
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(myImpl->myCentralList)) {
        if (aTemplate->designElementID() == theId)
            aResult.append(aTemplate);
    }
    return aResult;
}

LMUnconfiguredTemplateList LMTemplateRegistry::templatesWithId(const LMDesignElementID& theId) const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myTemplatesByDesignElementId.value(theId);
}

LMUnconfiguredTemplateList LMTemplateRegistry::allUserLayouts() const
{
    return allTemplates().filterUserLayout(true);
}

bool LMTemplateRegistry::templateNameIsKnown(const QString& theUniqueName) const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myKnownUniqueNames.contains(theUniqueName);
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplateByDesignElementId(const LMDesignElementID& theId) const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    const auto aFound = myImpl->myTemplatesByDesignElementId.constFind(theId);
    if (aFound == myImpl->myTemplatesByDesignElementId.cend() || aFound->isEmpty())
        return LMUnconfiguredTemplate();
    return aFound->constFirst();
}

LMUnconfiguredTemplate
LMTemplateRegistry::findTemplateByDesignElementIdANDDesignElementName(const LMDesignElementID& theId,
                                                                      const QString& theName) const
{
    return templatesWithId(theId).findFirst(
        [&theName](const LMUnconfiguredTemplate& theT) { return theName.contains(theT.name()); });
}

LMUnconfiguredTemplate LMTemplateRegistry::findLayoutByName(const QString& theName,
                                                            const QList<LMDesignElementID>& theIds) const
{
    for (const LMDesignElementID& anId : theIds) {
        const LMUnconfiguredTemplate aFound = findLayoutByName(theName, anId);
        if (!aFound.isNull())
            return aFound;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findLayoutByName(const QString& theName,
                                                            const LMDesignElementID& theId) const
{
    return templatesWithId(theId).findFirst(
        [&theName](const LMUnconfiguredTemplate& theT) { return theT.isValid() && theT->matchesName(theName); });
}

LMUnconfiguredTemplate LMTemplateRegistry::findBackgroundByID(const LMDesignElementID& theId,
                                                              const LMPageType& thePageType) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    LMUnconfiguredTemplate aWhite;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        const LMDesignElementID aBackgroundId = aTemplate->backgroundID();
        if (aBackgroundId == theId && aTemplate->contextGroup().sharesPageType(thePageType))
            return aTemplate;
        if (aBackgroundId.isTheWhiteBackground())
            aWhite = aTemplate;
    }
    return aWhite;
}

LMUnconfiguredTemplate LMTemplateRegistry::findBackgroundByID(const LMDesignElementID& theId) const
{
    return findBackgroundByID(theId, LMPageType::fromInt(DEFAULT_BACKGROUND_PAGE_TYPE));
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplateByName(const QString& theName) const
{
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        const auto aGenerated = myImpl->mySmartGeneratedLayouts.constFind(theName);
        if (aGenerated != myImpl->mySmartGeneratedLayouts.cend())
            return *aGenerated;
    }
    const QString aName = LMTemplateNameSearch::normalized(theName);

    quint64 aGeneration = 0;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        const auto aCached = myImpl->myNameLookupCache.constFind(aName);
        if (aCached != myImpl->myNameLookupCache.cend())
            return *aCached;
        aGeneration = myImpl->myCacheGeneration;
    }
    // Searched without the lock: it scans every template several times.
    const LMUnconfiguredTemplate aFound = searchForTemplate(aName);
    bool aFirstAnswer = false;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        // A search that overlapped an insertion may have missed the new template: not cached.
        if (aGeneration == myImpl->myCacheGeneration && !myImpl->myNameLookupCache.contains(aName)) {
            myImpl->myNameLookupCache.insert(aName, aFound);
            aFirstAnswer = true;
        }
    }
    if (!aFound.isValid() && aFirstAnswer)
        qCWarning(lcLoading).noquote() << STR_NOT_FOUND << aName;
    return aFound;
}

LMUnconfiguredTemplate LMTemplateRegistry::searchForTemplate(const QString& theName) const
{
    return LMTemplateNameSearch(*this).find(theName);
}

// ---- Name helpers ---------------------------------------------------------------------------

QString LMTemplateRegistry::makeTemplateNameNice(const QString& theName)
{
    return LMTemplateNameSearch::makeTemplateNameNice(theName);
}

QString LMTemplateRegistry::makeTemplateNameMinimal(const QString& theName)
{
    return LMTemplateNameSearch::makeTemplateNameMinimal(theName);
}

QString LMTemplateRegistry::removePreviewAndPDFFromTemplatename(const QString& theName)
{
    return LMTemplateNameSearch::removePreviewAndPDFFromTemplatename(theName);
}

QString LMTemplateRegistry::extractProductionID(const QString& theName)
{
    return LMTemplateNameSearch::extractProductionID(theName);
}

QString LMTemplateRegistry::changePassepartoutArticles(const QString& theName)
{
    return LMTemplateNameSearch::changePassepartoutArticles(theName);
}

// ---- Templates added by content updates -----------------------------------------------------

LMUnconfiguredTemplate LMTemplateRegistry::consumeLastAddedTemplate(const LMJigType& theJigType)
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    if (!myImpl->myLastAddedDesignElementId.isValid())
        return LMUnconfiguredTemplate();
    const LMUnconfiguredTemplate aTemplate = myImpl->firstOfIdLocked(myImpl->myLastAddedDesignElementId);
    if (aTemplate.isNull() || !aTemplate.isJigType(theJigType))
        return LMUnconfiguredTemplate();
    myImpl->myLastAddedDesignElementId = LMDesignElementID();
    return aTemplate;
}

LMUnconfiguredTemplateList LMTemplateRegistry::consumeLastAddedTemplates(const LMJigType& theJigType)
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    LMUnconfiguredTemplateList aResult;
    for (const LMDesignElementID& anId : std::as_const(myImpl->myLastAddedDesignElementIds)) {
        const LMUnconfiguredTemplate aTemplate = myImpl->firstOfIdLocked(anId);
        if (!aTemplate.isNull() && aTemplate.isJigType(theJigType))
            aResult.append(aTemplate);
    }
    myImpl->myLastAddedDesignElementIds.clear();
    return aResult;
}

LMDesignElementID LMTemplateRegistry::lastAddedDesignElementId() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myLastAddedDesignElementId;
}

void LMTemplateRegistry::resetLastAddedDesignElementId()
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    myImpl->myLastAddedDesignElementId = LMDesignElementID();
}

LMTemplateLoadTimings LMTemplateRegistry::loadTimings() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myLoadTimings;
}

// ---- Slots ----------------------------------------------------------------------------------

void LMTemplateRegistry::reloadTemplates()
{
    // Emitted without a lock: receivers are unknown and may ask the registry back.
    emit templatesReloaded();
}

void LMTemplateRegistry::readChangedFiles(const QStringList& theFilenames)
{
    LMTemplateLoader aLoader(this);
    if (!aLoader.loadTemplates(theFilenames))
        return;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        myImpl->myLastAddedDesignElementId = aLoader.lastLoadedDesignElementId();
        myImpl->myLastAddedDesignElementIds.unite(aLoader.lastLoadedDesignElementIds());
    }
    LMJigStatusRepository::instance()->markDownloaded(aLoader.allLoadedJigs());
}

void LMTemplateRegistry::loadTemplates(const LMArticle& theArticle)
{
    // Article loads run one at a time: the file manager hands out each file once.
    static QMutex ourLoadMutex;
    const QMutexLocker aLoadLocker(&ourLoadMutex);
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        if (myImpl->myLoadedArticles.contains(theArticle))
            return;
    }
    LMTemplateLoader aLoader(this);
    aLoader.loadTemplates(theArticle);
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        myImpl->myLoadedArticles.insert(theArticle);
        myImpl->myLoadTimings += aLoader.timings();
    }
    emit templatesLoaded();
}

void LMTemplateRegistry::loadTemplatesWithProgress(const LMArticle& theArticle)
{
    const QCoreApplication* anApp = QCoreApplication::instance();
    const bool aShowProgress = anApp && QThread::currentThread() == anApp->thread()
        && !LMBasisSettings::instance()->hasRunOption(RUN_OPTION_NO_PROGRESS);
    if (!aShowProgress) {
        loadTemplates(theArticle);
        return;
    }
    const QString aTitle = theArticle.isNull()
        ? QCoreApplication::translate("LMTemplateRegistry", "Lade Designelemente")
        : QCoreApplication::translate("LMTemplateRegistry", "Lade Designelemente für %1").arg(theArticle.visibleName());
    LMProgressController* aProgress = LMProgressController::instance();
    aProgress->begin(aTitle, 4);
    aProgress->step(1);
    QCoreApplication::processEvents();
    // The decoration registry would be initialised here; this library has none yet.
    aProgress->step(1);
    QCoreApplication::processEvents();
    loadTemplates(theArticle);
    aProgress->step(2);
    QCoreApplication::processEvents();
    aProgress->end();
}
