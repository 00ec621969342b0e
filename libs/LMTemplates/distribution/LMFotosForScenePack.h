#pragma once

#include "LMFotoList.h"
#include "LMTemplatesExport.h"

#include <QQueue>
#include <QString>

// One way of putting a sequence of photos onto consecutive pages: a queue of page photo lists in
// page order, and whether the next page to be consumed is a left page.
class LMTEMPLATES_EXPORT LMFotosForScenePack
{
public:
    explicit LMFotosForScenePack(bool theLeftPage = true) : myLeftPage(theLeftPage) { }
    LMFotosForScenePack(const QQueue<LMFotoList>& thePages, bool theLeftPage);
    LMFotosForScenePack(const LMFotoList& thePage, bool theLeftPage);
    LMFotosForScenePack(const LMFotosForScenePack&) = default;
    LMFotosForScenePack& operator=(const LMFotosForScenePack&) = default;
    LMFotosForScenePack(LMFotosForScenePack&&) noexcept = default;
    LMFotosForScenePack& operator=(LMFotosForScenePack&&) noexcept = default;
    virtual ~LMFotosForScenePack();

    // No pages left (pages without photos still count as pages).
    bool isEmpty() const { return myPages.isEmpty(); }
    bool weAreOnALeftPage() const { return myLeftPage; }
    int numberOfScenePacks() const { return int(myPages.size()); }
    const QQueue<LMFotoList>& pages() const { return myPages; }
    bool checkCountPages(int theCount) const { return numberOfScenePacks() == theCount; }
    bool checkCountFotos(int theCount) const;

    // Removes and returns the first page's photos and turns to the other side; an empty pack
    // gives an empty list and stays on its side.
    LMFotoList consumePageFotos();
    // The photos of the first n pages, one after the other; missing pages count as empty.
    LMFotoList peekNextFotos(int theCount) const;
    // The list, followed by the queued pages in order as long as each was taken at most 12 hours
    // after the list's first photo; the first later page ends it. Consumes nothing.
    LMFotoList connectedFotos(const LMFotoList& theFotos) const;
    LMFotoList allFotos() const;

    void append(const LMFotosForScenePack& theOther) { myPages.append(theOther.myPages); }
    // The pages of both; the side is the left operand's.
    LMFotosForScenePack operator+(const LMFotosForScenePack& theOther) const;
    void prependPageFotos(const LMFotoList& thePage) { myPages.prepend(thePage); }
    void appendPageFotos(const LMFotoList& thePage) { myPages.append(thePage); }

    bool operator==(const LMFotosForScenePack& theOther) const = default;

    // "left|right: n + n + ..." (the photo count of every page).
    QString dump() const;

    // When the first photo of the list was taken, in seconds since the epoch (-1 for no photo).
    static qint64 selectTimeStampFromFotos(const LMFotoList& theFotos);

    // Regroups the pages into facing pairs (a pack that starts on a right page keeps its first
    // page alone). Where one page of a pair holds a single photo and the other a different
    // number, the single page gets the best-rated photo of both pages of the single photo's
    // orientation and the other page all the rest.
    void optimizeScenes();

    // A time span within which pages belong to the same event.
    static constexpr qint64 CONNECTED_SECONDS = 12 * 60 * 60;

private:
    QQueue<LMFotoList> myPages;
    bool myLeftPage = true;
};
