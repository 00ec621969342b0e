#include "LMSettings.h"

#include "LMPlatformLogging.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString& storeFileOverride()
{
    static QString ourPath;
    return ourPath;
}

} // namespace

LMSettings::LMSettings(QObject* theParent)
    : QObject(theParent)
{
}

LMSettings::~LMSettings() = default;

void LMSettings::setStoreFile(const QString& thePath)
{
    const LMSettingsLock aLock;
    storeFileOverride() = thePath;
}

QString LMSettings::storeFile()
{
    const LMSettingsLock aLock;
    if (!storeFileOverride().isEmpty())
        return storeFileOverride();
    const QString anEnvironment = qEnvironmentVariable("LM_SETTINGS_FILE");
    if (!anEnvironment.isEmpty())
        return anEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/LMTemplates.ini");
}

QVariant LMSettings::readValue(const QString& theKey) const
{
    const LMSettingsLock aLock;
    const QSettings aStore(storeFile(), QSettings::IniFormat);
    if (aStore.status() == QSettings::FormatError) {
        qCWarning(lcPlatformCore, "The settings store %s is malformed; its values read as defaults",
                  qUtf8Printable(aStore.fileName()));
        return {};
    }
    return aStore.value(theKey);
}

bool LMSettings::writeValue(const QString& theKey, const QVariant& theValue)
{
    {
        const LMSettingsLock aLock;
        const QString aPath = storeFile();
        QDir().mkpath(QFileInfo(aPath).absolutePath());
        QSettings aStore(aPath, QSettings::IniFormat);
        aStore.setValue(theKey, theValue);
        aStore.sync();
        if (aStore.status() != QSettings::NoError) {
            qCWarning(lcPlatformCore, "Cannot write the settings store %s", qUtf8Printable(aPath));
            return false;
        }
    }
    Q_EMIT saved(theKey);
    return true;
}
