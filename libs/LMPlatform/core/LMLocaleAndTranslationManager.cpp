#include "LMLocaleAndTranslationManager.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMLocaleAndTranslationManager)

namespace {

QString defaultLanguageCode()
{
    const QString anEnvironment = qEnvironmentVariable("LM_LANGUAGE").trimmed().toLower();
    return anEnvironment.isEmpty() ? QStringLiteral("de") : anEnvironment;
}

} // namespace

LMLocaleAndTranslationManager::LMLocaleAndTranslationManager() : myLanguageCode(defaultLanguageCode()) { }

QString LMLocaleAndTranslationManager::languageCode() const
{
    const QReadLocker aLocker(&myLock);
    return myLanguageCode;
}

void LMLocaleAndTranslationManager::setLanguageCode(const QString& theCode)
{
    const QString aCode = theCode.trimmed().toLower();
    const QString aNew = aCode.isEmpty() ? defaultLanguageCode() : aCode;
    const QWriteLocker aLocker(&myLock);
    myLanguageCode = aNew;
}
