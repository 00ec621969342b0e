#include "LMTemplateLookup.h"

#include <atomic>

namespace {
std::atomic<const LMTemplateLookup*> ourInstalled { nullptr };
} // namespace

LMTemplateLookup::~LMTemplateLookup()
{
    // A lookup that goes away must not stay reachable.
    const LMTemplateLookup* anExpected = this;
    ourInstalled.compare_exchange_strong(anExpected, nullptr);
}

void LMTemplateLookup::install(const LMTemplateLookup* theLookup)
{
    ourInstalled.store(theLookup, std::memory_order_release);
}

const LMTemplateLookup* LMTemplateLookup::installed()
{
    return ourInstalled.load(std::memory_order_acquire);
}
