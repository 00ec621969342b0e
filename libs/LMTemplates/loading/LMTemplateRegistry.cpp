#include "LMTemplateRegistry.h"

#include "LMArticleList.h"
#include "LMBasisSettings.h"
#include "LMConcurrent.h"
#include "LMFileSystemWatcher.h"
#include "LMIntRange.h"
#include "LMJigRegistry.h"
#include "LMJigStatusRepository.h"
#include "LMProductCatalogue.h"
#include "LMProgressController.h"
#include "LMSingletonDefinition.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateContext.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateFilterContent.h"
#include "LMTemplateFilterFrame.h"
#include "LMTemplateFilterFrameGlasses.h"
#include "LMTemplateFilterFramePassepartout.h"
#include "LMTemplateFilterLayout.h"
#include "LMTemplateFilterVariantTemplate.h"
#include "LMTemplateFilterWallholder.h"
#include "LMTemplateLoader.h"
#include "LMTemplateLookup.h"
#include "LMTemplatesLogging.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <vector>

LM_DEFINE_SINGLETON(LMTemplateRegistry)

namespace {
// The prefix of spot-colour reference backgrounds.
const QString STR_REF_PREFIX = QStringLiteral("ref-");
const QString STR_NOT_FOUND = QStringLiteral("could not find Template");
const QString STR_DESIGN_THEME = QStringLiteral(",design,");
const QString STR_ALBFREE_THEME = QStringLiteral(",albfreetheme,");
const QString STR_NORMAL_THEME = QStringLiteral(",normal,");
const QString STR_WEISS = QStringLiteral("Weiss,");
const QString STR_WHITE_REPLACEMENT = QStringLiteral("201,");
const QString STR_SVG_CONTENT = QStringLiteral(".svg_content");
const QString STR_UNKNOWN_TYPE = QStringLiteral(",unknown type");
const QString STR_PASSEPARTOUT = QStringLiteral("passepartout");
const QString STR_PDF = QStringLiteral(".pdf");
const QString STR_PNG = QStringLiteral(".png");

// Room for the content of the largest products.
constexpr qsizetype RESERVED_TEMPLATES = 40000;
// The page types a background named only by its id may be of.
constexpr qint32 BACKGROUND_BY_ID_PAGE_TYPES = 0xF03F9;
constexpr qint32 DEFAULT_BACKGROUND_PAGE_TYPE = 8;
constexpr qint32 ARTICLE_CLASS_FRAMED = 48;
constexpr qint32 ARTICLE_CLASS_FRAMED_OR_CANVAS = 6;
constexpr qint32 ARTICLE_CLASS_WALL_DECOR = 310;
constexpr qint32 JIG_STATUS_LAYOUTS = 3;
constexpr int RUN_OPTION_NO_PROGRESS = 9;

const QRegularExpression& weissRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^Weiss,"));
    return ourRx;
}
const QRegularExpression& productionIdRx()
{
    static const QRegularExpression ourRx(QStringLiteral("([^/]*/[^/]+.svg)"));
    return ourRx;
}
const QRegularExpression& svgContentRx()
{
    static const QRegularExpression ourRx(QStringLiteral("\\.svg_content(\\d+)"));
    return ourRx;
}
const QRegularExpression& backgroundIdRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(\\d+),.*$"));
    return ourRx;
}
const QRegularExpression& niceDekoRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.+),[+-]?[0-9]+,[+-]?[0-9]+,normal,.*,(Deko:.*)$"));
    return ourRx;
}
const QRegularExpression& niceHueRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.+),[+-]?[0-9]+,[+-]?[0-9]+,([0-9]+),([0-9]+,.*)$"));
    return ourRx;
}
const QRegularExpression& niceOffsetRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.+),[+-]?[0-9]+,[+-]?[0-9]+,(.*)$"));
    return ourRx;
}
const QRegularExpression& categoriesRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.*/)(categories/.*)"));
    return ourRx;
}

// The class-wide mutex over the smart-layout table. Plain mutexes only: ThreadSanitizer sees
// QMutex (inline) but not QRecursiveMutex in an uninstrumented Qt.
QMutex& classMutex()
{
    static QMutex ourMutex;
    return ourMutex;
}

