#include "LMLayoutDistributor.h"

#include "LMArticle.h"
#include "LMBasisSettings.h"
#include "LMCategorization.h"
#include "LMCategoryType.h"
#include "LMFiniteSequence.h"
#include "LMFotoAccess.h"
#include "LMPageConstraint.h"
#include "LMPageType.h"
#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateRegistry.h"
#include "LMTemplatesLogging.h"

#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

LM_DEFINE_ENUM_TABLE(LMLayoutDistributorConfiguration)

void LMLayoutDistributorConfiguration::fillTable(Table* theTable) const
{
    Q_UNUSED(theTable);
}

namespace {

// What the design styles ask of every layout: tight, spacious, panorama and text layouts, and the
// editor's bit 2048.
constexpr qint32 STYLE_LAYOUT_FLAGS = 2075;
constexpr int PHOTO_SIZE_LEVEL = 4;

// A photo as the filling passes see it: read once.
struct PoolFoto
{
    LMFoto foto;
    bool valid = false;
    // 1 when taller than wide, else 2.
    int orientation = 2;
    int rating = 0;
};

PoolFoto readPoolFoto(const LMFoto& theFoto)
{
    const LMFotoAccess anAccess(theFoto, PHOTO_SIZE_LEVEL);
    PoolFoto aFoto;
    aFoto.foto = theFoto;
    aFoto.valid = theFoto.isValid() && anAccess.isValid();
    if (aFoto.valid) {
        const QSize aSize = anAccess.preferredSize();
        aFoto.orientation = aSize.height() > aSize.width() ? 1 : 2;
        aFoto.rating = anAccess.adobeRating();
    }
    return aFoto;
}

int wantedOrientation(const LMOrientation& theOrientation)
{
    return theOrientation.isSquare() ? int(LMOrientationEnum::Landscape) : theOrientation.value();
}

// The index of the first valid photo of the orientation, else of the first valid photo, else 0;
// -1 for an empty pool.
int firstWithOrientation(const std::vector<PoolFoto>& thePool, int theWanted)
{
    if (thePool.empty())
        return -1;
    int aFirstValid = -1;
    for (int i = 0; i < int(thePool.size()); ++i) {
        if (!thePool[size_t(i)].valid)
            continue;
        if (thePool[size_t(i)].orientation == theWanted)
            return i;
        if (aFirstValid < 0)
            aFirstValid = i;
    }
    return aFirstValid >= 0 ? aFirstValid : 0;
}

bool isConsideredFor(const LMUnconfiguredTemplate& theLayout, const LMPageAlignment& theAlignment)
{
    const LMPageAlignment anIntended = theLayout->pageConstraint().intendedAlignments();
    if (!anIntended.isValid() || !theAlignment.isValid())
        return true;
    return anIntended.testFlag(LMPageAlignmentEnum::Any) || anIntended.testFlag(theAlignment.toEnum());
}

// The score key of a page: its portrait and landscape photos, its photo count and alignment;
// 0 (not remembered) for counts too large to pack.
quint64 judgedKey(const LMPortraitAndLandscapeCount& theCount, int theFotoCount, int theAlignment)
{
    const auto fits = [](int theValue) {
        return theValue >= 0 && theValue < 0xFFFF;
    };
    if (!fits(theCount.portrait()) || !fits(theCount.landscape()) || !fits(theFotoCount) || theAlignment < 0
        || theAlignment > 0xFF)
        return 0;
    return (quint64(theCount.portrait()) << 40) | (quint64(theCount.landscape()) << 24) | (quint64(theFotoCount) << 8)
        | quint64(theAlignment) | (quint64(1) << 63);
}

QString fotoAreaCountList(const QList<int>& theCounts)
{
    QStringList aTexts;
    for (int aCount : theCounts)
        aTexts << QString::number(aCount);
    return aTexts.join(QStringLiteral(", "));
}

} // namespace

// ---- Construction --------------------------------------------------------------------------------

LMLayoutDistributor::LMLayoutDistributor(const LMTemplateContext& theContext,
                                         const LMLayoutDistributorConfiguration& theConfiguration,
                                         const LMLayoutFlags& theLayoutFlags)
    : myTemplateContext(theContext), myConfiguration(theConfiguration), myLayoutFlags(theLayoutFlags)
{
    LMTemplateRegistry::instance()->loadTemplates(theContext.article());
    initTemplates();
    report();
}

