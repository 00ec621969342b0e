#pragma once

// Definitions of LMSingleton<T>; include only in the source file that defines T, then
// instantiate with LM_DEFINE_SINGLETON(T).

#include "LMSingleton.h"

#include <QReadWriteLock>

template <typename T>
T* LMSingleton<T>::ourInstance = nullptr;

template <typename T>
QReadWriteLock& LMSingleton<T>::lock()
{
    static QReadWriteLock ourLock;
    return ourLock;
}

template <typename T>
T* LMSingleton<T>::instance()
{
    QReadWriteLock& aLock = lock();
    aLock.lockForRead();
    T* anInstance = ourInstance;
    aLock.unlock();
    if (anInstance)
        return anInstance;

    // Another thread may have created it between the two locks: look again under the write lock.
    const QWriteLocker aWriter(&aLock);
    if (!ourInstance) {
        ourInstance = new T;
        static_cast<LMSingleton<T>*>(ourInstance)->setupInstance();
    }
    return ourInstance;
}

template <typename T>
T* LMSingleton<T>::existingInstance()
{
    const QReadLocker aReader(&lock());
    return ourInstance;
}

#define LM_DEFINE_SINGLETON(T) template class LMSingleton<T>;
