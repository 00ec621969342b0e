#pragma once

#include "LMPlatformExport.h"

#include <QtGlobal>

// A cache that tells how full it is, in the units of its own cost (kilobytes for image caches),
// so that memory monitors can show and compare the caches of the process.
class LMPLATFORM_EXPORT LMCacheMonitoringInterface
{
public:
    virtual ~LMCacheMonitoringInterface();

    virtual qint64 maximumCacheSize() const = 0;
    virtual qint64 currentCacheSize() const = 0;

protected:
    LMCacheMonitoringInterface() = default;
    LMCacheMonitoringInterface(const LMCacheMonitoringInterface&) = default;
    LMCacheMonitoringInterface& operator=(const LMCacheMonitoringInterface&) = default;
};
