#pragma once

#include "LMFotosForScenePack.h"
#include "LMIntRange.h"
#include "LMTemplatesExport.h"

#include <QList>

// Candidate splits of one photo sequence into pages, to be judged against the layouts at hand.
class LMTEMPLATES_EXPORT LMFotoForScenePackList : public QList<LMFotosForScenePack>
{
public:
    using QList<LMFotosForScenePack>::QList;
    LMFotoForScenePackList() = default;
    virtual ~LMFotoForScenePackList();

    // Every split of the photos, in their order, into that many consecutive pages whose photo
    // counts lie in the range (sizes below 0 count as 0), the first page on the given side.
    // Packs come in ascending size of the first page, then of the second, and so on. Their number
    // grows exponentially with the pages (40 pages of 3 to 5 photos split in about 10^18 ways), so
    // only the first MAXIMUM_SPLITS are made; countSplits() tells how many there are.
    static LMFotoForScenePackList createDifferentSplits(bool theLeftPage, const LMFotoList& theFotos, int thePages,
                                                        const LMIntRange& theRange);
    // The splits with page sizes around the average: [avg, avg + 1] without variation, else
    // [avg - variation, avg + variation], never below 1.
    static LMFotoForScenePackList createDifferentSplitsWithVariation(bool theLeftPage, const LMFotoList& theFotos,
                                                                     int thePages, int theVariation);
    static LMIntRange rangeForVariation(int theFotoCount, int thePages, int theVariation);

    // How many splits createDifferentSplits() would find without its cap, saturating at
    // std::numeric_limits<qint64>::max().
    static qint64 countSplits(int theFotoCount, int thePages, const LMIntRange& theRange);

    static constexpr int MAXIMUM_SPLITS = 4096;
};
