#include "LMThematicCategoryTranslationRegistry.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMThematicCategoryTranslationRegistry)

QString LMThematicCategoryTranslationRegistry::translate(const QString& theText, const QString& theLanguageCode) const
{
    const QReadLocker aLocker(&myLock);
    const auto aLanguage = myTranslations.constFind(theLanguageCode.toLower());
    return aLanguage == myTranslations.cend() ? theText : aLanguage->value(theText, theText);
}

void LMThematicCategoryTranslationRegistry::insert(const QString& theText, const QString& theLanguageCode,
                                                   const QString& theTranslation)
{
    const QWriteLocker aLocker(&myLock);
    QHash<QString, QString>& aLanguage = myTranslations[theLanguageCode.toLower()];
    if (theTranslation.isEmpty())
        aLanguage.remove(theText);
    else
        aLanguage.insert(theText, theTranslation);
}

void LMThematicCategoryTranslationRegistry::clear()
{
    const QWriteLocker aLocker(&myLock);
    myTranslations.clear();
}
