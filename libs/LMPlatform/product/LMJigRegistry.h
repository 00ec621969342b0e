#pragma once

#include "LMJigKey.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QList>

#include <memory>

class LMJig;
class LMJigRegistryAbstract;
class LMJigRegistryImpl;

// The global registry of design elements: it knows the registries of every kind of element and
// finds an element by its key in the registries that hold the key's jig type. Thread-safe.
class LMPLATFORM_EXPORT LMJigRegistry : public LMSingleton<LMJigRegistry>
{
    friend class LMSingleton<LMJigRegistry>;

public:
    // Adding a registry twice keeps it once; null is ignored. The registry must outlive its
    // membership (its destructor removes it).
    void addRegistry(const LMJigRegistryAbstract* theRegistry);
    void removeRegistry(const LMJigRegistryAbstract* theRegistry);
    // In the order they were added.
    QList<const LMJigRegistryAbstract*> registries() const;

    // The first element of that key from the registries supporting the key's jig type, asked in
    // the order they were added; null when none has it.
    LMJig* find(const LMJigKey& theKey) const;

private:
    LMJigRegistry();
    ~LMJigRegistry() override;

    std::unique_ptr<LMJigRegistryImpl> const myImpl;
};
