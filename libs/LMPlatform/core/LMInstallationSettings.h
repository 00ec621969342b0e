#pragma once

#include "LMPlatformExport.h"
#include "LMSettings.h"
#include "LMSingleton.h"

// What the installation of the content asks of the library. The installer sets the flag after it
// installed or updated content; the white-list generation clears it once the new list is saved.
// The flag lives in the settings store and is read from it on every query, so that a flag the
// installer wrote from another process is seen.
class LMPLATFORM_EXPORT LMInstallationSettings : public LMSettings, public LMSingleton<LMInstallationSettings>
{
    Q_OBJECT
    friend class LMSingleton<LMInstallationSettings>;

public:
    ~LMInstallationSettings() override;

    bool mustGenerateWhiteList() const;
    // False when the store could not be written.
    bool setMustGenerateWhiteList(bool theMust);

private:
    LMInstallationSettings();
};
