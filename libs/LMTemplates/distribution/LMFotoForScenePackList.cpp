#include "LMFotoForScenePackList.h"

#include "LMTemplatesLogging.h"

#include <algorithm>
#include <limits>

namespace {
// Whether n photos fit into that many pages of the range's sizes.
bool fits(qint64 theFotoCount, int thePages, const LMIntRange& theRange, int theMinimum)
{
    if (thePages == 1)
        return theFotoCount >= theMinimum && theRange.contains(int(theFotoCount));
    const LMIntRange aStretched = theRange.stretched(thePages);
    return theFotoCount >= qint64(theMinimum) * thePages && aStretched.contains(int(theFotoCount));
}
} // namespace

LMFotoForScenePackList::~LMFotoForScenePackList() = default;

LMFotoForScenePackList LMFotoForScenePackList::createDifferentSplits(bool theLeftPage, const LMFotoList& theFotos,
                                                                     int thePages, const LMIntRange& theRange)
{
    LMFotoForScenePackList aSplits;
    const int aFotoCount = int(theFotos.size());
    const int aMinimum = std::max(theRange.min(), 0);
    if (thePages < 1 || !fits(aFotoCount, thePages, theRange, aMinimum))
        return aSplits;

    // Depth-first over the page sizes, smallest first, keeping only sizes after which the rest
    // still fits: the packs come out in the order of the recursive definition, without building
    // the packs that a dead end would throw away.
    const int anEnd = int(std::min<qint64>(theRange.lastIndexEvenIfUnvalid(), qint64(aFotoCount) + 1));
    QList<int> aSizes(thePages, aMinimum - 1);
    int aPage = 0;
    int aUsed = 0;
    while (aPage >= 0) {
        if (aPage == thePages - 1) {
            // The last page takes the rest; fits() has checked it against the range.
            aSizes[aPage] = aFotoCount - aUsed;
            if (aSplits.size() == MAXIMUM_SPLITS) {
                qCInfo(lcDistribution) << "createDifferentSplits: stopped after" << MAXIMUM_SPLITS << "of"
                                       << countSplits(aFotoCount, thePages, theRange) << "splits";
                return aSplits;
            }
            LMFotosForScenePack aPack(theLeftPage);
            int anOffset = 0;
            for (const int aSize : aSizes) {
                aPack.appendPageFotos(theFotos.mid(anOffset, aSize));
                anOffset += aSize;
            }
            aSplits.append(aPack);
            --aPage;
            if (aPage >= 0)
                aUsed -= aSizes[aPage];
            continue;
        }
        // Next size for this page.
        int aSize = aSizes[aPage] + 1;
        while (aSize < anEnd && !fits(qint64(aFotoCount) - aUsed - aSize, thePages - aPage - 1, theRange, aMinimum))
            ++aSize;
        if (aSize >= anEnd || aUsed + aSize > aFotoCount) {
            aSizes[aPage] = aMinimum - 1;
            --aPage;
            if (aPage >= 0)
                aUsed -= aSizes[aPage];
            continue;
        }
        aSizes[aPage] = aSize;
        aUsed += aSize;
        ++aPage;
    }
    return aSplits;
}

LMIntRange LMFotoForScenePackList::rangeForVariation(int theFotoCount, int thePages, int theVariation)
{
    const int anAverage = thePages > 0 ? theFotoCount / thePages : 0;
    if (theVariation < 1)
        return LMIntRange(std::max(anAverage, 1), std::max(anAverage + 1, 1));
    return LMIntRange(std::max(anAverage - theVariation, 1), std::max(anAverage + theVariation, 1));
}

LMFotoForScenePackList LMFotoForScenePackList::createDifferentSplitsWithVariation(bool theLeftPage,
                                                                                  const LMFotoList& theFotos,
                                                                                  int thePages, int theVariation)
{
    return createDifferentSplits(theLeftPage, theFotos, thePages,
                                 rangeForVariation(int(theFotos.size()), thePages, theVariation));
}

qint64 LMFotoForScenePackList::countSplits(int theFotoCount, int thePages, const LMIntRange& theRange)
{
    const int aMinimum = std::max(theRange.min(), 0);
    if (thePages < 1 || theFotoCount < 0 || !theRange.isValid() || theRange.max() < aMinimum)
        return 0;
    // Ways to fill p pages with n photos, page by page: ways[p][n] = sum of ways[p-1][n-s].
    constexpr qint64 SATURATED = std::numeric_limits<qint64>::max();
    QList<qint64> aWays(theFotoCount + 1, 0);
    aWays[0] = 1;
    for (int aPage = 0; aPage < thePages; ++aPage) {
        QList<qint64> aNext(theFotoCount + 1, 0);
        for (int n = 0; n <= theFotoCount; ++n) {
            if (aWays.at(n) == 0)
                continue;
            for (int s = aMinimum; s <= theRange.max() && n + s <= theFotoCount; ++s)
                aNext[n + s] = aNext.at(n + s) > SATURATED - aWays.at(n) ? SATURATED : aNext.at(n + s) + aWays.at(n);
        }
        aWays = aNext;
    }
    return aWays.at(theFotoCount);
}
