#pragma once

#include "LMBackgroundDistributorAbstract.h"

#include <atomic>
#include <unordered_map>
#include <vector>

// Picks, for a group of photos, the background of the nearest non-empty hue list whose
// brightness is closest to the photos' predominant colour.
class LMTEMPLATES_EXPORT LMBackgroundDistributorNearestNeighbour : public LMBackgroundDistributorAbstract
{
public:
    LMBackgroundDistributorNearestNeighbour(const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy);
    ~LMBackgroundDistributorNearestNeighbour() override;

    LMConfiguredTemplate selectTemplate(const LMFotoList& theFotos) override { return bestMatchingTemplate(theFotos); }
    LMConfiguredTemplate bestMatchingTemplate(const LMFotoList& theFotos);
    // The first non-empty list walking outwards from the hue class, both sides in turn; after
    // three steps the special lists 12 and 13 (alternating when both exist). Null when none.
    const LMTemplateList* findClosestTemplateList(int theHueClass);

    // Whether the sepia list 13 comes next when both special lists are filled (process-wide).
    static bool takeSepiaNext() { return ourTakeSepiaNext.load(); }
    static void setTakeSepiaNext(bool theNext) { ourTakeSepiaNext.store(theNext); }

private:
    const LMTemplateList* specialTemplateList();
    // The brightness of every background of the list, in list order, read once.
    const std::vector<int>& brightnessesOf(const LMTemplateList& theList);

    // By the list's storage: a list keeps it while it is not changed, wherever the list moves.
    std::unordered_map<const LMConfiguredTemplate*, std::vector<int>> myBrightnesses;

    static std::atomic_bool ourTakeSepiaNext;
};
