#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QHash>
#include <QReadWriteLock>
#include <QString>

// Translations of the names of designs and categories into the languages the editor runs in.
// Reads no translation files: the application registers the translations it has.
class LMPLATFORM_EXPORT LMThematicCategoryTranslationRegistry
    : public LMSingleton<LMThematicCategoryTranslationRegistry>
{
    friend class LMSingleton<LMThematicCategoryTranslationRegistry>;

public:
    // The translation of the text into the language (a two-letter code, any letter case); the
    // text itself when none is registered.
    QString translate(const QString& theText, const QString& theLanguageCode) const;
    // An empty translation removes the entry.
    void insert(const QString& theText, const QString& theLanguageCode, const QString& theTranslation);
    void clear();

private:
    LMThematicCategoryTranslationRegistry() = default;

    mutable QReadWriteLock myLock;
    // Keyed by language code, then by the text.
    QHash<QString, QHash<QString, QString>> myTranslations;
};
