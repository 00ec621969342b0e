#pragma once

#include "LMPlatformExport.h"

#include <QtGlobal>

class QDebug;

// How urgent a background job is. The manager runs higher values first and jobs of one value in
// the order they were scheduled; Immediate is what a caller renders at once in its own thread.
enum class LMBackgroundJobPriority : qint32 { Idle = 0, Low = 1, Normal = 2, High = 3, Immediate = 4 };

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, LMBackgroundJobPriority thePriority);
