#include "LMBackgroundJobPriority.h"

#include <QDebug>

QDebug operator<<(QDebug theDebug, LMBackgroundJobPriority thePriority)
{
    const QDebugStateSaver aSaver(theDebug);
    const char* aName = "?";
    switch (thePriority) {
    case LMBackgroundJobPriority::Idle:
        aName = "Idle";
        break;
    case LMBackgroundJobPriority::Low:
        aName = "Low";
        break;
    case LMBackgroundJobPriority::Normal:
        aName = "Normal";
        break;
    case LMBackgroundJobPriority::High:
        aName = "High";
        break;
    case LMBackgroundJobPriority::Immediate:
        aName = "Immediate";
        break;
    }
    theDebug.nospace() << "LMBackgroundJobPriority::" << aName << '(' << static_cast<qint32>(thePriority) << ')';
    return theDebug;
}
