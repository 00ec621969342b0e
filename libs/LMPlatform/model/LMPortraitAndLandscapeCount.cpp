#include "LMPortraitAndLandscapeCount.h"

#include <QDebug>

QDebug operator<<(QDebug theDebug, const LMPortraitAndLandscapeCount& theCount)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMPortraitAndLandscapeCount(portrait " << theCount.portrait() << ", landscape "
                       << theCount.landscape() << ')';
    return theDebug;
}