LMLayoutDistributor::LMLayoutDistributor(const LMArticle& theArticle, const LMDesignElementIDSet& theCollection)
    : myTemplateContext(theArticle, LMPageType(LMPageTypeEnum::InnerPage)),
      myConfiguration(LMLayoutDistributorConfigurationEnum::UsableByAssistant), myLayoutCollection(theCollection)
{
    LMTemplateRegistry::instance()->loadTemplates(theArticle);
    initTemplates(theCollection);
    report();
}

LMLayoutDistributor::LMLayoutDistributor(const LMTemplateContext& theContext,
                                         const LMDesignElementIDSet& thePageCollection,
                                         const LMDesignElementIDSet& theCollection)
    : myTemplateContext(theContext), myLayoutFlags(LMLayoutFlags::fromInt(STYLE_LAYOUT_FLAGS)),
      myLayoutCollection(theCollection), myPageLayoutCollection(thePageCollection)
{
    LMTemplateRegistry::instance()->loadTemplates(theContext.article());
    initTemplates(theCollection);
    initTemplates();
    report();
}

LMLayoutDistributor::~LMLayoutDistributor() = default;

// ---- Admission ------------------------------------------------------------------------------------

bool LMLayoutDistributor::strictly() const
{
    return myConfiguration.testFlag(LMLayoutDistributorConfigurationEnum::Strictly);
}

bool LMLayoutDistributor::checkUsableByAssistent() const
{
    return myConfiguration.testFlag(LMLayoutDistributorConfigurationEnum::UsableByAssistant);
}

bool LMLayoutDistributor::checkLayoutLegality(const LMUnconfiguredTemplate& theLayout,
                                              const LMLayoutFlags& theFlags) const
{
    if (!theLayout.isValid())
        return false;
    const bool aUsable = !checkUsableByAssistent() || theLayout->isUsableByAssistant();
    if (theFlags.testFlag(LMLayoutFlagsEnum::RelaxedFirst)) {
        // The first relaxation admits every layout; it is worth a word only where a rule breaks.
        if (!aUsable)
            qCWarning(lcDistribution).noquote() << "is breaking the law for" << theLayout.name();
        return true;
    }
    return aUsable;
}

bool LMLayoutDistributor::templateIsGood(const LMUnconfiguredTemplate& theLayout, const LMLayoutFlags& theFlags,
                                         bool theCheckMeasurements) const
{
    if (!checkLayoutLegality(theLayout, theFlags))
        return false;
    const LMTemplateAnalysis& anAnalysis = theLayout->analysis();
    if (!anAnalysis.checkTexts(theFlags))
        return false;
    return !theCheckMeasurements || anAnalysis.checkMeasurements(theFlags, strictly());
}

bool LMLayoutDistributor::templateInCollectionForPage(const LMConfiguredTemplate& theLayout) const
{
    return theLayout.isValid() && myPageLayoutCollection.contains(theLayout->designElementID());
}

LMUnconfiguredTemplateList LMLayoutDistributor::allLayouts() const
{
    // Files are read in parallel: in name order the choice does not depend on which came first.
    LMUnconfiguredTemplateList aLayouts = LMTemplateRegistry::instance()->getAllLayouts(myTemplateContext);
    std::stable_sort(aLayouts.begin(), aLayouts.end(),
                     [](const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB) {
                         return theA.uniqueName() < theB.uniqueName();
                     });
    return aLayouts;
}

int LMLayoutDistributor::fotoAreaCount(const LMUnconfiguredTemplate& theLayout)
{
    return theLayout.isValid() ? theLayout->analysis().countFotoAreas() : 0;
}

void LMLayoutDistributor::addTemplateToRepository(const LMUnconfiguredTemplate& theLayout)
{
    if (!theLayout.isValid())
        return;
    const int aCount = fotoAreaCount(theLayout);
    const bool aLegal = checkLayoutLegality(theLayout, myLayoutFlags);
    std::lock_guard aLock(myRepositoryMutex);
    LMUnconfiguredTemplateList& aList = myRepository[aCount];
    if (aLegal && !aList.contains(theLayout))
        aList.append(theLayout);
}

