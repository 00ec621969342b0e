#pragma once

#include "LMConfigItem.h"
#include "LMSettings.h"
#include "LMSingleton.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QString>

// The library's two persistent user settings: the photo shown in template previews instead of
// the placeholder, and the colour by which the content lists sort entries by colour nearness.
// Read from the store once, when the instance is created; written on every change.
class LMTEMPLATES_EXPORT LMTemplatesSettings : public LMSettings, public LMSingleton<LMTemplatesSettings>
{
    Q_OBJECT
    friend class LMSingleton<LMTemplatesSettings>;

public:
    ~LMTemplatesSettings() override;

    QString previewFoto() const;
    // True when a path is stored; the file itself is not looked at.
    bool previewFotoExists() const;
    // Saves even when the path is the current one.
    void setPreviewFoto(const QString& thePath);
    // Forgets a stored path whose file has gone.
    void correctPreviewFotoBasedOnExistence();

    QColor proximitySortColor() const;
    // Saves only when the colour changes.
    void setProximitySortColor(const QColor& theColor);
    void resetProximitySortColor();
    static QColor defaultProximitySortColor();

    void loadSettings();
    void saveSettings();

private:
    LMTemplatesSettings();

    LMConfigItem<QString> myPreviewFoto;
    LMConfigItem<QColor> myProximitySortColor;
};
