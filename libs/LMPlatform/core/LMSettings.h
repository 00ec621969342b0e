#pragma once

#include "LMConfigItem.h"
#include "LMPlatformExport.h"
#include "LMSettingsLock.h"

#include <QObject>

// The persistent settings store of the application: one INI file, at the path the application
// sets (setStoreFile), else LM_SETTINGS_FILE from the environment, else "LMTemplates.ini" in the
// user's configuration folder. A missing or malformed store reads as defaults; every save is
// written through at once, replacing the file atomically.
class LMPLATFORM_EXPORT LMSettings : public QObject
{
    Q_OBJECT

public:
    explicit LMSettings(QObject* theParent = nullptr);
    ~LMSettings() override;

    static void setStoreFile(const QString& thePath);
    static QString storeFile();

    // Reads the item's value from the store; the default when the key is absent or unreadable.
    template <typename T>
    void load(LMConfigItem<T>* theItem) const
    {
        const LMSettingsLock aLock;
        T aValue = theItem->defaultValue();
        const bool aStored = lmFromStoredValue(readValue(theItem->key()), &aValue);
        theItem->setValue(aStored ? aValue : theItem->defaultValue());
        theItem->setStored(aStored);
    }

    // Writes the item's value to the store; false when the store could not be written.
    template <typename T>
    bool save(const LMConfigItem<T>& theItem)
    {
        const LMSettingsLock aLock;
        return writeValue(theItem.key(), lmToStoredValue(theItem.value()));
    }

Q_SIGNALS:
    // Emitted after a value was written to the store.
    void saved(const QString& theKey);

protected:
    QVariant readValue(const QString& theKey) const;
    bool writeValue(const QString& theKey, const QVariant& theValue);
};