void LMLayoutDistributor::initTemplates()
{
    const LMUnconfiguredTemplateList anAll = allLayouts();
    for (const LMUnconfiguredTemplate& aLayout : anAll) {
        if (templateIsGood(aLayout, myLayoutFlags, false))
            addTemplateToRepository(aLayout);
    }
    if (!strictly())
        relaxIfNecessary(anAll, myLayoutFlags);
}

void LMLayoutDistributor::initTemplates(const LMDesignElementIDSet& theIds)
{
    if (theIds.isEmpty())
        return;
    for (const LMUnconfiguredTemplate& aLayout : allLayouts()) {
        if (theIds.contains(aLayout->designElementID()))
            addTemplateToRepository(aLayout);
    }
}

void LMLayoutDistributor::initTemplates(const LMCategorization& theCategorization)
{
    const LMThematicCategorySet aThemes = theCategorization.categories(LMCategoryTypeEnum::Theme);
    const LMThematicCategorySet aSubcategories = theCategorization.categories(LMCategoryTypeEnum::Subcategory);
    for (const LMUnconfiguredTemplate& aLayout : allLayouts()) {
        const LMCategorization anOwn = aLayout->categorization();
        const bool aShares = anOwn.categories(LMCategoryTypeEnum::Theme).intersects(aThemes)
            && anOwn.categories(LMCategoryTypeEnum::Subcategory).intersects(aSubcategories);
        if (aShares || aLayout->analysis().hasClipartDummy())
            addTemplateToRepository(aLayout);
    }
    // Pages judged before may now find other layouts.
    std::lock_guard aLock(myJudgedMutex);
    myJudgedCounts.clear();
}

void LMLayoutDistributor::relaxIfNecessary(const LMUnconfiguredTemplateList& theAll, const LMLayoutFlags& theFlags)
{
    for (int aCount = 1; aCount <= RELAXED_COUNTS; ++aCount) {
        if (!lookUp(aCount).isEmpty())
            continue;
        LMLayoutFlags aFlags(theFlags);
        for (int anAttempt = 0; anAttempt < RELAXATION_ATTEMPTS; ++anAttempt) {
            aFlags.relax();
            ++myProblematicLevels[aCount];
            LMUnconfiguredTemplateList aFound;
            for (const LMUnconfiguredTemplate& aLayout : theAll) {
                if (fotoAreaCount(aLayout) == aCount && templateIsGood(aLayout, aFlags, true))
                    aFound.append(aLayout);
            }
            if (!aFound.isEmpty()) {
                std::lock_guard aLock(myRepositoryMutex);
                myRepository[aCount].append(aFound);
                break;
            }
        }
    }
}

// ---- The repository ---------------------------------------------------------------------------------

LMUnconfiguredTemplateList LMLayoutDistributor::templates(int theCount)
{
    std::lock_guard aLock(myRepositoryMutex);
    return myRepository[theCount];
}

LMUnconfiguredTemplateList LMLayoutDistributor::lookUp(int theCount) const
{
    std::lock_guard aLock(myRepositoryMutex);
    return myRepository.value(theCount);
}

int LMLayoutDistributor::maximumImagesOnAnyTemplate() const
{
    std::lock_guard aLock(myRepositoryMutex);
    int aLargest = 0;
    for (auto anIt = myRepository.cbegin(); anIt != myRepository.cend(); ++anIt) {
        if (!anIt.value().isEmpty())
            aLargest = anIt.key();
    }
    return aLargest;
}

int LMLayoutDistributor::problematicImageCountLevel(int theCount) const
{
    return myProblematicLevels.value(theCount);
}

int LMLayoutDistributor::findNonEmptyTemplateListWithAboutThisAmountOfFotoAreas(int theCount) const
{
    std::unique_lock aLock(myRepositoryMutex);
    int aSmallest = -1;
    int aNextLarger = -1;
    for (auto anIt = myRepository.cbegin(); anIt != myRepository.cend(); ++anIt) {
        if (anIt.value().isEmpty())
            continue;
        if (anIt.key() == theCount)
            return theCount;
        if (aSmallest < 0)
            aSmallest = anIt.key();
        if (aNextLarger < 0 && anIt.key() >= theCount)
            aNextLarger = anIt.key();
    }
    aLock.unlock();
    if (aSmallest < 0) {
        qCWarning(lcDistribution) << "Template repository empty!";
        return 0;
    }
    return aNextLarger >= 0 ? aNextLarger : aSmallest;
}

