#include "LMBookPlanner.h"

#include "LMFotoForScenePackList.h"
#include "LMLayoutDistributor.h"

#include <algorithm>
#include <numeric>

QList<LMFotoList> LMBookPlanner::events(const LMFotoList& theFotos)
{
    QList<LMFotoList> anEvents;
    qint64 aStart = 0;
    for (const LMFoto& aFoto : theFotos) {
        const qint64 aTaken = LMFotosForScenePack::selectTimeStampFromFotos(LMFotoList { aFoto });
        if (anEvents.isEmpty() || aTaken - aStart > LMFotosForScenePack::CONNECTED_SECONDS) {
            anEvents.append(LMFotoList());
            aStart = aTaken;
        }
        anEvents.last().append(aFoto);
    }
    return anEvents;
}

int LMBookPlanner::suggestedPageCount(const LMFotoList& theFotos, int theFotosPerPage)
{
    const int aPerPage = std::max(1, theFotosPerPage);
    int aPages = 0;
    for (const LMFotoList& anEvent : events(theFotos))
        aPages += int((anEvent.size() + aPerPage - 1) / aPerPage);
    return aPages;
}

QList<int> LMBookPlanner::pagesPerEvent(QList<LMFotoList>& theEvents, int thePages)
{
    while (theEvents.size() > std::max(thePages, 1)) {
        qsizetype aSmallest = 0;
        for (qsizetype i = 1; i + 1 < theEvents.size(); ++i) {
            if (theEvents[i].size() + theEvents[i + 1].size()
                < theEvents[aSmallest].size() + theEvents[aSmallest + 1].size())
                aSmallest = i;
        }
        theEvents[aSmallest].append(theEvents.takeAt(aSmallest + 1));
    }
    qsizetype aFotoCount = 0;
    for (const LMFotoList& anEvent : std::as_const(theEvents))
        aFotoCount += anEvent.size();
    QList<int> aPages(theEvents.size(), 1);
    if (aFotoCount == 0)
        return aPages;
    int aLeft = thePages - int(theEvents.size());
    // Whole shares first, then the largest remainders, never more pages than photos.
    QList<double> aRemainders(theEvents.size());
    for (qsizetype i = 0; i < theEvents.size(); ++i) {
        const double aShare = double(theEvents[i].size()) * thePages / double(aFotoCount);
        const int aWhole = std::clamp(int(aShare) - 1, 0, std::min(aLeft, int(theEvents[i].size()) - 1));
        aPages[i] += aWhole;
        aLeft -= aWhole;
        aRemainders[i] = aShare - aPages[i];
    }
    while (aLeft > 0) {
        qsizetype aBest = -1;
        for (qsizetype i = 0; i < theEvents.size(); ++i) {
            if (aPages[i] < theEvents[i].size() && (aBest < 0 || aRemainders[i] > aRemainders[aBest]))
                aBest = i;
        }
        if (aBest < 0)
            break;
        ++aPages[aBest];
        aRemainders[aBest] -= 1.0;
        --aLeft;
    }
    return aPages;
}

namespace {
// The photos on the pages in order, the first pages one photo larger where they do not divide:
// where no split could be judged, no photo may be lost.
LMFotosForScenePack evenSplit(const LMFotoList& theFotos, int thePages, bool theLeftPage)
{
    LMFotosForScenePack aPack(theLeftPage);
    const qsizetype aBase = theFotos.size() / thePages;
    const qsizetype aLarger = theFotos.size() % thePages;
    qsizetype aFrom = 0;
    for (int i = 0; i < thePages; ++i) {
        const qsizetype aSize = aBase + (i < aLarger ? 1 : 0);
        aPack.appendPageFotos(theFotos.mid(aFrom, aSize));
        aFrom += aSize;
    }
    return aPack;
}
} // namespace

LMFotosForScenePack LMBookPlanner::plan(const LMFotoList& theFotos, int thePages, bool theLeftPage,
                                        int theVariation) const
{
    LMFotosForScenePack aBook(theLeftPage);
    const int aPages = std::min<qsizetype>(thePages, theFotos.size());
    if (aPages < 1)
        return aBook;
    QList<LMFotoList> anEvents = events(theFotos);
    const QList<int> aPagesPerEvent = pagesPerEvent(anEvents, aPages);
    bool aLeft = theLeftPage;
    for (qsizetype e = 0; e < anEvents.size(); ++e) {
        LMFotoList aRest = anEvents[e];
        int aPagesLeft = aPagesPerEvent[e];
        while (aPagesLeft > 0) {
            const int aStretch = std::min(STRETCH_PAGES, aPagesLeft);
            const qsizetype aCount = aStretch == aPagesLeft
                ? aRest.size()
                : std::max<qsizetype>(aStretch, qRound64(double(aRest.size()) * aStretch / aPagesLeft));
            const LMFotoForScenePackList aSplits = LMFotoForScenePackList::createDifferentSplitsWithVariation(
                aLeft, aRest.mid(0, aCount), aStretch, theVariation);
            const LMFotosForScenePack aBest = myDistributor.findTheBest(aSplits);
            aBook.append(aBest.checkCountPages(aStretch) ? aBest : evenSplit(aRest.mid(0, aCount), aStretch, aLeft));
            aRest = aRest.mid(aCount);
            aPagesLeft -= aStretch;
            if (aStretch % 2 != 0)
                aLeft = !aLeft;
        }
    }
    return aBook;
}
