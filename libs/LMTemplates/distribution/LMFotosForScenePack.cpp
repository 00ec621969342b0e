#include "LMFotosForScenePack.h"

#include "LMFotoAccess.h"

#include <QStringList>

namespace {
constexpr int SIZE_LEVEL = 4;

// Puts the best-rated photo of the single page's orientation onto the single page and the rest
// onto the other. False when the pair is to stay as it is.
bool rebalancePair(LMFotoList& theA, LMFotoList& theB)
{
    if (theA.size() == theB.size() || (theA.size() != 1 && theB.size() != 1))
        return false;
    const bool aSingleIsA = theA.size() == 1;
    const LMFoto aSingle = aSingleIsA ? theA.first() : theB.first();
    const LMOrientation anOrientation = LMFotoAccess(aSingle, SIZE_LEVEL).orientation();

    const LMFotoList aBoth = theA + theB;
    LMFotoList aCandidates;
    for (const LMFoto& aFoto : aBoth) {
        if (LMFotoAccess(aFoto, SIZE_LEVEL).orientation() == anOrientation)
            aCandidates.append(aFoto);
    }
    const LMFoto aBest = aCandidates.bestRatedFoto(SIZE_LEVEL);
    if (!aBest.isValid())
        return false;
    LMFotoList aRest = aBoth;
    aRest.removeOne(aBest);
    if (aSingleIsA) {
        theA = LMFotoList { aBest };
        theB = aRest;
    } else {
        theA = aRest;
        theB = LMFotoList { aBest };
    }
    return true;
}
} // namespace

LMFotosForScenePack::LMFotosForScenePack(const QQueue<LMFotoList>& thePages, bool theLeftPage)
    : myPages(thePages), myLeftPage(theLeftPage)
{
}

LMFotosForScenePack::LMFotosForScenePack(const LMFotoList& thePage, bool theLeftPage) : myLeftPage(theLeftPage)
{
    myPages.enqueue(thePage);
}

LMFotosForScenePack::~LMFotosForScenePack() = default;

bool LMFotosForScenePack::checkCountFotos(int theCount) const
{
    qsizetype aCount = 0;
    for (const LMFotoList& aPage : myPages)
        aCount += aPage.size();
    return aCount == theCount;
}

LMFotoList LMFotosForScenePack::consumePageFotos()
{
    if (myPages.isEmpty())
        return LMFotoList();
    myLeftPage = !myLeftPage;
    return myPages.dequeue();
}

LMFotoList LMFotosForScenePack::peekNextFotos(int theCount) const
{
    LMFotoList aFotos;
    for (int i = 0; i < theCount && i < myPages.size(); ++i)
        aFotos.append(myPages.at(i));
    return aFotos;
}

LMFotoList LMFotosForScenePack::connectedFotos(const LMFotoList& theFotos) const
{
    LMFotoList aFotos = theFotos;
    const qint64 aStart = selectTimeStampFromFotos(theFotos);
    for (const LMFotoList& aPage : myPages) {
        if (selectTimeStampFromFotos(aPage) > aStart + CONNECTED_SECONDS)
            break;
        aFotos.append(aPage);
    }
    return aFotos;
}

LMFotoList LMFotosForScenePack::allFotos() const
{
    return peekNextFotos(numberOfScenePacks());
}

LMFotosForScenePack LMFotosForScenePack::operator+(const LMFotosForScenePack& theOther) const
{
    LMFotosForScenePack aSum = *this;
    aSum.append(theOther);
    return aSum;
}

QString LMFotosForScenePack::dump() const
{
    QStringList aCounts;
    for (const LMFotoList& aPage : myPages)
        aCounts.append(QString::number(aPage.size()));
    return (myLeftPage ? QStringLiteral("left: ") : QStringLiteral("right: ")) + aCounts.join(QStringLiteral(" + "));
}

qint64 LMFotosForScenePack::selectTimeStampFromFotos(const LMFotoList& theFotos)
{
    return LMFotoAccess(theFotos.isEmpty() ? LMFoto() : theFotos.first(), SIZE_LEVEL).pictureTakenEpoch();
}

void LMFotosForScenePack::optimizeScenes()
{
    if (myPages.isEmpty())
        return;
    QQueue<LMFotoList> aResult;
    qsizetype aNext = 0;
    // A pack that begins on a right page has no partner for its first page.
    if (!myLeftPage)
        aResult.enqueue(myPages.at(aNext++));
    for (; aNext + 1 < myPages.size(); aNext += 2) {
        LMFotoList aLeft = myPages.at(aNext);
        LMFotoList aRight = myPages.at(aNext + 1);
        rebalancePair(aLeft, aRight);
        aResult.enqueue(aLeft);
        aResult.enqueue(aRight);
    }
    if (aNext < myPages.size())
        aResult.enqueue(myPages.at(aNext));
    myPages = aResult;
}
