#include "LMTemplatesSettings.h"

#include "LMSettingsLock.h"
#include "LMSingletonDefinition.h"

#include <QFileInfo>

LM_DEFINE_SINGLETON(LMTemplatesSettings)

namespace {
const QString STR_PREVIEW_FOTO = QStringLiteral("PreviewFotoTemplates");
const QString STR_PROXIMITY_SORT_COLOR = QStringLiteral("TemplateProximitySortColor");
// Colours are stored with eight bits a channel; a colour read back from the store is the same
// colour as the one written, whatever colour model either was made in.
bool isSameColor(const QColor& theOne, const QColor& theOther)
{
    return theOne.isValid() == theOther.isValid() && theOne.rgba() == theOther.rgba();
}

} // namespace

LMTemplatesSettings::LMTemplatesSettings()
    : myPreviewFoto(STR_PREVIEW_FOTO, QString())
    , myProximitySortColor(STR_PROXIMITY_SORT_COLOR, defaultProximitySortColor())
{
    loadSettings();
}

LMTemplatesSettings::~LMTemplatesSettings() = default;

QColor LMTemplatesSettings::defaultProximitySortColor()
{
    return QColor::fromHsv(80, 200, 200, 255);
}

QString LMTemplatesSettings::previewFoto() const
{
    const LMSettingsLock aLock;
    return myPreviewFoto.value();
}

bool LMTemplatesSettings::previewFotoExists() const
{
    return !previewFoto().isEmpty();
}

void LMTemplatesSettings::setPreviewFoto(const QString& thePath)
{
    const LMSettingsLock aLock;
    if (thePath != myPreviewFoto.value())
        myPreviewFoto.setValue(thePath);
    saveSettings();
}

void LMTemplatesSettings::correctPreviewFotoBasedOnExistence()
{
    const LMSettingsLock aLock;
    const QString aPath = myPreviewFoto.value();
    if (!aPath.isEmpty() && !QFileInfo::exists(aPath))
        setPreviewFoto(QString());
}

QColor LMTemplatesSettings::proximitySortColor() const
{
    const LMSettingsLock aLock;
    return myProximitySortColor.value();
}

void LMTemplatesSettings::setProximitySortColor(const QColor& theColor)
{
    const LMSettingsLock aLock;
    if (isSameColor(theColor, myProximitySortColor.value()))
        return;
    myProximitySortColor.setValue(theColor);
    saveSettings();
}

void LMTemplatesSettings::resetProximitySortColor()
{
    setProximitySortColor(defaultProximitySortColor());
}

void LMTemplatesSettings::loadSettings()
{
    const LMSettingsLock aLock;
    load(&myPreviewFoto);
    load(&myProximitySortColor);
    correctPreviewFotoBasedOnExistence();
}

void LMTemplatesSettings::saveSettings()
{
    const LMSettingsLock aLock;
    save(myPreviewFoto);
    save(myProximitySortColor);
}