// Gives up the calling pool thread's slot while it blocks on a parallel filter, so that a pool
// thread waiting on the pool cannot starve it.
class LMPoolSlotRelease
{
public:
    LMPoolSlotRelease() : myReleased(QThreadPool::globalInstance()->contains(QThread::currentThread()))
    {
        if (myReleased)
            QThreadPool::globalInstance()->releaseThread();
    }
    ~LMPoolSlotRelease()
    {
        if (myReleased)
            QThreadPool::globalInstance()->reserveThread();
    }
    Q_DISABLE_COPY_MOVE(LMPoolSlotRelease)

private:
    const bool myReleased;
};

// ASCII without "?": re-encoding between UTF-8 and Latin-1 leaves such a text as it is, and no
// name turns into it by losing characters to "?".
bool isPlainText(const QString& theText)
{
    for (const QChar aChar : theText) {
        if (aChar.unicode() >= 0x80 || aChar == QLatin1Char('?'))
            return false;
    }
    return true;
}

// The template's name variants hold the text; for plain texts that is plain equality, which
// saves the re-encodings.
bool matchesVariant(const LMUnconfiguredTemplate& theTemplate, const QString& theText, bool thePlainText)
{
    if (thePlainText)
        return theTemplate->nameVariants().contains(theText);
    return theTemplate->matchesNameVariants(theText);
}

// What one slice of the templates answers to steps three to seven: indexes into the list, -1 for
// none.
struct LMNameSearchResult
{
    qsizetype myProductionId = -1;
    qsizetype myNice = -1;
    qsizetype myNiceLength = 0;
    qsizetype myPassepartout = -1;
    qsizetype myMinimal = -1;
    qsizetype myMinimalLength = 0;
    qsizetype myVariant = -1;

    // Takes a later slice's answers: the first hits stay, shorter names win, equal ones stay earlier.
    void merge(const LMNameSearchResult& theLater)
    {
        if (myProductionId < 0)
            myProductionId = theLater.myProductionId;
        if (theLater.myNice >= 0 && (myNice < 0 || theLater.myNiceLength < myNiceLength)) {
            myNice = theLater.myNice;
            myNiceLength = theLater.myNiceLength;
        }
        if (myPassepartout < 0)
            myPassepartout = theLater.myPassepartout;
        if (theLater.myMinimal >= 0 && (myMinimal < 0 || theLater.myMinimalLength < myMinimalLength)) {
            myMinimal = theLater.myMinimal;
            myMinimalLength = theLater.myMinimalLength;
        }
        if (myVariant < 0)
            myVariant = theLater.myVariant;
    }
};

struct LMNameSearchSlice
{
    LMIntRange myRange;
    LMNameSearchResult myResult;
};

// The names steps three to seven look for; an empty name is a step left out.
struct LMNameSearch
{
    QString myProductionId;
    QString myNice;
    QString myPassepartout;
    QString myMinimal;
    QString myName;
    bool myPlainText;

    LMNameSearchResult run(const LMUnconfiguredTemplateList& theTemplates, const LMIntRange& theSlice) const
    {
        LMNameSearchResult aResult;
        for (qsizetype anIndex = theSlice.min(); anIndex <= theSlice.max(); ++anIndex) {
            const LMUnconfiguredTemplate& aTemplate = theTemplates.at(anIndex);
            const QString aUniqueName = aTemplate.uniqueName();
            const QString& aName = aTemplate->name();
            if (!myProductionId.isEmpty() && (aName == myProductionId || aUniqueName == myProductionId)) {
                // The earliest step: nothing later in this slice can win over it.
                aResult.myProductionId = anIndex;
                return aResult;
            }
            if (!myNice.isEmpty() && aUniqueName.startsWith(myNice)
                && (aResult.myNice < 0 || aName.size() < aResult.myNiceLength)) {
                aResult.myNice = anIndex;
                aResult.myNiceLength = aName.size();
            }
            if (!myPassepartout.isEmpty() && aResult.myPassepartout < 0
                && (aName == myPassepartout || aUniqueName == myPassepartout))
                aResult.myPassepartout = anIndex;
            if (!myMinimal.isEmpty() && aUniqueName.startsWith(myMinimal)
                && (aResult.myMinimal < 0 || aUniqueName.size() < aResult.myMinimalLength)) {
                aResult.myMinimal = anIndex;
                aResult.myMinimalLength = aUniqueName.size();
            }
            if (aResult.myVariant < 0 && matchesVariant(aTemplate, myName, myPlainText))
                aResult.myVariant = anIndex;
        }
        return aResult;
    }
};

