#pragma once

#include "LMPlatformExport.h"

#include <atomic>

class QReadWriteLock;

// The one process-wide instance of T, created on first use from any thread. Registries and caches
// derive from LMSingleton<T> and make LMSingleton<T> a friend of their private constructor.
//
// The definitions live in LMSingletonDefinition.h: the source file of T instantiates them with
// LM_DEFINE_SINGLETON(T), so every library and program of the process shares that one instance.
template <typename T>
class LMPLATFORM_EXPORT LMSingleton
{
public:
    // The instance, constructed and set up on the first call. Never destroyed.
    static T* instance();

    // The instance if it exists already; never creates it.
    static T* existingInstance();

protected:
    LMSingleton() = default;
    virtual ~LMSingleton() = default;

    // Runs once, right after construction, while other threads asking for the instance still
    // wait. It must not ask for its own singleton: it connects signals or schedules work that does.
    virtual void setupInstance() {}

private:
    LMSingleton(const LMSingleton&) = delete;
    LMSingleton& operator=(const LMSingleton&) = delete;

    static QReadWriteLock& lock();
    // Atomic as well as guarded: ThreadSanitizer cannot see inside Debian's QReadWriteLock.
    static std::atomic<T*> ourInstance;
};
