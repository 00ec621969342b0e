#include "LMTemplateBundleRegistry.h"

#include "LMSingletonDefinition.h"

#include <QHash>
#include <QReadWriteLock>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

LM_DEFINE_SINGLETON(LMTemplateBundleRegistry)

namespace {

// Holds the lock for reading or writing. Debian's Qt is built without ThreadSanitizer
// annotations, so the sanitizer cannot see the order the lock gives; the locker tells it.
class ScopedLock
{
public:
    enum Mode { Read, Write };

    ScopedLock(QReadWriteLock& theLock, Mode theMode) : myLock(theLock)
    {
        if (theMode == Read)
            myLock.lockForRead();
        else
            myLock.lockForWrite();
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(&myLock);
#endif
    }
    ~ScopedLock()
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(&myLock);
#endif
        myLock.unlock();
    }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    QReadWriteLock& myLock;
};

// A template as key of the registry: the same template object, hashed by its name. Names do not
// change once a template is published.
struct BundleKey
{
    LMUnconfiguredTemplate myTemplate;

    friend bool operator==(const BundleKey& theA, const BundleKey& theB) { return theA.myTemplate == theB.myTemplate; }
};

size_t qHash(const BundleKey& theKey, size_t theSeed = 0) noexcept
{
    return qHash(theKey.myTemplate.name(), theSeed);
}

} // namespace

class LMTemplateBundleRegistryImpl
{
public:
    // Called with the write lock held.
    void addLocked(const LMTemplateBundle& theBundle)
    {
        for (const LMUnconfiguredTemplate& aTemplate : theBundle.templates())
            myBundles.insert(BundleKey { aTemplate }, theBundle);
    }

    mutable QReadWriteLock myLock;
    QHash<BundleKey, LMTemplateBundle> myBundles;
};

LMTemplateBundleRegistry::LMTemplateBundleRegistry() : myImpl(std::make_unique<LMTemplateBundleRegistryImpl>()) { }

LMTemplateBundleRegistry::~LMTemplateBundleRegistry() = default;

void LMTemplateBundleRegistry::add(const LMTemplateBundle& theBundle)
{
    const ScopedLock aLocker(myImpl->myLock, ScopedLock::Write);
    myImpl->addLocked(theBundle);
}

LMTemplateBundle LMTemplateBundleRegistry::find(const LMUnconfiguredTemplate& theTemplate) const
{
    {
        const ScopedLock aLocker(myImpl->myLock, ScopedLock::Read);
        const auto aFound = myImpl->myBundles.constFind(BundleKey { theTemplate });
        if (aFound != myImpl->myBundles.cend())
            return *aFound;
    }
    return LMTemplateBundle(LMUnconfiguredTemplateList { theTemplate });
}

LMTemplateBundle LMTemplateBundleRegistry::createBundle(const LMUnconfiguredTemplateList& theTemplates)
{
    // The categories are combined before the lock: it changes the templates, not the registry.
    const LMTemplateBundle aBundle(theTemplates.withCombinedCategories());
    add(aBundle);
    return aBundle;
}

void LMTemplateBundleRegistry::remove(const LMUnconfiguredTemplate& theTemplate)
{
    const ScopedLock aLocker(myImpl->myLock, ScopedLock::Write);
    const auto aFound = myImpl->myBundles.constFind(BundleKey { theTemplate });
    if (aFound == myImpl->myBundles.cend())
        return;
    LMTemplateBundle aBundle = *aFound;
    myImpl->myBundles.erase(aFound);
    aBundle.remove(theTemplate);
    myImpl->addLocked(aBundle);
}