LMContentFilterParameter parameterFor(const LMArticle& theArticle, const LMCategorization& theCategorization = {})
{
    return LMContentFilterParameter(LMTemplateContextGroup::fromArticle(theArticle, LMPageType()), theCategorization);
}

// A product's layouts are asked for on any page that takes content (the layout filter offers
// layouts for such pages only), with the product's page binding allowed.
LMTemplateContextGroup layoutConstraintsFor(const LMArticle& theArticle)
{
    LMTemplateContextGroup aConstraints = LMTemplateContextGroup::fromArticle(
        theArticle, LMPageType::fromInt(LMTemplateContextGroup::USABLE_PAGE_TYPES));
    aConstraints.setAllowedPageBinding(theArticle.pageBinding());
    return aConstraints;
}

LMCategorization categorizationOf(const LMCategoryType& theType, const LMThematicCategory& theCategory)
{
    LMCategorization aCategorization;
    aCategorization.insert(theType, theCategory);
    return aCategorization;
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
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->createKey() == theKey)
            return aTemplate.templatePointer();
    }
    return nullptr;
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
        LMUnconfiguredTemplate anExisting;
        {
            const QMutexLocker aLocker(&myImpl->myMutex);
            const LMUnconfiguredTemplateList aSameId
                = myImpl->myTemplatesByDesignElementId.value(theTemplate->designElementID());
            for (const LMUnconfiguredTemplate& aCandidate : aSameId) {
                if (!aCandidate->isMultiColor()) {
                    anExisting = aCandidate;
                    break;
                }
            }
        }
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
    LMUnconfiguredTemplateList aSameId;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        aSameId = myImpl->myTemplatesByDesignElementId.value(theId);
    }
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aSameId)) {
        if (theName.contains(aTemplate.name()))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
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
    LMUnconfiguredTemplateList aSameId;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        aSameId = myImpl->myTemplatesByDesignElementId.value(theId);
    }
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aSameId)) {
        if (aTemplate.isValid() && aTemplate->matchesName(theName))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
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
    QString aName = theName;
    aName.replace(STR_DESIGN_THEME, STR_NORMAL_THEME);
    aName.replace(STR_ALBFREE_THEME, STR_NORMAL_THEME);
    // The expression is asked only when it can match: cached lookups must stay cheap.
    if (aName.startsWith(STR_WEISS))
        aName.replace(weissRx(), STR_WHITE_REPLACEMENT);

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
    if (theName.isEmpty())
        return LMUnconfiguredTemplate();
    const LMUnconfiguredTemplateList aTemplates = allTemplates();

    // The name itself, in parallel; the name travels in the predicate (no shared state).
    {
        const LMPoolSlotRelease aRelease;
        const LMUnconfiguredTemplateList aMatches
            = LMConcurrent::blockingFiltered(aTemplates, [theName](const LMUnconfiguredTemplate& theTemplate) {
                  return theTemplate->matchesName(theName);
              });
        if (!aMatches.isEmpty())
            return aMatches.constFirst();
    }

    // Steps three to seven in one pass over the list (in parallel slices): each step's answer
    // depends only on the list and its own name, so the first step with an answer wins as if they
    // had run one after the other.
    const QString aProductionId = extractProductionID(theName);
    const bool aCheckProductionId = aProductionId != theName;
    const QString aNiceName = makeTemplateNameNice(theName);
    // An empty prefix would take any template.
    const bool aCheckNice = !aNiceName.isEmpty();
    const QString aPassepartoutName = changePassepartoutArticles(theName);
    const bool aCheckPassepartout = aPassepartoutName != theName;
    const QString aMinimalName = makeTemplateNameMinimal(aNiceName);
    const bool aCheckMinimal = !aMinimalName.isEmpty();
    const bool aPlainText = isPlainText(theName);

    const LMNameSearch aSearch { aCheckProductionId ? aProductionId : QString(),
                                 aCheckNice ? aNiceName : QString(),
                                 aCheckPassepartout ? aPassepartoutName : QString(),
                                 aCheckMinimal ? aMinimalName : QString(),
                                 theName,
                                 aPlainText };
    // Slices of the list searched in parallel, each answer kept with its slice, merged in list order.
    QList<LMNameSearchSlice> aSlices;
    const QList<LMIntRange> aRanges
        = LMIntRange::splitEvenlyForCpuCores(LMIntRange(0, static_cast<int>(aTemplates.size()) - 1));
    for (const LMIntRange& aRange : aRanges)
        aSlices.append(LMNameSearchSlice { aRange, {} });
    {
        const LMPoolSlotRelease aRelease;
        LMConcurrent::blockingMap(aSlices, [&aSearch, &aTemplates](LMNameSearchSlice& theSlice) {
            theSlice.myResult = aSearch.run(aTemplates, theSlice.myRange);
        });
    }
    LMNameSearchResult aMerged;
    for (const LMNameSearchSlice& aSlice : std::as_const(aSlices))
        aMerged.merge(aSlice.myResult);
    for (const qsizetype anIndex :
         { aMerged.myProductionId, aMerged.myNice, aMerged.myPassepartout, aMerged.myMinimal, aMerged.myVariant }) {
        if (anIndex >= 0)
            return aTemplates.at(anIndex);
    }

    if (theName.contains(STR_SVG_CONTENT)) {
        QString aSvgName = theName;
        aSvgName.replace(svgContentRx(), QStringLiteral(".svg"));
        // Without digits behind it nothing changes: searching again would not end.
        if (aSvgName != theName)
            return searchForTemplate(aSvgName);
    }
    const QRegularExpressionMatch anIdMatch = backgroundIdRx().match(theName);
    if (anIdMatch.hasMatch()) {
        bool anOk = false;
        const qint32 anId = anIdMatch.captured(1).toInt(&anOk);
        if (anOk)
            return findBackgroundByID(LMDesignElementID(anId), LMPageType::fromInt(BACKGROUND_BY_ID_PAGE_TYPES));
    }
    return LMUnconfiguredTemplate();
}

