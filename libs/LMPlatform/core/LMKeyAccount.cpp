#include "LMKeyAccount.h"

#include "LMPlatformLogging.h"
#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMKeyAccount)

LMKeyAccount::LMKeyAccount()
{
    const QString aText = qEnvironmentVariable(environmentVariable()).trimmed();
    if (aText.isEmpty())
        return;
    const LMKeyAccountId anId = LMKeyAccountId::fromString(aText);
    if (anId.isValid())
        myKeyAccountId.store(anId.id(), std::memory_order_relaxed);
    else
        qCWarning(lcPlatformCore).noquote() << QStringLiteral("%1=\"%2\" is no key account; running without one")
                                                   .arg(QLatin1String(environmentVariable()), aText);
}

LMKeyAccountId LMKeyAccount::keyAccountId() const
{
    return LMKeyAccountId(myKeyAccountId.load(std::memory_order_acquire));
}

void LMKeyAccount::setKeyAccountId(const LMKeyAccountId& theId)
{
    // Every invalid id means "no key account": keep one value for it.
    myKeyAccountId.store(theId.isValid() ? theId.id() : 0, std::memory_order_release);
}

const char* LMKeyAccount::environmentVariable()
{
    return "LM_KEY_ACCOUNT";
}
