#include "LMAngle.h"

#include <QDebug>
#include <QHashFunctions>

size_t qHash(LMAngle theAngle, size_t theSeed) noexcept
{
    return qHash(theAngle.degrees(), theSeed);
}

QDebug operator<<(QDebug theDebug, LMAngle theAngle)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAngle(" << theAngle.degrees() << ')';
    return theDebug;
}