// ---- Choosing a layout --------------------------------------------------------------------------------

LMConfiguredTemplate LMLayoutDistributor::findLayout(const LMFotoList& theFotos, const LMPageAlignment& theAlignment)
{
    return findLayout(theFotos.countPortraitAndLandscape(PHOTO_SIZE_LEVEL), theAlignment);
}

LMConfiguredTemplate LMLayoutDistributor::findLayout(const LMPortraitAndLandscapeCount& theCount,
                                                     const LMPageAlignment& theAlignment)
{
    const int aTotal = theCount.totalCount();
    const int anAreas = findNonEmptyTemplateListWithAboutThisAmountOfFotoAreas(aTotal);
    const LMUnconfiguredTemplateList aList = lookUp(anAreas);
    if (aList.isEmpty())
        return LMConfiguredTemplate();
    LMPortraitAndLandscapeCount aCount(theCount);
    if (anAreas != aTotal)
        aCount.setPortrait(std::max(0, std::min(anAreas + theCount.portraitCount() - aTotal, anAreas)));
    const LMUnconfiguredTemplate aBest = findOptimalTemplate(aList, aCount, theAlignment);
    if (!aBest.isValid())
        return LMConfiguredTemplate();
    takeLayout(aBest);
    return LMConfiguredTemplate(aBest);
}

LMUnconfiguredTemplate LMLayoutDistributor::findOptimalTemplate(const LMUnconfiguredTemplateList& theList,
                                                                const LMPortraitAndLandscapeCount& theCount,
                                                                const LMPageAlignment& theAlignment) const
{
    LMUnconfiguredTemplate aBest;
    int aBestDistance = LMPortraitAndLandscapeCount::badDistance();
    LMUnconfiguredTemplateList aTies;
    for (const LMUnconfiguredTemplate& aLayout : theList) {
        if (!aLayout.isValid() || !isConsideredFor(aLayout, theAlignment))
            continue;
        const int aDistance = theCount.metricDistance(aLayout->analysis().portraitAndLandscapeCount());
        if (aDistance < aBestDistance) {
            aBest = aLayout;
            aBestDistance = aDistance;
            aTies.clear();
        } else if (aDistance == aBestDistance && aBest.isValid()) {
            aTies.append(aLayout);
        }
    }
    for (const LMUnconfiguredTemplate& aTie : std::as_const(aTies)) {
        if (fotoAreaCount(aTie) >= fotoAreaCount(aBest) && tookLessOften(aTie, aBest))
            aBest = aTie;
    }
    return aBest;
}

// ---- Take counts ----------------------------------------------------------------------------------------

void LMLayoutDistributor::takeLayout(const LMUnconfiguredTemplate& theLayout)
{
    std::lock_guard aLock(myTakeCountMutex);
    ++myTakeCounts[theLayout];
}

int LMLayoutDistributor::layoutTakeCount(const LMUnconfiguredTemplate& theLayout) const
{
    std::lock_guard aLock(myTakeCountMutex);
    return myTakeCounts.value(theLayout);
}

bool LMLayoutDistributor::tookLessOften(const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB) const
{
    std::lock_guard aLock(myTakeCountMutex);
    return myTakeCounts.value(theA) < myTakeCounts.value(theB);
}

// ---- Ordering photos into a layout --------------------------------------------------------------------

LMTemplateAreaDefinitionList LMLayoutDistributor::fotoAreasInFillingOrder(const LMUnconfiguredTemplate& theLayout)
{
    if (!theLayout.isValid())
        return LMTemplateAreaDefinitionList();
    LMTemplateAreaDefinitionList anAreas
        = theLayout->areaDefinitionsSmartLayout().filterWithSmartLayoutChildren(LMAreaTypeEnum::Foto);
    std::vector<std::unique_ptr<LMTemplateAreaDefinition>> aSorted;
    aSorted.reserve(size_t(anAreas.count()));
    while (!anAreas.isEmpty())
        aSorted.push_back(anAreas.takeAt(0));
    std::stable_sort(aSorted.begin(), aSorted.end(),
                     [](const auto& theA, const auto& theB) { return theA->coveredArea() > theB->coveredArea(); });
    for (auto& anArea : aSorted)
        anAreas.append(std::move(anArea));
    return anAreas;
}

