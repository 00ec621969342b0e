#include "LMInitializer.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMInitializer)

// The hooks run outside the mutex: a hook may well ask for other singletons or register more.

void LMInitializer::registerInitializer(LMInitializerAbstract* theInitializer)
{
    Q_ASSERT_X(theInitializer, "LMInitializer::registerInitializer", "null initializer");
    QMutexLocker aLocker(&myMutex);
    if (myInitializers.contains(theInitializer))
        return;
    myInitializers.append(theInitializer);
    const bool aSetUpNow = mySetUp;
    const LMInitializerOption anOption = myOption;
    aLocker.unlock();
    if (aSetUpNow)
        theInitializer->setup(anOption);
}

void LMInitializer::unregisterInitializer(LMInitializerAbstract* theInitializer)
{
    const QMutexLocker aLocker(&myMutex);
    myInitializers.removeAll(theInitializer);
}

bool LMInitializer::isRegistered(const LMInitializerAbstract* theInitializer) const
{
    const QMutexLocker aLocker(&myMutex);
    return myInitializers.contains(theInitializer);
}

QList<LMInitializerAbstract*> LMInitializer::initializers() const
{
    const QMutexLocker aLocker(&myMutex);
    return myInitializers;
}

void LMInitializer::setupAll(LMInitializerOption theOption)
{
    QMutexLocker aLocker(&myMutex);
    if (mySetUp)
        return;
    mySetUp = true;
    myOption = theOption;
    const QList<LMInitializerAbstract*> anInitializers = myInitializers;
    aLocker.unlock();
    for (LMInitializerAbstract* anInitializer : anInitializers)
        anInitializer->setup(theOption);
}

void LMInitializer::teardownAll()
{
    QMutexLocker aLocker(&myMutex);
    if (!mySetUp)
        return;
    mySetUp = false;
    const QList<LMInitializerAbstract*> anInitializers = myInitializers;
    aLocker.unlock();
    for (auto anIt = anInitializers.crbegin(); anIt != anInitializers.crend(); ++anIt)
        (*anIt)->teardown();
}

bool LMInitializer::isSetUp() const
{
    const QMutexLocker aLocker(&myMutex);
    return mySetUp;
}
