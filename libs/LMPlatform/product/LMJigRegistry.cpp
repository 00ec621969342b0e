#include "LMJigRegistry.h"

#include "LMJigRegistryAbstract.h"
#include "LMSingletonDefinition.h"

#include <QMutex>

LM_DEFINE_SINGLETON(LMJigRegistry)

class LMJigRegistryImpl
{
public:
    // A plain mutex: the list is short and ThreadSanitizer sees QMutex.
    mutable QMutex myMutex;
    QList<const LMJigRegistryAbstract*> myRegistries;
};

LMJigRegistry::LMJigRegistry() : myImpl(std::make_unique<LMJigRegistryImpl>()) { }

LMJigRegistry::~LMJigRegistry() = default;

void LMJigRegistry::addRegistry(const LMJigRegistryAbstract* theRegistry)
{
    if (!theRegistry)
        return;
    const QMutexLocker aLocker(&myImpl->myMutex);
    if (!myImpl->myRegistries.contains(theRegistry))
        myImpl->myRegistries.append(theRegistry);
}

void LMJigRegistry::removeRegistry(const LMJigRegistryAbstract* theRegistry)
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    myImpl->myRegistries.removeAll(theRegistry);
}

QList<const LMJigRegistryAbstract*> LMJigRegistry::registries() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myRegistries;
}

LMJig* LMJigRegistry::find(const LMJigKey& theKey) const
{
    // Asked outside the lock: a registry's find may take its own locks and call back.
    const QList<const LMJigRegistryAbstract*> aRegistries = registries();
    for (const LMJigRegistryAbstract* aRegistry : aRegistries) {
        const QList<LMJigType> aTypes = aRegistry->supportedJigs();
        const bool aSupports = std::any_of(aTypes.cbegin(), aTypes.cend(), [&theKey](const LMJigType& theType) {
            return theType.intersects(theKey.jigType());
        });
        if (!aSupports)
            continue;
        if (LMJig* aJig = aRegistry->find(theKey))
            return aJig;
    }
    return nullptr;
}
