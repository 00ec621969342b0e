#pragma once

#include "LMRange.h"
#include "LMTemplatesExport.h"

#include <QList>

class QDebug;

// A range of int, such as a slice of list indexes for parallel work or the character range of a
// text area.
class LMTEMPLATES_EXPORT LMIntRange : public LMRange<int>
{
public:
    LMIntRange() = default;
    LMIntRange(int theMin, int theMax) : LMRange(theMin, theMax) { }
    LMIntRange(const LMRange& theOther) : LMRange(theOther) { }

    // The range of the sums of n values of this range: [min * n, max * n], computed wide and
    // clamped to int.
    LMIntRange stretched(int theCount) const;
    // One past the last value, max + 1, also for an invalid range: the exclusive end of a loop
    // over the range's values (a loop that then runs no time).
    qint64 lastIndexEvenIfUnvalid() const { return qint64(myMax) + 1; }

    // The range cut into one contiguous slice per processor core, see below.
    static QList<LMIntRange> splitEvenlyForCpuCores(const LMIntRange& theRange);
    // The range cut into at most the given number of contiguous, non-overlapping slices that
    // cover it exactly, ascending, with sizes differing by at most one (larger slices first).
    // A range smaller than the number of parts gives one slice per value; an invalid range none.
    static QList<LMIntRange> splitEvenlyForCpuCores(const LMIntRange& theRange, int theParts);
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMIntRange& theRange);