LMFoto LMLayoutDistributor::findFirstImageWithOrientation(const LMFotoList& thePool,
                                                          const LMOrientation& theOrientation)
{
    std::vector<PoolFoto> aPool;
    aPool.reserve(size_t(thePool.size()));
    for (const LMFoto& aFoto : thePool)
        aPool.push_back(readPoolFoto(aFoto));
    const int anIndex = firstWithOrientation(aPool, wantedOrientation(theOrientation));
    return anIndex >= 0 ? aPool[size_t(anIndex)].foto : LMFoto();
}

LMFotoList LMLayoutDistributor::organizeFotos(const LMFotoList& theFotos, const LMConfiguredTemplate& theLayout,
                                              LMFotoList* theRemaining) const
{
    if (!theLayout.isValid() || theFotos.isEmpty())
        return theFotos;

    std::vector<PoolFoto> aPool;
    aPool.reserve(size_t(theFotos.size()));
    for (const LMFoto& aFoto : theFotos)
        aPool.push_back(readPoolFoto(aFoto));
    std::stable_sort(aPool.begin(), aPool.end(),
                     [](const PoolFoto& theA, const PoolFoto& theB) { return theA.rating > theB.rating; });

    const LMTemplateAreaDefinitionList anAreas = fotoAreasInFillingOrder(theLayout.unconfiguredTemplate());
    const int anAreaCount = anAreas.count();
    if (anAreaCount < int(theFotos.size()))
        qCWarning(lcDistribution).noquote()
            << QStringLiteral("Wir haben nicht genug Fotoareas, benötigt: %1, verfügbar: %2")
                   .arg(theFotos.size())
                   .arg(anAreaCount);
    const QList<LMOrientation> anOrientations = anAreas.orientations(myTemplateContext.widthByHeight());

    std::vector<LMFoto> anAssigned(static_cast<size_t>(anAreaCount));
    std::vector<bool> aFilled(size_t(anAreaCount), false);
    for (int i = 0; i < anAreaCount && !aPool.empty(); ++i) {
        const int anIndex = firstWithOrientation(aPool, wantedOrientation(anOrientations.value(i)));
        if (!aPool[size_t(anIndex)].valid)
            continue;
        anAssigned[size_t(i)] = aPool[size_t(anIndex)].foto;
        aFilled[size_t(i)] = true;
        aPool.erase(aPool.begin() + anIndex);
    }
    for (int i = 0; i < anAreaCount && !aPool.empty(); ++i) {
        if (aFilled[size_t(i)])
            continue;
        anAssigned[size_t(i)] = aPool.front().foto;
        aFilled[size_t(i)] = true;
        aPool.erase(aPool.begin());
    }

    LMFotoList aResult;
    for (int i = 0; i < anAreaCount; ++i) {
        if (aFilled[size_t(i)])
            aResult.append(anAssigned[size_t(i)]);
    }
    if (theRemaining != nullptr) {
        theRemaining->clear();
        for (const PoolFoto& aLeft : aPool)
            theRemaining->append(aLeft.foto);
    }
    return aResult;
}

// ---- Layouts for the editor's lists ---------------------------------------------------------------------

int LMLayoutDistributor::judgeFotos(const LMUnconfiguredTemplate& theLayout,
                                    const LMPortraitAndLandscapeCount& theCount)
{
    return std::abs(theLayout->analysis().countFotoAreasInPortrait() - theCount.portraitCount());
}

int LMLayoutDistributor::judgeTextCount(const LMUnconfiguredTemplate& theLayout, int theCount)
{
    return std::abs(theLayout->analysis().countTexts() - theCount);
}

bool LMLayoutDistributor::ILikeThisAmountOfTextFields(const LMUnconfiguredTemplate& theLayout, int theCount,
                                                      bool theAllowMore)
{
    const int aTexts = theLayout->analysis().countTexts();
    return aTexts == theCount || (theAllowMore && aTexts > theCount);
}

bool LMLayoutDistributor::ILikeThisAmountOfCliparts(const LMUnconfiguredTemplate& theLayout, bool theAllow) const
{
    return theAllow || !theLayout->analysis().hasClipartDummy() || templateInCollection(theLayout->designElementID());
}

