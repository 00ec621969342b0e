#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QReadWriteLock>
#include <QString>

// The language the editor runs in, as a two-letter code ("de", "fr", ...): readers pick
// language variants of content files with it. German unless the environment variable
// LM_LANGUAGE or the application says otherwise.
class LMPLATFORM_EXPORT LMLocaleAndTranslationManager : public LMSingleton<LMLocaleAndTranslationManager>
{
    friend class LMSingleton<LMLocaleAndTranslationManager>;

public:
    QString languageCode() const;
    // Lower-cased and trimmed; an empty code goes back to the environment or "de".
    void setLanguageCode(const QString& theCode);

private:
    LMLocaleAndTranslationManager();

    mutable QReadWriteLock myLock;
    QString myLanguageCode;
};
