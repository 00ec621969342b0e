#pragma once

// Definitions of LMSingleton<T>; include only in the source file that defines T, then
// instantiate with LM_DEFINE_SINGLETON(T).

#include "LMSingleton.h"

#include <QReadWriteLock>

template <typename T>
std::atomic<T*> LMSingleton<T>::ourInstance{nullptr};

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
    T* anInstance = ourInstance.load(std::memory_order_acquire);
    aLock.unlock();
    if (anInstance)
        return anInstance;

    // Another thread may have created it between the two locks: look again under the write lock.
    const QWriteLocker aWriter(&aLock);
    anInstance = ourInstance.load(std::memory_order_relaxed);
    if (!anInstance) {
        // Published after set-up: nobody can see it before that anyway, the write lock is held.
        anInstance = new T;
        static_cast<LMSingleton<T>*>(anInstance)->setupInstance();
        ourInstance.store(anInstance, std::memory_order_release);
    }
    return anInstance;
}

template <typename T>
T* LMSingleton<T>::existingInstance()
{
    const QReadLocker aReader(&lock());
    return ourInstance.load(std::memory_order_acquire);
}

#define LM_DEFINE_SINGLETON(T) template class LMSingleton<T>;
