#include "LMPortraitAndLandscapeCount.h"

#include <QDebug>
#include <QHashFunctions>

#include <algorithm>
#include <cstdlib>
#include <limits>

int LMPortraitAndLandscapeCount::badDistance()
{
    return std::numeric_limits<int>::max();
}

int LMPortraitAndLandscapeCount::metricDistance(const LMPortraitAndLandscapeCount& theOther) const
{
    if (!isValid() || !theOther.isValid())
        return badDistance();
    // Counts of real layouts are small; 64 bits keep the sum clear of overflow for any input.
    const qint64 aDistance
        = std::llabs(qint64(myPortrait) - theOther.myPortrait) + std::llabs(qint64(myLandscape) - theOther.myLandscape);
    return int(std::min<qint64>(aDistance, badDistance() - 1));
}

size_t qHash(const LMPortraitAndLandscapeCount& theCount, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theCount.portrait(), theCount.landscape());
}

QDebug operator<<(QDebug theDebug, const LMPortraitAndLandscapeCount& theCount)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMPortraitAndLandscapeCount(portrait " << theCount.portrait() << ", landscape "
                       << theCount.landscape() << ')';
    return theDebug;
}
