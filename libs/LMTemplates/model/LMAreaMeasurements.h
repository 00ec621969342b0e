#pragma once

#include "LMRealRange.h"
#include "LMTemplatesExport.h"

class LMLayoutFlags;
class LMTemplate;
class LMTemplateAreaDefinitionList;
class QDebug;

// How the photo areas of a layout sit on the page: how much of it they cover, whether they are
// turned or overlap, whether they balance, and how extreme their formats are. The checks decide
// whether a layout meets the layout flags of the automatic distribution.
class LMTEMPLATES_EXPORT LMAreaMeasurements
{
public:
    // The measurements of a layout without photo areas.
    LMAreaMeasurements() = default;
    LMAreaMeasurements(double theSpaciousness, bool theCrazy, bool theWellBalanced, const LMRealRange& theFormatRange,
                       int theInclinedFotos)
        : mySpaciousness(theSpaciousness), myCrazy(theCrazy), myWellBalanced(theWellBalanced),
          myFormatRange(theFormatRange), myInclinedFotos(theInclinedFotos)
    {
    }

    // Measures the photo areas of the list; the other areas play no part. The areas are expected
    // normalised to the page; the page aspect (width / height) turns area formats into page formats.
    void buildFromAreas(const LMTemplateAreaDefinitionList& theAreas, double thePageAspect);
    // Measures the photo areas of the template.
    void buildFromTemplate(const LMTemplate& theTemplate, double thePageAspect);

    double spaciousness() const { return mySpaciousness; }
    // Above this share of the page a layout is tight.
    static constexpr double tightSpaciousness() { return 0.65; }
    bool isTight() const { return mySpaciousness > tightSpaciousness(); }
    bool isCrazy() const { return myCrazy; }
    bool isWellBalanced() const { return myWellBalanced; }
    const LMRealRange& formatRange() const { return myFormatRange; }
    int countInclinedFotos() const { return myInclinedFotos; }

    // x when x >= 1, else 1 / x: how far a format is from square, whichever way.
    static double normalizedGreaterThan1(double theValue);
    // The format farthest from square; 1.0 when the range is unset.
    double mostExtremeFormat() const;
    // Some format is wider than 16:9 or taller than 9:16.
    bool hasExtremeFormat() const;
    // The narrowest format is taller than 9:16. An unset range (no photo areas) counts as 0.
    bool hasExtremePortrait() const;

    // checkCrazyness, then checkSpaciness, then checkPanoramaness; stops at the first failure.
    bool checkMeasurements(const LMLayoutFlags& theFlags, bool theStrict) const;
    // Strict: crazy exactly when the lowest byte of the flags is at least 64. Otherwise the crazy
    // setting (mask 224) decides: 64 requires crazy, 128 allows both, anything else forbids it.
    bool checkCrazyness(const LMLayoutFlags& theFlags, bool theStrict) const;
    // Tight (1) and spacious (2) against the covered share; above 1.1 nothing passes.
    bool checkSpaciness(const LMLayoutFlags& theFlags, bool theStrict) const;
    // Panorama (8) against an extreme format: strict wants them equal, otherwise panorama only
    // allows extreme formats.
    bool checkPanoramaness(const LMLayoutFlags& theFlags, bool theStrict) const;

    // The spaciousness in millionths, rounded half away from zero.
    quint32 hashValue() const;

    friend bool operator==(const LMAreaMeasurements& theA, const LMAreaMeasurements& theB)
    {
        return theA.mySpaciousness == theB.mySpaciousness && theA.myCrazy == theB.myCrazy
            && theA.myWellBalanced == theB.myWellBalanced && theA.myFormatRange == theB.myFormatRange
            && theA.myInclinedFotos == theB.myInclinedFotos;
    }

private:
    double mySpaciousness = 0.0;
    bool myCrazy = false;
    bool myWellBalanced = true;
    LMRealRange myFormatRange;
    int myInclinedFotos = 0;
};

LMTEMPLATES_EXPORT size_t qHash(const LMAreaMeasurements& theMeasurements, size_t theSeed = 0) noexcept;
LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaMeasurements& theMeasurements);