// ---- Name helpers ---------------------------------------------------------------------------

QString LMTemplateRegistry::makeTemplateNameNice(const QString& theName)
{
    QString aName = theName;
    aName.remove(STR_UNKNOWN_TYPE);
    if (const QRegularExpressionMatch aMatch = niceDekoRx().match(aName); aMatch.hasMatch())
        aName = aMatch.captured(1) + STR_NORMAL_THEME + aMatch.captured(2);
    if (const QRegularExpressionMatch aMatch = niceHueRx().match(aName); aMatch.hasMatch())
        aName = aMatch.captured(1) + QStringLiteral(",hue=") + aMatch.captured(2) + QStringLiteral(",fading=")
            + aMatch.captured(3);
    if (const QRegularExpressionMatch aMatch = niceOffsetRx().match(aName); aMatch.hasMatch())
        aName = aMatch.captured(1) + QLatin1Char(',') + aMatch.captured(2);
    aName.replace(QStringLiteral("/./"), QStringLiteral("/"));
    if (const QRegularExpressionMatch aMatch = categoriesRx().match(aName); aMatch.hasMatch())
        aName = aName.mid(aMatch.capturedLength(1));
    if (const qsizetype aPdf = aName.indexOf(STR_PDF); aPdf >= 0) {
        aName.truncate(aPdf + STR_PDF.size());
        aName.remove(QStringLiteral(",-1,-1"));
    }
    return removePreviewAndPDFFromTemplatename(aName);
}

QString LMTemplateRegistry::makeTemplateNameMinimal(const QString& theName)
{
    return theName.split(QLatin1Char(',')).mid(0, 2).join(QLatin1Char(','));
}

QString LMTemplateRegistry::removePreviewAndPDFFromTemplatename(const QString& theName)
{
    QStringList aKept;
    const QStringList aParts = theName.split(QLatin1Char(','));
    for (const QString& aPart : aParts) {
        if (!aPart.endsWith(STR_PDF) && !aPart.endsWith(STR_PNG))
            aKept.append(aPart);
    }
    return aKept.join(QLatin1Char(','));
}

QString LMTemplateRegistry::extractProductionID(const QString& theName)
{
    const QRegularExpressionMatch aMatch = productionIdRx().match(theName);
    return aMatch.hasMatch() ? aMatch.captured(1) : theName;
}

QString LMTemplateRegistry::changePassepartoutArticles(const QString& theName)
{
    if (!theName.startsWith(STR_PASSEPARTOUT))
        return theName;
    QString aName = theName;
    const QList<QPair<QString, QString>> aChanges = LMProductCatalogue::instance()->passepartoutCodeChanges();
    for (const QPair<QString, QString>& aChange : aChanges)
        aName.replace(aChange.first, aChange.second);
    return aName;
}

// ---- Filters and products -------------------------------------------------------------------

