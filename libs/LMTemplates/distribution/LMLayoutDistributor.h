#pragma once

#include "LMConfiguredTemplate.h"
#include "LMDesignElementIDSet.h"
#include "LMEnumWrapper.h"
#include "LMFotoForScenePackList.h"
#include "LMFotoList.h"
#include "LMLayoutFlags.h"
#include "LMOrientation.h"
#include "LMPageAlignment.h"
#include "LMPortraitAndLandscapeCount.h"
#include "LMTemplateContext.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"
#include "LMUnconfiguredTemplateList.h"

#include <QHash>
#include <QMap>
#include <QMultiMap>

#include <mutex>

class LMArticle;
class LMCategorization;
class LMDesignElementID;
class LMTemplateAreaDefinitionList;

enum class LMLayoutDistributorConfigurationEnum : qint32 {
    None = 0,
    // Only layouts the assistant may use are admitted.
    UsableByAssistant = 1,
    // Nothing is relaxed, and measurements are checked strictly.
    Strictly = 2
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMLayoutDistributorConfigurationEnum)

// How a layout distributor admits layouts. Never read from text: its table is empty.
class LMTEMPLATES_EXPORT LMLayoutDistributorConfiguration : public LMEnumWrapper<LMLayoutDistributorConfigurationEnum>
{
public:
    LMLayoutDistributorConfiguration() = default;
    LMLayoutDistributorConfiguration(LMLayoutDistributorConfigurationEnum theValue) : LMEnumWrapper(theValue) { }
    LMLayoutDistributorConfiguration(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    void fillTable(Table* theTable) const override;
};

// Chooses page layouts for groups of photos. It keeps the layouts usable for one product, grouped
// by their number of photo areas, and answers which layout suits a group of photos on a left or
// right page, in which order the photos go into the layout's photo areas, and which of several
// splits of a photo sequence into pages suits the layouts best. It counts how often each layout
// was taken, so that of equally good layouts the one taken less often wins.
//
// Thread-safe: the repository is filled in the constructor and afterwards only gains empty lists;
// the repository, the take counts and the judged page scores have a lock each, and no two of them
// are ever held together.
class LMTEMPLATES_EXPORT LMLayoutDistributor
{
public:
    // The layouts of the context that meet the flags; counts without any are relaxed unless the
    // configuration says strictly.
    LMLayoutDistributor(const LMTemplateContext& theContext, const LMLayoutDistributorConfiguration& theConfiguration,
                        const LMLayoutFlags& theLayoutFlags);
    // The article's inner-page layouts of the collection that the assistant may use.
    LMLayoutDistributor(const LMArticle& theArticle, const LMDesignElementIDSet& theCollection);
    // The collection's layouts of the context, then every layout of the context that meets the
    // style's requirements; pageCollection answers templateInCollectionForPage().
    LMLayoutDistributor(const LMTemplateContext& theContext, const LMDesignElementIDSet& thePageCollection,
                        const LMDesignElementIDSet& theCollection);
    LMLayoutDistributor(const LMLayoutDistributor&) = delete;
    LMLayoutDistributor& operator=(const LMLayoutDistributor&) = delete;
    virtual ~LMLayoutDistributor();

    // ---- Choosing and filling layouts ------------------------------------------------------
    // The layout for the photos on a page of that alignment, counted as taken; null when the
    // repository has none.
    LMConfiguredTemplate findLayout(const LMFotoList& theFotos, const LMPageAlignment& theAlignment);
    LMConfiguredTemplate findLayout(const LMPortraitAndLandscapeCount& theCount, const LMPageAlignment& theAlignment);
    // The photos in the order of the layout's photo areas (largest area first): the best-rated
    // photos go first, each into the first area of its orientation. Photos that found no area go
    // to *theRemaining when it is given. Photos of equal rating keep their order.
    LMFotoList organizeFotos(const LMFotoList& theFotos, const LMConfiguredTemplate& theLayout,
                             LMFotoList* theRemaining = nullptr) const;
    // The photo areas of a layout in the order organizeFotos() fills them: by descending covered
    // area, equal ones in the layout's order.
    static LMTemplateAreaDefinitionList fotoAreasInFillingOrder(const LMUnconfiguredTemplate& theLayout);
    // The first valid photo of the orientation (square wants landscape), else the first valid
    // photo, else the first photo; invalid for an empty pool.
    static LMFoto findFirstImageWithOrientation(const LMFotoList& thePool, const LMOrientation& theOrientation);

