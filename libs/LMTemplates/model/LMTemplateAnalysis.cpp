#include "LMTemplateAnalysis.h"

#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionList.h"

#include <QDebug>
#include <QHashFunctions>

#include <cmath>

// The numbers of one analysed layout.
class LMTemplateAnalysisImpl
{
public:
    LMAreaMeasurements myMeasurements;
    LMAreaCount myCount;
    LMPageAlignment mySmartGeneratedLayoutForPage;
};

namespace {
// Stands in for an analysis without data (default or moved from): an empty layout.
const LMTemplateAnalysisImpl& emptyImpl()
{
    static const LMTemplateAnalysisImpl ourEmpty;
    return ourEmpty;
}

// Weights of the parts of the layout distance; the sum is divided by DISTANCE_SCALE.
constexpr double INCLINED_WEIGHT = 10.0;
constexpr double ORIENTATION_WEIGHT = 20.0;
constexpr double FOTO_COUNT_WEIGHT = 19.0;
constexpr double TEXT_COUNT_WEIGHT = 50.0;
constexpr double DISTANCE_SCALE = 100.0;
} // namespace

LMTemplateAnalysis::LMTemplateAnalysis() = default;

LMTemplateAnalysis::LMTemplateAnalysis(const LMTemplate& theTemplate, double theScale)
    : myImpl(std::make_unique<LMTemplateAnalysisImpl>())
{
    myImpl->myMeasurements.buildFromTemplate(theTemplate, theScale);
    myImpl->myCount.buildFromTemplate(theTemplate, theScale);
    myImpl->mySmartGeneratedLayoutForPage = theTemplate.smartGeneratedLayoutForPage();
}

LMTemplateAnalysis::LMTemplateAnalysis(const LMTemplateAreaDefinitionList& theAreas, double thePageAspect,
                                       const LMPageAlignment& theSmartGeneratedLayoutForPage)
    : myImpl(std::make_unique<LMTemplateAnalysisImpl>())
{
    myImpl->myMeasurements.buildFromAreas(theAreas, thePageAspect);
    myImpl->myCount.buildFromAreas(theAreas, thePageAspect);
    myImpl->mySmartGeneratedLayoutForPage = theSmartGeneratedLayoutForPage;
}

LMTemplateAnalysis::LMTemplateAnalysis(const LMTemplateAnalysis& theOther)
    : myImpl(theOther.myImpl ? std::make_unique<LMTemplateAnalysisImpl>(*theOther.myImpl) : nullptr)
{
}

LMTemplateAnalysis& LMTemplateAnalysis::operator=(const LMTemplateAnalysis& theOther)
{
    if (this != &theOther) {
        LMTemplateAnalysis aCopy(theOther);
        swap(aCopy);
    }
    return *this;
}

LMTemplateAnalysis::LMTemplateAnalysis(LMTemplateAnalysis&& theOther) noexcept = default;
LMTemplateAnalysis& LMTemplateAnalysis::operator=(LMTemplateAnalysis&& theOther) noexcept = default;
LMTemplateAnalysis::~LMTemplateAnalysis() = default;

const LMTemplateAnalysisImpl& LMTemplateAnalysis::impl() const
{
    return myImpl ? *myImpl : emptyImpl();
}

const LMAreaCount& LMTemplateAnalysis::areaCount() const
{
    return impl().myCount;
}

const LMAreaMeasurements& LMTemplateAnalysis::areaMeasurements() const
{
    return impl().myMeasurements;
}

LMPageAlignment LMTemplateAnalysis::smartGeneratedLayoutForPage() const
{
    return impl().mySmartGeneratedLayoutForPage;
}

bool LMTemplateAnalysis::checkTexts(const LMLayoutFlags& theFlags) const
{
    return countTexts() == 0 || theFlags.testFlag(LMLayoutFlagsEnum::Texts);
}

int LMTemplateAnalysis::layoutSortCriterium(const LMTemplateAnalysis& theOther) const
{
    const bool aSmart = isSmartGenerated();
    if (aSmart != theOther.isSmartGenerated())
        return aSmart ? ThisFirst : OtherFirst;
    if (countFotoAreas() != theOther.countFotoAreas())
        return countFotoAreas() < theOther.countFotoAreas() ? ThisFirst : OtherFirst;
    if (countTexts() != theOther.countTexts())
        return countTexts() < theOther.countTexts() ? ThisFirst : OtherFirst;
    const int aLandscapeDiff = portraitAndLandscapeCount().diffLandscape(theOther.portraitAndLandscapeCount());
    if (aLandscapeDiff != 0)
        return aLandscapeDiff > 0 ? ThisFirst : OtherFirst;
    if (spaciousness() == theOther.spaciousness())
        return Undecided;
    return spaciousness() < theOther.spaciousness() ? ThisFirst : OtherFirst;
}

double LMTemplateAnalysis::normalizedDistance(const LMTemplateAnalysis& theOther) const
{
    double aDistance = std::abs(spaciousness() - theOther.spaciousness());
    if (countInclinedFotos() != theOther.countInclinedFotos())
        aDistance += INCLINED_WEIGHT;
    if (!(portraitAndLandscapeCount() == theOther.portraitAndLandscapeCount()))
        aDistance += ORIENTATION_WEIGHT;
    if (countFotoAreas() != theOther.countFotoAreas())
        aDistance += FOTO_COUNT_WEIGHT;
    if (countTexts() != theOther.countTexts())
        aDistance += TEXT_COUNT_WEIGHT;
    return aDistance / DISTANCE_SCALE;
}

size_t LMTemplateAnalysis::hashValue() const
{
    return qHashMulti(0, areaCount().hashValue(), areaMeasurements().hashValue(),
                      smartGeneratedLayoutForPage().value());
}

bool operator==(const LMTemplateAnalysis& theA, const LMTemplateAnalysis& theB)
{
    return theA.areaCount() == theB.areaCount() && theA.areaMeasurements() == theB.areaMeasurements()
        && theA.smartGeneratedLayoutForPage() == theB.smartGeneratedLayoutForPage();
}

size_t qHash(const LMTemplateAnalysis& theAnalysis, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theAnalysis.hashValue());
}

QDebug operator<<(QDebug theDebug, const LMTemplateAnalysis& theAnalysis)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateAnalysis(" << theAnalysis.areaCount() << ", " << theAnalysis.areaMeasurements()
                       << ", generated for page " << theAnalysis.smartGeneratedLayoutForPage().value() << ')';
    return theDebug;
}
