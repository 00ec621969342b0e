#include "LMTemplateRegistryInitBackgroundJob.h"

#include "LMTemplateRegistry.h"
#include "LMTemplateRegistryWatcher.h"

LMTemplateRegistryInitBackgroundJob::~LMTemplateRegistryInitBackgroundJob() = default;

bool LMTemplateRegistryInitBackgroundJob::doStuff() const
{
    // Connected once however often the job runs.
    QObject::connect(LMTemplateRegistry::instance(), &LMTemplateRegistry::templatesReloaded,
                     LMTemplateRegistryWatcher::instance(), &LMTemplateRegistryWatcher::templatesReloaded,
                     Qt::UniqueConnection);
    return true;
}

std::unique_ptr<LMBackgroundJob> LMTemplateRegistryInitBackgroundJob::clone() const
{
    return std::make_unique<LMTemplateRegistryInitBackgroundJob>();
}

size_t LMTemplateRegistryInitBackgroundJob::hash() const
{
    // Every such job is the same work.
    return 0x7e9;
}

bool LMTemplateRegistryInitBackgroundJob::operator==(const LMBackgroundJob& theOther) const
{
    return dynamic_cast<const LMTemplateRegistryInitBackgroundJob*>(&theOther) != nullptr;
}
