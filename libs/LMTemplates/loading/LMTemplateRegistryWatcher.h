#pragma once

#include "LMSingleton.h"
#include "LMTemplatesExport.h"

#include <QObject>

// Passes the template registry's reload notification on to the user interface, and lets the
// editor create the registry in the background.
class LMTEMPLATES_EXPORT LMTemplateRegistryWatcher : public QObject, public LMSingleton<LMTemplateRegistryWatcher>
{
    Q_OBJECT

public:
    ~LMTemplateRegistryWatcher() override;

signals:
    void templatesReloaded();

public slots:
    // Schedules the creation of the template registry on a background thread (priority 2).
    void initTemplateRegistry();

private:
    friend class LMSingleton<LMTemplateRegistryWatcher>;
    LMTemplateRegistryWatcher();
};