QMultiMap<int, LMUnconfiguredTemplate> LMLayoutDistributor::listOfOffsets(const LMPortraitAndLandscapeCount& theCount,
                                                                          int theTextCount, bool theAllowMoreTexts,
                                                                          bool theAllowCliparts) const
{
    QMultiMap<int, LMUnconfiguredTemplate> anOffsets;
    for (const LMUnconfiguredTemplate& aLayout : lookUp(theCount.totalCount())) {
        if (!aLayout.isValid() || !ILikeThisAmountOfTextFields(aLayout, theTextCount, theAllowMoreTexts)
            || !ILikeThisAmountOfCliparts(aLayout, theAllowCliparts))
            continue;
        // QMultiMap puts a new value before the values already stored under its key.
        anOffsets.insert(judgeFotos(aLayout, theCount) + judgeTextCount(aLayout, theTextCount), aLayout);
    }
    return anOffsets;
}

QList<LMConfiguredTemplate> LMLayoutDistributor::findLayouts(const LMFotoList& theFotos, int theTextCount,
                                                             bool theAllowMoreTexts, bool theAllowCliparts) const
{
    return findLayouts(theFotos.countPortraitAndLandscape(PHOTO_SIZE_LEVEL), theTextCount, theAllowMoreTexts,
                       theAllowCliparts);
}

QList<LMConfiguredTemplate> LMLayoutDistributor::findLayouts(const LMPortraitAndLandscapeCount& theCount,
                                                             int theTextCount, bool theAllowMoreTexts,
                                                             bool theAllowCliparts) const
{
    QList<LMConfiguredTemplate> aLayouts;
    const QMultiMap<int, LMUnconfiguredTemplate> anOffsets
        = listOfOffsets(theCount, theTextCount, theAllowMoreTexts, theAllowCliparts);
    for (const LMUnconfiguredTemplate& aLayout : anOffsets) {
        if (!aLayout->areaDefinitions().containsPrefilledTexts())
            aLayouts.append(LMConfiguredTemplate(aLayout));
    }
    return aLayouts;
}

// ---- Judging splits into pages ------------------------------------------------------------------------------

int LMLayoutDistributor::computeJudgeCount(const LMPortraitAndLandscapeCount& theCount,
                                           const LMPageAlignment& theAlignment) const
{
    const int aFotos = theCount.totalCount();
    const int anAreas = findNonEmptyTemplateListWithAboutThisAmountOfFotoAreas(aFotos);
    // The best layout is the nearest one; of equally near layouts each scores the same.
    int aDistance = theCount.portraitCount() + theCount.landscapeCount();
    bool aFound = false;
    for (const LMUnconfiguredTemplate& aLayout : lookUp(anAreas)) {
        if (!aLayout.isValid() || !isConsideredFor(aLayout, theAlignment))
            continue;
        const int aThis = theCount.metricDistance(aLayout->analysis().portraitAndLandscapeCount());
        if (!aFound || aThis < aDistance) {
            aDistance = aThis;
            aFound = true;
        }
    }
    return aDistance + 100 * std::abs(anAreas - aFotos);
}

int LMLayoutDistributor::judgeCount(const LMPortraitAndLandscapeCount& theCount, int theAlignment) const
{
    const quint64 aKey = judgedKey(theCount, theCount.totalCount(), theAlignment);
    if (aKey != 0) {
        std::lock_guard aLock(myJudgedMutex);
        const auto aFound = myJudgedCounts.constFind(aKey);
        if (aFound != myJudgedCounts.cend())
            return aFound.value();
    }
    const int aScore = computeJudgeCount(theCount, LMPageAlignment::fromInt(theAlignment));
    if (aKey != 0) {
        std::lock_guard aLock(myJudgedMutex);
        myJudgedCounts.insert(aKey, aScore);
    }
    return aScore;
}

int LMLayoutDistributor::judgeLayout(const LMFotoList& theFotos, const LMPageAlignment& theAlignment) const
{
    // Photos that cannot be read still take a place on the page: they count as landscape.
    LMPortraitAndLandscapeCount aCount = theFotos.countPortraitAndLandscape(PHOTO_SIZE_LEVEL);
    aCount.addLandscape(int(theFotos.size()) - aCount.totalCount());
    return judgeCount(aCount, theAlignment.value());
}

int LMLayoutDistributor::judgeLayout(const LMPortraitAndLandscapeCount& theCount,
                                     const LMPageAlignment& theAlignment) const
{
    return judgeCount(theCount, theAlignment.value());
}

