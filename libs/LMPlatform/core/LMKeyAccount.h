#pragma once

#include "LMKeyAccountId.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <atomic>

// The key account the editor runs for. Designs made for key accounts are offered only to the
// users of those accounts. The environment variable LM_KEY_ACCOUNT gives the start value; without
// it (or with a value that is no whole number) there is no key account.
class LMPLATFORM_EXPORT LMKeyAccount : public LMSingleton<LMKeyAccount>
{
    friend class LMSingleton<LMKeyAccount>;

public:
    // The current key account; invalid when the editor runs for no key account.
    LMKeyAccountId keyAccountId() const;
    // An invalid id switches to running without a key account.
    void setKeyAccountId(const LMKeyAccountId& theId);

    // The name of the environment variable read when the instance is created.
    static const char* environmentVariable();

private:
    LMKeyAccount();

    // Read by every template load job, set rarely: an atomic keeps reads cheap.
    std::atomic<qint32> myKeyAccountId { 0 };
};
