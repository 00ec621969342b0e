#include "LMSettingsLock.h"

QRecursiveMutex& LMSettingsLock::mutex()
{
    static QRecursiveMutex ourMutex;
    return ourMutex;
}

LMSettingsLock::LMSettingsLock()
{
    mutex().lock();
}

LMSettingsLock::~LMSettingsLock()
{
    mutex().unlock();
}
