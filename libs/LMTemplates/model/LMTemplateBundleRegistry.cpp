#include "LMTemplateBundleRegistry.h"

#include "LMSingletonDefinition.h"

#include <QHash>
#include <QReadWriteLock>

LM_DEFINE_SINGLETON(LMTemplateBundleRegistry)

namespace {

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
    const QWriteLocker aLocker(&myImpl->myLock);
    myImpl->addLocked(theBundle);
}

LMTemplateBundle LMTemplateBundleRegistry::find(const LMUnconfiguredTemplate& theTemplate) const
{
    {
        const QReadLocker aLocker(&myImpl->myLock);
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
    const QWriteLocker aLocker(&myImpl->myLock);
    const auto aFound = myImpl->myBundles.constFind(BundleKey { theTemplate });
    if (aFound == myImpl->myBundles.cend())
        return;
    LMTemplateBundle aBundle = *aFound;
    myImpl->myBundles.erase(aFound);
    aBundle.remove(theTemplate);
    myImpl->addLocked(aBundle);
}
