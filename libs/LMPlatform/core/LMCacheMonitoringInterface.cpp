#include "LMCacheMonitoringInterface.h"

LMCacheMonitoringInterface::~LMCacheMonitoringInterface() = default;
