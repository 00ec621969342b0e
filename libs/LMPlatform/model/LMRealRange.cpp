#include "LMRealRange.h"

#include <QDebug>

void LMRealRange::expandTo(double theValue)
{
    if (isUnset()) {
        myMin = myMax = theValue;
        return;
    }
    if (theValue > myMax)
        myMax = theValue;
    if (theValue < myMin)
        myMin = theValue;
}

QDebug operator<<(QDebug theDebug, const LMRealRange& theRange)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMRealRange(" << theRange.min() << ", " << theRange.max() << ')';
    return theDebug;
}
