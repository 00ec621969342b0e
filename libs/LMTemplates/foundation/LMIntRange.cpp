#include "LMIntRange.h"

#include <QDebug>
#include <QThread>

#include <limits>

LMIntRange LMIntRange::stretched(int theCount) const
{
    const auto aClamped = [](qint64 theValue) {
        return int(qBound(qint64(std::numeric_limits<int>::min()), theValue, qint64(std::numeric_limits<int>::max())));
    };
    return LMIntRange(aClamped(qint64(myMin) * theCount), aClamped(qint64(myMax) * theCount));
}

QList<LMIntRange> LMIntRange::splitEvenlyForCpuCores(const LMIntRange& theRange)
{
    return splitEvenlyForCpuCores(theRange, QThread::idealThreadCount());
}

QList<LMIntRange> LMIntRange::splitEvenlyForCpuCores(const LMIntRange& theRange, int theParts)
{
    Q_ASSERT_X(theParts > 0, "LMIntRange::splitEvenlyForCpuCores", "needs at least one part");
    QList<LMIntRange> aSlices;
    if (!theRange.isValid())
        return aSlices;
    // Counted wide: [INT_MIN, INT_MAX] holds 2^32 values.
    const qint64 aCount = qint64(theRange.max()) - theRange.min() + 1;
    const qint64 aParts = qBound(qint64(1), qint64(theParts), aCount);
    const qint64 aSize = aCount / aParts;
    const qint64 aLarger = aCount % aParts;
    aSlices.reserve(aParts);
    qint64 aStart = theRange.min();
    for (qint64 aPart = 0; aPart < aParts; ++aPart) {
        const qint64 anEnd = aStart + aSize + (aPart < aLarger ? 1 : 0) - 1;
        aSlices.append(LMIntRange(int(aStart), int(anEnd)));
        aStart = anEnd + 1;
    }
    return aSlices;
}

QDebug operator<<(QDebug theDebug, const LMIntRange& theRange)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMIntRange(" << theRange.min() << ", " << theRange.max() << ')';
    return theDebug;
}