int LMLayoutDistributor::judge(const QList<LMPortraitAndLandscapeCount>& thePages, bool theLeftPage) const
{
    int aSum = 0;
    LMFiniteSequence aSizes;
    bool aLeft = theLeftPage;
    for (const LMPortraitAndLandscapeCount& aPage : thePages) {
        // A left page is aligned left (1), a right page right (2).
        const int anAlignment = aLeft ? 1 : 2;
        aLeft = !aLeft;
        if (aPage.totalCount() <= 0)
            continue;
        aSum += judgeCount(aPage, anAlignment);
        aSizes.append(aPage.totalCount());
    }
    return aSum - int(std::lround(5.0 * aSizes.standardDeviation()));
}

int LMLayoutDistributor::judge(const LMFotosForScenePack& thePack) const
{
    QList<LMPortraitAndLandscapeCount> aPages;
    aPages.reserve(thePack.numberOfScenePacks());
    for (const LMFotoList& aPage : thePack.pages()) {
        LMPortraitAndLandscapeCount aCount = aPage.countPortraitAndLandscape(PHOTO_SIZE_LEVEL);
        aCount.addLandscape(int(aPage.size()) - aCount.totalCount());
        aPages.append(aCount);
    }
    return judge(aPages, thePack.weAreOnALeftPage());
}

LMFotosForScenePack LMLayoutDistributor::findTheBest(const LMFotoForScenePackList& theList) const
{
    // The same photos appear in every pack: their orientation is read once.
    QHash<LMFoto, bool> aPortrait;
    for (const LMFotosForScenePack& aPack : theList) {
        for (const LMFotoList& aPage : aPack.pages()) {
            for (const LMFoto& aFoto : aPage) {
                if (!aPortrait.contains(aFoto))
                    aPortrait.insert(aFoto, LMFotoAccess(aFoto, PHOTO_SIZE_LEVEL).orientation().isPortrait());
            }
        }
    }

    LMFotosForScenePack aBest(true);
    int aBestScore = 10000000;
    QList<LMPortraitAndLandscapeCount> aPages;
    for (const LMFotosForScenePack& aPack : theList) {
        aPages.clear();
        for (const LMFotoList& aPage : aPack.pages()) {
            LMPortraitAndLandscapeCount aCount;
            for (const LMFoto& aFoto : aPage) {
                if (aPortrait.value(aFoto))
                    aCount.addPortrait();
                else
                    aCount.addLandscape();
            }
            aPages.append(aCount);
        }
        const int aScore = judge(aPages, aPack.weAreOnALeftPage());
        if (aScore < aBestScore) {
            aBestScore = aScore;
            aBest = aPack;
        }
    }
    return aBest;
}

// ---- Examples --------------------------------------------------------------------------------------------------

LMConfiguredTemplate LMLayoutDistributor::exampleTemplate(unsigned theCount, int theIndex, bool theWithClipart)
{
    const int aMaximum = int(std::min<qint64>(maximumImagesOnAnyTemplate(), 4 * qint64(theCount)));
    if (aMaximum == 0)
        return LMConfiguredTemplate();
    int aCount = int(std::min<qint64>(theCount, aMaximum));
    int anIndex = theIndex;
    for (int anAttempt = 0; anAttempt < RELAXED_COUNTS; ++anAttempt) {
        LMUnconfiguredTemplateList aList
            = templates(aCount).filterThoseWithClipart(theWithClipart).filterThoseWithText(false);
        if (anIndex >= 0 && anIndex < aList.size()) {
            std::stable_sort(
                aList.begin(), aList.end(), [](const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB) {
                    return theA->analysis().countFotoAreasInLandscape() > theB->analysis().countFotoAreasInLandscape();
                });
            return LMConfiguredTemplate(aList.at(anIndex));
        }
        anIndex -= int(aList.size());
        aCount = aCount + 1 > aMaximum ? 1 : aCount + 1;
    }
    qCWarning(lcDistribution).noquote() << "giving up " << aCount << anIndex << (theWithClipart ? "true" : "false");
    return LMConfiguredTemplate();
}

