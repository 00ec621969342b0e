#pragma once

#include "LMDesignElementID.h"
#include "LMJigKey.h"
#include "LMJigType.h"
#include "LMPlatformExport.h"

#include <QList>

class LMJig;

// A registry of design elements of some jig types (templates, decorations, design styles). Each
// registry announces itself to the global jig registry, which asks it for the keys of its types.
class LMPLATFORM_EXPORT LMJigRegistryAbstract
{
public:
    virtual ~LMJigRegistryAbstract();

    // The element added last through a content update, if it is of the type; the registry forgets
    // it once handed out. Null when there is none.
    virtual LMJig* consumeLastAddedJig(const LMJigType& theJigType) = 0;
    // The element of that key; null when the registry has none. Called from any thread.
    virtual LMJig* find(const LMJigKey& theKey) const = 0;
    // The jig types this registry holds.
    virtual QList<LMJigType> supportedJigs() const = 0;
    // An element of that id is known.
    virtual bool isInstalled(const LMDesignElementID& theId) const = 0;
    // An element of that id is known and offered.
    virtual bool isActive(const LMDesignElementID& theId) const = 0;

protected:
    LMJigRegistryAbstract() = default;
    LMJigRegistryAbstract(const LMJigRegistryAbstract&) = default;
    LMJigRegistryAbstract& operator=(const LMJigRegistryAbstract&) = default;
};
