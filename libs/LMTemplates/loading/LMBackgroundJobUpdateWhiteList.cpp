#include "LMBackgroundJobUpdateWhiteList.h"

#include "LMTemplateWhiteListGenerator.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
// Serialises the generations of the process.
QMutex ourGenerationMutex;
} // namespace

LMBackgroundJobUpdateWhiteList::~LMBackgroundJobUpdateWhiteList() = default;

bool LMBackgroundJobUpdateWhiteList::doStuff() const
{
    const QMutexLocker aLocker(&ourGenerationMutex);
    return LMTemplateWhiteListGenerator().generateWhiteListFile();
}

std::unique_ptr<LMBackgroundJob> LMBackgroundJobUpdateWhiteList::clone() const
{
    return std::make_unique<LMBackgroundJobUpdateWhiteList>();
}

size_t LMBackgroundJobUpdateWhiteList::hash() const
{
    // Every such job is the same work.
    return 0x3a1;
}

bool LMBackgroundJobUpdateWhiteList::operator==(const LMBackgroundJob& theOther) const
{
    return dynamic_cast<const LMBackgroundJobUpdateWhiteList*>(&theOther) != nullptr;
}
