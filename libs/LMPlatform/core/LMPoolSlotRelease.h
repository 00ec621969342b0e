#pragma once

#include "LMPlatformExport.h"

#include <QtGlobal>

// Gives up the calling pool thread's slot in the global pool while it blocks on a parallel map or
// filter, so that a pool thread waiting on the pool cannot starve it. Does nothing on a thread
// that is not the pool's.
class LMPLATFORM_EXPORT LMPoolSlotRelease
{
public:
    LMPoolSlotRelease();
    ~LMPoolSlotRelease();
    Q_DISABLE_COPY_MOVE(LMPoolSlotRelease)

private:
    const bool myReleased;
};