LMUnconfiguredTemplateList LMTemplateRegistry::getTemplates(const LMTemplateFilterAbstract& theFilter) const
{
    LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(theFilter.acceptableJigType());
    if (aTemplates.isEmpty())
        aTemplates = allTemplates();
    LMUnconfiguredTemplateList aResult = aTemplates.filter(&theFilter);
    if (dynamic_cast<const LMTemplateFilterVariantTemplate*>(&theFilter))
        aResult = aResult.sortedByName();
    return aResult;
}

bool LMTemplateRegistry::filterHasMatches(const LMTemplateFilterAbstract& theFilter) const
{
    return allTemplates().filterHasMatches(&theFilter);
}

LMUnconfiguredTemplateList LMTemplateRegistry::getAllLayouts(const LMTemplateContext& theContext) const
{
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setIgnoreVisibility(true);
    return getTemplates(LMTemplateFilterLayout(aParameter));
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplate(const LMPriceClass& thePriceClass, const LMArticle& theArticle,
                                                        const LMArticleVariants& theVariants,
                                                        bool theExplicitOnly) const
{
    // The catalogue knows one set of variants per article: those are its defaults for every class.
    const LMArticleVariants aDefaults = theArticle.possibleVariants();
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    LMUnconfiguredTemplate aLast;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (!aTemplate->containsArticle(theArticle, theExplicitOnly) || aTemplate->priceClass() != thePriceClass)
            continue;
        if (!theVariants.isEmpty() && !aTemplate->articleVariants().contains(theVariants))
            continue;
        // Frame materials have no upright kind here: every frame candidate counts as not upright.
        if (aTemplate->articleVariants() == aDefaults || aTemplate->isJigType(LMJigTypeEnum::Frame))
            return aTemplate;
        aLast = aTemplate;
    }
    return aLast;
}

LMUnconfiguredTemplate
LMTemplateRegistry::findTemplateByPriceClassAndVariant(const LMPriceClass& thePriceClass,
                                                       const LMArticleVariants& theVariants) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->priceClass() == thePriceClass && aTemplate->articleVariants().contains(theVariants))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplateByProductionCode(const QString& theCode) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->fileInfo().filePath().contains(theCode))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findTemplateWithLayout(const LMUnconfiguredTemplate& theTemplate,
                                                                  const LMPageType& thePageType,
                                                                  const LMOrientation& theOrientation) const
{
    if (theTemplate.isNull())
        return LMUnconfiguredTemplate();
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->hasSameLayout(*theTemplate) && aTemplate->contextGroup().sharesPageType(thePageType)
            && aTemplate->supportedOrientation().intersects(theOrientation))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findFrameGlassTemplate(const LMArticleList& theArticles,
                                                                  const LMArticle& theArticle,
                                                                  const LMFrameGlassMaterial& theMaterial) const
{
    Q_UNUSED(theArticles)
    const LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(LMJigTypeEnum::FrameGlass);
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->priceClass() == theArticle.priceClass() && aTemplate->containsArticle(theArticle, false)
            && aTemplate->hasGlassMaterial(theMaterial))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findVariantTemplate(const LMArticle& theArticle,
                                                               const LMArticleVariants& theVariants) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->templateLayerType() == LMTemplateLayerTypeEnum::Variant
            && aTemplate->containsArticle(theArticle, true)
            && (theVariants.isEmpty() || aTemplate->articleVariants().contains(theVariants)))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findFramePassepartoutTemplate(const LMArticle& theArticle,
                                                                         const LMArticleVariants& theVariants) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(LMJigTypeEnum::Passepartout);
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->containsArticle(theArticle, false)
            && (theVariants.isEmpty() || aTemplate->articleVariants().contains(theVariants)))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findNoFrameTemplate(const LMTemplateContext& theContext) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED))
        && !theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED_OR_CANVAS)))
        return LMUnconfiguredTemplate();
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    const LMUnconfiguredTemplateList aFrames = getTemplates(LMTemplateFilterFrame(aParameter));
    for (const LMUnconfiguredTemplate& aFrame : aFrames) {
        if (aFrame.isJigType(LMJigTypeEnum::Frame) && aFrame->frameMaterial() == LMFrameMaterialEnum::Remove)
            return aFrame;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findNoPassepartoutTemplate(const LMTemplateContext& theContext) const
{
    if (theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED))) {
        const LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(LMJigTypeEnum::Passepartout);
        for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
            if (aTemplate->isRemoveItem() && aTemplate->containsArticle(theContext.article(), false))
                return aTemplate;
        }
    }
    return findNoFrameTemplate(theContext);
}