LMConfiguredTemplate LMLayoutDistributor::findDemoTemplate(unsigned theCount,
                                                           const LMThematicCategorySet& theCategories)
{
    for (const LMUnconfiguredTemplate& aLayout : templates(int(std::min<unsigned>(theCount, INT_MAX)))) {
        if (aLayout.isValid() && aLayout->thematicCategories(LMCategoryTypeEnum::Subcategory).intersects(theCategories))
            return LMConfiguredTemplate(aLayout);
    }
    return LMConfiguredTemplate();
}

LMConfiguredTemplate LMLayoutDistributor::findDemoTemplate(unsigned theCount, bool thePreferInclined) const
{
    if (theCount < 3 || theCount > unsigned(INT_MAX))
        return LMConfiguredTemplate();
    const int aCount = int(theCount);
    LMConfiguredTemplate aBest;
    int aMostInclined = -1;
    for (int aPortraits = 0; aPortraits < aCount / 3; ++aPortraits) {
        const QList<LMConfiguredTemplate> aLayouts
            = findLayouts(LMPortraitAndLandscapeCount(aPortraits, aCount - aPortraits), 0, false, true);
        for (const LMConfiguredTemplate& aLayout : aLayouts) {
            const LMTemplateAnalysis& anAnalysis = aLayout->analysis();
            if (!aLayout.isValid() || anAnalysis.hasExtremePortrait() || anAnalysis.countTexts() > 0)
                continue;
            if (!thePreferInclined)
                return aLayout;
            if (anAnalysis.countInclinedFotos() > aMostInclined) {
                aMostInclined = anAnalysis.countInclinedFotos();
                aBest = aLayout;
            }
        }
    }
    return aBest;
}

// ---- Report ------------------------------------------------------------------------------------------------------

QStringList LMLayoutDistributor::reportLines() const
{
    QMap<int, LMUnconfiguredTemplateList> aRepository;
    {
        std::lock_guard aLock(myRepositoryMutex);
        aRepository = myRepository;
    }
    int aLargest = 0;
    for (auto anIt = aRepository.cbegin(); anIt != aRepository.cend(); ++anIt) {
        if (!anIt.value().isEmpty())
            aLargest = std::max(aLargest, anIt.key());
    }

    QStringList aLines { QStringLiteral("Layout Info:"), QStringLiteral("============") };
    if (aLargest == 0) {
        aLines << QStringLiteral("Es gibt keine Layouts zu Auswahl");
    } else {
        QList<int> aMissing;
        for (int aCount = 1; aCount <= aLargest; ++aCount) {
            if (aRepository.value(aCount).isEmpty())
                aMissing.append(aCount);
        }
        if (aMissing.isEmpty()) {
            aLines << QStringLiteral("Alle Anzahlen Fotos von 0 bis ") + QString::number(aLargest)
                    + QStringLiteral(" haben mindestens ein Layout.");
        } else {
            aLines << QStringLiteral("Anzahlen Fotos, für die es kein Layout gibt: ") + fotoAreaCountList(aMissing)
                   << QStringLiteral("(Dadurch können leere Platzhalter oder leere Seiten entstehen!)");
        }
        aLines << QStringLiteral("Details:") << QStringLiteral("--------");
        for (auto anIt = aRepository.cbegin(); anIt != aRepository.cend(); ++anIt) {
            const LMUnconfiguredTemplateList& aList = anIt.value();
            if (aList.isEmpty())
                continue;
            QSet<int> aLandscapeCounts;
            for (const LMUnconfiguredTemplate& aLayout : aList)
                aLandscapeCounts.insert(aLayout->analysis().countFotoAreasInLandscape());
            const int aVariants = int(aLandscapeCounts.size());
            aLines << QStringLiteral("#Fotos / #Layouts / L/P-Varianten / L/P-Abdeckung %1 / %2 / %3 / %4%")
                          .arg(anIt.key())
                          .arg(aList.size())
                          .arg(aVariants)
                          .arg(aVariants * 100 / (anIt.key() + 1));
            for (const LMUnconfiguredTemplate& aLayout : aList)
                aLines << QStringLiteral("Name: ") + aLayout.name();
        }
    }
    aLines << QStringLiteral("End of Report") << QStringLiteral("=============");
    return aLines;
}

void LMLayoutDistributor::report() const
{
    if (!LMBasisSettings::instance()->runsInMasterMode())
        return;
    for (const QString& aLine : reportLines())
        qCInfo(lcDistribution).noquote() << aLine;
}
