#pragma once

#include "LMPlatformExport.h"

#include <QRecursiveMutex>

// Holds the settings store of the process for the life of the object. Recursive, so that a
// load may save a corrected value while it holds the lock.
class LMPLATFORM_EXPORT LMSettingsLock
{
public:
    LMSettingsLock();
    ~LMSettingsLock();

private:
    LMSettingsLock(const LMSettingsLock&) = delete;
    LMSettingsLock& operator=(const LMSettingsLock&) = delete;

    static QRecursiveMutex& mutex();
};
