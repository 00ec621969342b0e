#include "LMSmartLayoutRegistration.h"

#include <atomic>

namespace {
std::atomic<LMSmartLayoutRegistration*> ourInstalled { nullptr };
} // namespace

LMSmartLayoutRegistration::~LMSmartLayoutRegistration()
{
    // A registration that goes away must not stay reachable.
    LMSmartLayoutRegistration* anExpected = this;
    ourInstalled.compare_exchange_strong(anExpected, nullptr);
}

void LMSmartLayoutRegistration::install(LMSmartLayoutRegistration* theRegistration)
{
    ourInstalled.store(theRegistration, std::memory_order_release);
}

LMSmartLayoutRegistration* LMSmartLayoutRegistration::installed()
{
    return ourInstalled.load(std::memory_order_acquire);
}