LMUnconfiguredTemplate LMTemplateRegistry::findPosterStrip(const LMTemplateContext& theContext,
                                                           const LMOrientation& theOrientation,
                                                           const LMArticleVariants& theVariants) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_FRAMED)))
        return LMUnconfiguredTemplate();
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setOrientation(theOrientation);
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    const LMUnconfiguredTemplateList aFrames = getTemplates(LMTemplateFilterFrame(aParameter));
    for (const LMUnconfiguredTemplate& aFrame : aFrames) {
        // A poster strip is a frame made for the poster page.
        const bool aStrip
            = aFrame.isJigType(LMJigTypeEnum::Frame) && aFrame->contextGroup().sharesPageType(LMPageTypeEnum::Poster);
        if (aStrip && (theVariants.isEmpty() || aFrame->articleVariants().contains(theVariants)))
            return aFrame;
    }
    return LMUnconfiguredTemplate();
}

bool LMTemplateRegistry::hasFrameCategories(const LMTemplateContext& theContext,
                                            const LMOrientation& theOrientation) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_WALL_DECOR)))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setOrientation(theOrientation);
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    return filterHasMatches(LMTemplateFilterFrame(aParameter));
}

bool LMTemplateRegistry::showFrameIcon(const LMTemplateContext& theContext) const
{
    if (!theContext.hasArticleClass(LMArticleClass::fromInt(ARTICLE_CLASS_WALL_DECOR)))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameMaterial(LMFrameMaterialEnum::All);
    return filterHasMatches(LMTemplateFilterFrame(aParameter));
}

bool LMTemplateRegistry::hasFrameGlassesCategories(const LMTemplateContext& theContext,
                                                   const LMPriceClassSet& thePriceClasses) const
{
    if (!theContext.hasGlassesAddOn(thePriceClasses))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameConstructionPriceClasses(thePriceClasses.values());
    return !getTemplates(LMTemplateFilterFrameGlasses(aParameter)).isEmpty();
}

bool LMTemplateRegistry::hasFramePassepartoutCategories(const LMTemplateContext& theContext,
                                                        const LMPriceClassSet& thePriceClasses) const
{
    if (!theContext.hasPassepartoutAddOn(thePriceClasses))
        return false;
    LMContentFilterParameter aParameter(theContext, LMCategorization());
    aParameter.setFrameConstructionPriceClasses(thePriceClasses.values());
    return !getTemplates(LMTemplateFilterFramePassepartout(aParameter)).isEmpty();
}

bool LMTemplateRegistry::hasWallholderCategories(const LMTemplateContext& theContext) const
{
    return !getTemplates(LMTemplateFilterWallholder(LMContentFilterParameter(theContext, LMCategorization())))
                .isEmpty();
}

bool LMTemplateRegistry::hasWallholder(const LMTemplateContext& theContext, const LMPriceClass& thePriceClass) const
{
    const LMUnconfiguredTemplateList aWallholders
        = getTemplates(LMTemplateFilterWallholder(LMContentFilterParameter(theContext, LMCategorization())));
    return std::any_of(
        aWallholders.cbegin(), aWallholders.cend(),
        [&thePriceClass](const LMUnconfiguredTemplate& theT) { return theT->priceClass() == thePriceClass; });
}

LMUnconfiguredTemplate LMTemplateRegistry::findBackgroundByProductVariant(const LMArticle& theArticle,
                                                                          const LMArticleVariants& theVariants) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->hasBackground() && aTemplate->articleVariants().contains(theVariants)
            && aTemplate->containsArticle(theArticle, false))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMTemplateRegistry::findDefaultBackgroundByProductVariant(const LMArticle& theArticle) const
{
    return findBackgroundByProductVariant(theArticle, theArticle.possibleVariants());
}

