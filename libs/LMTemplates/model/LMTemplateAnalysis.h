#pragma once

#include "LMAreaCount.h"
#include "LMAreaMeasurements.h"
#include "LMLayoutFlags.h"
#include "LMPageAlignment.h"
#include "LMTemplatesExport.h"

#include <memory>

class LMTemplate;
class LMTemplateAnalysisImpl;
class LMTemplateAreaDefinitionList;
class QDebug;

// A layout condensed into the numbers by which layouts are sorted, told apart and matched to the
// layout flags of the automatic distribution: its area counts, the measurements of its photo
// areas and the page it was generated for. Copies are deep; a default analysis is that of an
// empty layout, and so is a moved-from one.
class LMTEMPLATES_EXPORT LMTemplateAnalysis
{
public:
    // What layoutSortCriterium() answers.
    enum SortOrder { OtherFirst = 0, ThisFirst = 1, Undecided = 2 };

    LMTemplateAnalysis();
    // Analyses the template's areas at the page aspect (width / height) given as scale, and takes
    // over the page the template was generated for.
    LMTemplateAnalysis(const LMTemplate& theTemplate, double theScale);
    // Analyses the areas; the page aspect (width / height) decides portrait and landscape. A
    // layout generated for a page names that page's alignment; other layouts give none (0).
    LMTemplateAnalysis(const LMTemplateAreaDefinitionList& theAreas, double thePageAspect,
                       const LMPageAlignment& theSmartGeneratedLayoutForPage = LMPageAlignment());
    LMTemplateAnalysis(const LMTemplateAnalysis& theOther);
    LMTemplateAnalysis& operator=(const LMTemplateAnalysis& theOther);
    LMTemplateAnalysis(LMTemplateAnalysis&& theOther) noexcept;
    LMTemplateAnalysis& operator=(LMTemplateAnalysis&& theOther) noexcept;
    ~LMTemplateAnalysis();

    void swap(LMTemplateAnalysis& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    const LMAreaCount& areaCount() const;
    const LMAreaMeasurements& areaMeasurements() const;

    bool isCrazy() const { return areaMeasurements().isCrazy(); }
    bool isTight() const { return areaMeasurements().isTight(); }
    bool isWellBalanced() const { return areaMeasurements().isWellBalanced(); }
    double spaciousness() const { return areaMeasurements().spaciousness(); }
    int countInclinedFotos() const { return areaMeasurements().countInclinedFotos(); }
    double mostExtremeFormat() const { return areaMeasurements().mostExtremeFormat(); }
    bool hasExtremeFormat() const { return areaMeasurements().hasExtremeFormat(); }
    bool hasExtremePortrait() const { return areaMeasurements().hasExtremePortrait(); }
    bool checkMeasurements(const LMLayoutFlags& theFlags, bool theStrict) const
    {
        return areaMeasurements().checkMeasurements(theFlags, theStrict);
    }

    int countFotoAreas() const { return areaCount().countFotoAreas(); }
    int countFotoAreasInPortrait() const { return areaCount().countFotoAreasInPortrait(); }
    int countFotoAreasInLandscape() const { return areaCount().countFotoAreasInLandscape(); }
    int countCalendariums() const { return areaCount().countCalendariums(); }
    int countTexts() const { return areaCount().countTexts(); }
    int countClipartDummies() const { return areaCount().countClipartDummies(); }
    bool hasClipartDummy() const { return areaCount().hasClipartDummy(); }
    const LMPortraitAndLandscapeCount& portraitAndLandscapeCount() const
    {
        return areaCount().portraitAndLandscapeCount();
    }
    bool hasLessPortraitThanLandscape() const { return areaCount().hasLessPortraitThanLandscape(); }

    // The alignment of the page the layout was generated for; 0 for layouts made by hand.
    LMPageAlignment smartGeneratedLayoutForPage() const;
    bool isSmartGenerated() const { return smartGeneratedLayoutForPage().isValid(); }

    // A layout without texts passes; one with texts only when the flags allow texts (16).
    bool checkTexts(const LMLayoutFlags& theFlags) const;

    // Whether this layout comes before the other in layout lists: ThisFirst (1), OtherFirst (0) or
    // Undecided (2). The first step that tells them apart decides: generated layouts first, then
    // fewer photo areas, fewer texts, more landscape photo areas, and less covered page; layouts
    // that cover the page equally stay undecided.
    int layoutSortCriterium(const LMTemplateAnalysis& theOther) const;
    // How different two layouts are, 0 for equal ones: the spaciousness difference plus 10 for
    // different inclined counts, 20 for different portrait/landscape counts, 19 for different
    // photo-area counts and 50 for different text counts, all divided by 100.
    double normalizedDistance(const LMTemplateAnalysis& theOther) const;

    // Combines the hashes of the counts and the measurements with the generated-for page.
    size_t hashValue() const;

private:
    const LMTemplateAnalysisImpl& impl() const;

    std::unique_ptr<LMTemplateAnalysisImpl> myImpl;
};

Q_DECLARE_SHARED(LMTemplateAnalysis)

// Equal counts, measurements and generated-for page.
LMTEMPLATES_EXPORT bool operator==(const LMTemplateAnalysis& theA, const LMTemplateAnalysis& theB);
LMTEMPLATES_EXPORT size_t qHash(const LMTemplateAnalysis& theAnalysis, size_t theSeed = 0) noexcept;
LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateAnalysis& theAnalysis);
