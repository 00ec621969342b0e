#include "LMTemplateRegistryWatcher.h"

#include "LMBackgroundJobManager.h"
#include "LMSingletonDefinition.h"
#include "LMTemplateRegistryInitBackgroundJob.h"

#include <QCoreApplication>
#include <QThread>

LM_DEFINE_SINGLETON(LMTemplateRegistryWatcher)

LMTemplateRegistryWatcher::LMTemplateRegistryWatcher()
{
    // Its receivers are widgets: it belongs to the application's thread wherever it is made.
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
}

LMTemplateRegistryWatcher::~LMTemplateRegistryWatcher() = default;

void LMTemplateRegistryWatcher::initTemplateRegistry()
{
    LMBackgroundJobManager::instance()->schedule(LMTemplateRegistryInitBackgroundJob(),
                                                 LMBackgroundJobPriority::Normal);
}
