#pragma once

#include "LMFotoList.h"
#include "LMFotosForScenePack.h"
#include "LMTemplatesExport.h"

#include <QList>

class LMLayoutDistributor;

// Plans a whole book: puts a photo sequence, in its order, onto pages. Events (photos taken within
// 12 hours of an event's first photo) begin on a page of their own where the page count allows;
// each event gets pages in proportion to its photos, and is split in stretches of a few pages,
// each the best of its splits by the distributor's judgement. Judging whole books at once is out
// of reach: 400 photos split into 100 pages of 3 to 5 in about 2.5 × 10^46 ways.
class LMTEMPLATES_EXPORT LMBookPlanner
{
public:
    explicit LMBookPlanner(const LMLayoutDistributor& theDistributor) : myDistributor(theDistributor) { }

    // The photos on that many pages (at most one page per photo), the first on the given side; an
    // empty pack for no photos or no pages. Page sizes vary by theVariation around the average.
    LMFotosForScenePack plan(const LMFotoList& theFotos, int thePages, bool theLeftPage, int theVariation = 1) const;

    // The photos split where one was taken more than 12 hours after the first photo of its event.
    static QList<LMFotoList> events(const LMFotoList& theFotos);
    // Pages for the photos: every event on pages of its own, about theFotosPerPage photos each.
    static int suggestedPageCount(const LMFotoList& theFotos, int theFotosPerPage = 4);
    // How many pages each event gets: at least one, at most one per photo, the rest by the largest
    // remainder of its share. Neighbouring events are merged, smallest first, while there are more
    // events than pages.
    static QList<int> pagesPerEvent(QList<LMFotoList>& theEvents, int thePages);

    // The pages judged together.
    static constexpr int STRETCH_PAGES = 6;

private:
    const LMLayoutDistributor& myDistributor;
};