    // Layouts for the editor's lists, best first: scored by how far their portrait areas and
    // text areas are from the wanted counts; layouts with prefilled texts are left out.
    QList<LMConfiguredTemplate> findLayouts(const LMFotoList& theFotos, int theTextCount, bool theAllowMoreTexts,
                                            bool theAllowCliparts) const;
    QList<LMConfiguredTemplate> findLayouts(const LMPortraitAndLandscapeCount& theCount, int theTextCount,
                                            bool theAllowMoreTexts, bool theAllowCliparts) const;
    // The layouts with exactly as many photo areas as the count, by score; of equal scores the
    // layout inserted last comes first.
    QMultiMap<int, LMUnconfiguredTemplate> listOfOffsets(const LMPortraitAndLandscapeCount& theCount, int theTextCount,
                                                         bool theAllowMoreTexts, bool theAllowCliparts) const;

    // ---- Judging splits into pages -----------------------------------------------------------
    // How badly the best layout fits the photos: the portrait and landscape areas it misses or
    // has too many, plus 100 for every photo area more or less than photos. A page for which no
    // layout is left scores as a layout without any area.
    int judgeLayout(const LMFotoList& theFotos, const LMPageAlignment& theAlignment) const;
    int judgeLayout(const LMPortraitAndLandscapeCount& theCount, const LMPageAlignment& theAlignment) const;
    // The pages' scores, less five times the standard deviation of their photo counts (rounded
    // half away from zero).
    int judge(const LMFotosForScenePack& thePack) const;
    // judge() of pages given by their photo counts, the first on a left page or not.
    int judge(const QList<LMPortraitAndLandscapeCount>& thePages, bool theLeftPage) const;
    // The pack with the lowest score, the first of equal ones; an empty pack on a left page for
    // an empty list. Each photo's orientation is read once for the whole list.
    LMFotosForScenePack findTheBest(const LMFotoForScenePackList& theList) const;

    // ---- The repository ------------------------------------------------------------------------
    // The layouts with that many photo areas (an empty list is kept for the count from now on).
    LMUnconfiguredTemplateList templates(int theCount);
    // The largest photo-area count with layouts; 0 when there are none.
    int maximumImagesOnAnyTemplate() const;
    // How many relaxation steps the count needed; 0 when none.
    int problematicImageCountLevel(int theCount) const;
    // The count of photo areas whose layouts a page of that many photos is given: the count itself
    // when it has layouts, else the next larger count with layouts, else the smallest one with
    // layouts; 0 (with a warning) when there are no layouts at all.
    int findNonEmptyTemplateListWithAboutThisAmountOfFotoAreas(int theCount) const;
    // Of the layouts meant for the alignment, the one nearest to the count; of equally near ones
    // the one with at least as many photo areas taken less often.
    LMUnconfiguredTemplate findOptimalTemplate(const LMUnconfiguredTemplateList& theList,
                                               const LMPortraitAndLandscapeCount& theCount,
                                               const LMPageAlignment& theAlignment) const;

    // ---- Take counts -----------------------------------------------------------------------------
    void takeLayout(const LMUnconfiguredTemplate& theLayout);
    int layoutTakeCount(const LMUnconfiguredTemplate& theLayout) const;
    bool tookLessOften(const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB) const;