LMUnconfiguredTemplate LMTemplateRegistry::findBackgroundByDesignElementId(
    const LMDesignElementID& theId, const LMMultiColorConfig& theMultiColorConfig, const LMArticle& theArticle) const
{
    const LMUnconfiguredTemplateList aSameId = allTemplatesByDesignElementId(theId);
    for (const LMUnconfiguredTemplate& aTemplate : aSameId) {
        if (aTemplate->multiColorConfig() == theMultiColorConfig && aTemplate->containsArticle(theArticle, false))
            return aTemplate;
    }
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplateList LMTemplateRegistry::allBackgrounds(const LMArticle& theArticle) const
{
    LMContentFilterParameter aParameter = parameterFor(theArticle);
    aParameter.setMultiColorConfig(false, LMMultiColorConfig::anyMultiColorConfig());
    return getTemplates(LMTemplateFilterBackground(aParameter));
}

LMUnconfiguredTemplateList LMTemplateRegistry::allMultiColorBackgrounds(const LMArticle& theArticle) const
{
    LMContentFilterParameter aParameter
        = parameterFor(theArticle, categorizationOf(LMCategoryTypeEnum::Subcategory, LMThematicCategory::multiColor()));
    aParameter.setMultiColorConfig(false, LMMultiColorConfig::anyMultiColorConfig());
    return getTemplates(LMTemplateFilterBackground(aParameter));
}

LMUnconfiguredTemplateList LMTemplateRegistry::allFlatColorBackgrounds(const LMArticle& theArticle) const
{
    LMContentFilterParameter aParameter = parameterFor(
        theArticle, categorizationOf(LMCategoryTypeEnum::Subcategory, LMThematicCategory::colorsCategory()));
    aParameter.setMultiColorConfig(false, LMMultiColorConfig::anyMultiColorConfig());
    return getTemplates(LMTemplateFilterBackground(aParameter));
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findAllTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                     const LMThematicCategory& theCategory) const
{
    // A template group is a theme.
    const LMCategorization aCategorization = categorizationOf(LMCategoryTypeEnum::Theme, theCategory);
    LMUnconfiguredTemplateList aResult
        = getTemplates(LMTemplateFilterContent(parameterFor(theArticle, aCategorization)));

    LMTemplateFilterLayout aLayouts(LMContentFilterParameter(layoutConstraintsFor(theArticle), aCategorization));
    aLayouts.setJigStatus(LMJigStatus::fromInt(JIG_STATUS_LAYOUTS));
    aLayouts.setAllowCliparts(true);
    aResult.append(getTemplates(aLayouts));
    return aResult;
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findAllContentTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                            const LMCategorization& theCategorization) const
{
    const LMTemplateContextGroup aConstraints = LMTemplateContextGroup::fromArticle(theArticle, LMPageType());
    const LMUnconfiguredTemplateList aTemplates = allTemplates();
    LMUnconfiguredTemplateList aResult;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate->categorization().containsAtLeastOneForEachType(theCategorization)
            && aTemplate->contextGroup().fulfillsConstraints(aConstraints, false, false))
            aResult.append(aTemplate);
    }
    return aResult;
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findExampleTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                         const LMThematicCategory& theCategory) const
{
    // Examples are offered under the standard theme besides the group's own.
    LMUnconfiguredTemplateList aFound = findAllTemplatesForTemplateGroup(theArticle, theCategory);
    aFound.append(findAllTemplatesForTemplateGroup(theArticle, LMThematicCategory::standardTheme()));
    QMap<LMThematicCategory, LMUnconfiguredTemplate> aByTheme;
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aFound)) {
        const LMThematicCategorySet aThemes = aTemplate->thematicCategories(LMCategoryTypeEnum::Theme);
        for (const LMThematicCategory& aTheme : aThemes) {
            if (!aByTheme.contains(aTheme))
                aByTheme.insert(aTheme, aTemplate);
        }
    }
    LMUnconfiguredTemplateList aResult;
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aByTheme))
        aResult.append(aTemplate);
    return aResult;
}

LMUnconfiguredTemplateList
LMTemplateRegistry::findAllLayoutsForSubCategory(const LMArticle& theArticle,
                                                 const LMThematicCategory& theSubCategory) const
{
    return getTemplates(LMTemplateFilterLayout(LMContentFilterParameter(
        layoutConstraintsFor(theArticle), categorizationOf(LMCategoryTypeEnum::Subcategory, theSubCategory))));
}

bool LMTemplateRegistry::productHasJigType(const LMArticle& theArticle, const LMJigType& theJigType) const
{
    const LMUnconfiguredTemplateList aTemplates = allTemplatesForJigType(theJigType);
    return std::any_of(aTemplates.cbegin(), aTemplates.cend(), [&theArticle](const LMUnconfiguredTemplate& theT) {
        return theT->containsArticle(theArticle, false);
    });
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
