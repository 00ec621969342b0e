#include "LMDecorationLookup.h"

#include <atomic>

namespace {
std::atomic<const LMDecorationLookup*> ourInstalled { nullptr };
} // namespace

LMDecorationLookup::~LMDecorationLookup()
{
    const LMDecorationLookup* anExpected = this;
    ourInstalled.compare_exchange_strong(anExpected, nullptr);
}

LMJig* LMDecorationLookup::decorationJig(const LMDesignElementID& theId) const
{
    Q_UNUSED(theId);
    return nullptr;
}

void LMDecorationLookup::install(const LMDecorationLookup* theLookup)
{
    ourInstalled.store(theLookup, std::memory_order_release);
}

const LMDecorationLookup* LMDecorationLookup::installed()
{
    return ourInstalled.load(std::memory_order_acquire);
}
