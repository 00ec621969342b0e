#include "LMFotoStatusRegistry.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMFotoStatusRegistry)

int LMFotoStatusRegistry::preferUseABK(const LMFoto& theFoto) const
{
    const QMutexLocker aLocker(&myMutex);
    return myPreferences.value(theFoto, -1);
}

void LMFotoStatusRegistry::setPreferUseABK(const LMFoto& theFoto, int thePreference)
{
    const QMutexLocker aLocker(&myMutex);
    if (thePreference < 0)
        myPreferences.remove(theFoto);
    else
        myPreferences.insert(theFoto, thePreference);
}
