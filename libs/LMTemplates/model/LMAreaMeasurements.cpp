#include "LMAreaMeasurements.h"

#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionList.h"

#include <QDebug>
#include <QHashFunctions>

#include <algorithm>
#include <cmath>

namespace {
// The widest and the tallest format that are not extreme.
constexpr double WIDEST_FORMAT = 16.0 / 9.0;
constexpr double TALLEST_FORMAT = 9.0 / 16.0;
// Thresholds of the spaciness test: above the first nothing passes; the strict test wants tight
// layouts above the tight share and spacious ones below the second; the relaxed test moves both.
constexpr double OVERFULL = 1.1;
constexpr double SPACIOUS_STRICT = 0.51;
constexpr double TIGHT_RELAXED = 0.55;
constexpr double SPACIOUS_RELAXED = 0.8;

bool has(const LMLayoutFlags& theFlags, LMLayoutFlagsEnum theFlag)
{
    return theFlags.testFlag(theFlag);
}
} // namespace

void LMAreaMeasurements::buildFromAreas(const LMTemplateAreaDefinitionList& theAreas, double thePageAspect)
{
    const LMTemplateAreaDefinitionList aFotos = theAreas.filterWithSmartLayoutChildren(LMAreaTypeEnum::Foto);
    mySpaciousness = aFotos.calculateSpaciousness();
    myCrazy = aFotos.isCrazy();
    myWellBalanced = aFotos.isWellBalanced();
    myFormatRange = aFotos.formatRange(thePageAspect);
    myInclinedFotos = aFotos.countInclined();
}

void LMAreaMeasurements::buildFromTemplate(const LMTemplate& theTemplate, double thePageAspect)
{
    buildFromAreas(theTemplate.areaDefinitions(), thePageAspect);
}

double LMAreaMeasurements::normalizedGreaterThan1(double theValue)
{
    return theValue >= 1.0 ? theValue : 1.0 / theValue;
}

double LMAreaMeasurements::mostExtremeFormat() const
{
    if (myFormatRange.isUnset())
        return 1.0;
    return std::max(normalizedGreaterThan1(myFormatRange.min()), normalizedGreaterThan1(myFormatRange.max()));
}

bool LMAreaMeasurements::hasExtremeFormat() const
{
    return mostExtremeFormat() > WIDEST_FORMAT;
}

bool LMAreaMeasurements::hasExtremePortrait() const
{
    return myFormatRange.min() < TALLEST_FORMAT;
}

bool LMAreaMeasurements::checkMeasurements(const LMLayoutFlags& theFlags, bool theStrict) const
{
    return checkCrazyness(theFlags, theStrict) && checkSpaciness(theFlags, theStrict)
        && checkPanoramaness(theFlags, theStrict);
}

bool LMAreaMeasurements::checkCrazyness(const LMLayoutFlags& theFlags, bool theStrict) const
{
    if (theStrict)
        return ((theFlags.value() & 0xFF) >= qint32(LMLayoutFlagsEnum::CrazyRequired)) == myCrazy;
    switch (LMLayoutFlagsEnum(theFlags.reducedTo(LMLayoutFlagsEnum::CrazyMask))) {
    case LMLayoutFlagsEnum::CrazyRequired:
        return myCrazy;
    case LMLayoutFlagsEnum::CrazyAllowed:
        return true;
    default:
        return !myCrazy;
    }
}

bool LMAreaMeasurements::checkSpaciness(const LMLayoutFlags& theFlags, bool theStrict) const
{
    if (mySpaciousness > OVERFULL)
        return false;
    const bool aTight = has(theFlags, LMLayoutFlagsEnum::Tight);
    const bool aSpacious = has(theFlags, LMLayoutFlagsEnum::Spacious);
    if (aTight == aSpacious)
        return true;
    if (theStrict)
        return aTight ? mySpaciousness > tightSpaciousness() : mySpaciousness < SPACIOUS_STRICT;
    if (!has(theFlags, LMLayoutFlagsEnum::RelaxedSpaciousnessTest))
        return (mySpaciousness > tightSpaciousness()) == aTight;
    return (aTight && mySpaciousness > TIGHT_RELAXED) || (aSpacious && mySpaciousness < SPACIOUS_RELAXED);
}

bool LMAreaMeasurements::checkPanoramaness(const LMLayoutFlags& theFlags, bool theStrict) const
{
    const bool aPanorama = has(theFlags, LMLayoutFlagsEnum::Panorama);
    if (theStrict)
        return hasExtremeFormat() == aPanorama;
    return aPanorama || !hasExtremeFormat();
}

quint32 LMAreaMeasurements::hashValue() const
{
    // llround rounds half away from zero; the cast wraps like the 32-bit value it stands for.
    return quint32(std::llround(mySpaciousness * 1000.0 * 1000.0));
}

size_t qHash(const LMAreaMeasurements& theMeasurements, size_t theSeed) noexcept
{
    return qHash(theMeasurements.hashValue(), theSeed);
}

QDebug operator<<(QDebug theDebug, const LMAreaMeasurements& theMeasurements)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAreaMeasurements(spaciousness " << theMeasurements.spaciousness() << ", crazy "
                       << theMeasurements.isCrazy() << ", well balanced " << theMeasurements.isWellBalanced()
                       << ", formats " << theMeasurements.formatRange() << ", inclined "
                       << theMeasurements.countInclinedFotos() << ')';
    return theDebug;
}