    // ---- Admission -------------------------------------------------------------------------------
    bool checkLayoutLegality(const LMUnconfiguredTemplate& theLayout, const LMLayoutFlags& theFlags) const;
    bool templateIsGood(const LMUnconfiguredTemplate& theLayout, const LMLayoutFlags& theFlags,
                        bool theCheckMeasurements) const;
    bool templateInCollection(const LMDesignElementID& theId) const { return myLayoutCollection.contains(theId); }
    bool templateInCollectionForPage(const LMConfiguredTemplate& theLayout) const;
    bool strictly() const;
    bool checkUsableByAssistent() const;
    const LMTemplateContext& templateContext() const { return myTemplateContext; }
    const LMLayoutFlags& layoutFlags() const { return myLayoutFlags; }
    const LMLayoutDistributorConfiguration& configuration() const { return myConfiguration; }

    // ---- Examples --------------------------------------------------------------------------------
    // The index-th layout without texts (with or without clipart) for about k photos, looking at
    // the counts from k upwards and then from 1; null when there is none.
    LMConfiguredTemplate exampleTemplate(unsigned theCount, int theIndex, bool theWithClipart);
    // The first layout with that many photo areas in one of the subcategories.
    LMConfiguredTemplate findDemoTemplate(unsigned theCount, const LMThematicCategorySet& theCategories);
    // A layout for n photos that shows the editor's features: no text area, no extreme portrait
    // area, made of k portrait and n - k landscape areas for k = 0 .. n/3 - 1; with preferInclined
    // the one with most inclined photos, else the first. Null below 3 photos.
    LMConfiguredTemplate findDemoTemplate(unsigned theCount, bool thePreferInclined) const;

    // The coverage of the repository, as info messages, in the master mode only.
    void report() const;
    // The report's lines.
    QStringList reportLines() const;

    // ---- Scoring helpers -------------------------------------------------------------------------
    static int judgeFotos(const LMUnconfiguredTemplate& theLayout, const LMPortraitAndLandscapeCount& theCount);
    static int judgeTextCount(const LMUnconfiguredTemplate& theLayout, int theCount);
    static bool ILikeThisAmountOfTextFields(const LMUnconfiguredTemplate& theLayout, int theCount, bool theAllowMore);
    bool ILikeThisAmountOfCliparts(const LMUnconfiguredTemplate& theLayout, bool theAllow) const;

    // Photo counts above this are not relaxed for.
    static constexpr int RELAXED_COUNTS = 11;
    static constexpr int RELAXATION_ATTEMPTS = 5;

    // Adds the layouts of the context that share a theme and a subcategory with the categorization,
    // and those with a clipart placeholder (for a design style's theme). Not to be called while
    // other threads use the distributor.
    void initTemplates(const LMCategorization& theCategorization);

private:
    void initTemplates();
    void initTemplates(const LMDesignElementIDSet& theIds);
    void relaxIfNecessary(const LMUnconfiguredTemplateList& theAll, const LMLayoutFlags& theFlags);
    void addTemplateToRepository(const LMUnconfiguredTemplate& theLayout);
    // The layouts of the context, in the order of their unique names.
    LMUnconfiguredTemplateList allLayouts() const;
    // The list for the count without creating it.
    LMUnconfiguredTemplateList lookUp(int theCount) const;
    // The score of the count on a page of the alignment, remembered per count and alignment.
    int judgeCount(const LMPortraitAndLandscapeCount& theCount, int theAlignment) const;
    int computeJudgeCount(const LMPortraitAndLandscapeCount& theCount, const LMPageAlignment& theAlignment) const;
    static int fotoAreaCount(const LMUnconfiguredTemplate& theLayout);

    mutable std::mutex myRepositoryMutex;
    QMap<int, LMUnconfiguredTemplateList> myRepository;
    LMTemplateContext myTemplateContext;
    QMap<int, int> myProblematicLevels;
    LMLayoutDistributorConfiguration myConfiguration;
    LMLayoutFlags myLayoutFlags;
    LMDesignElementIDSet myLayoutCollection;
    LMDesignElementIDSet myPageLayoutCollection;
    mutable std::mutex myTakeCountMutex;
    QHash<LMUnconfiguredTemplate, int> myTakeCounts;
    mutable std::mutex myJudgedMutex;
    mutable QHash<quint64, int> myJudgedCounts;
};
