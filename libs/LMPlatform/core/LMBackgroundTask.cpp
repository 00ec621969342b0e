#include "LMBackgroundTask.h"

#include <typeinfo>

LMBackgroundTask::LMBackgroundTask() = default;

LMBackgroundTask::LMBackgroundTask(const LMBackgroundJob& theJob)
{
    addJob(theJob);
}

LMBackgroundTask::LMBackgroundTask(const LMBackgroundTask& theOther) : LMBackgroundJob(theOther)
{
    myJobs.reserve(theOther.myJobs.size());
    for (const auto& aJob : theOther.myJobs)
        myJobs.push_back(aJob->clone());
}

LMBackgroundTask& LMBackgroundTask::operator=(const LMBackgroundTask& theOther)
{
    if (this != &theOther) {
        LMBackgroundTask aCopy(theOther);
        myJobs.swap(aCopy.myJobs);
    }
    return *this;
}

LMBackgroundTask::LMBackgroundTask(LMBackgroundTask&& theOther) noexcept = default;
LMBackgroundTask& LMBackgroundTask::operator=(LMBackgroundTask&& theOther) noexcept = default;
LMBackgroundTask::~LMBackgroundTask() = default;

void LMBackgroundTask::addJob(const LMBackgroundJob& theJob)
{
    myJobs.push_back(theJob.clone());
}

int LMBackgroundTask::jobCount() const
{
    return static_cast<int>(myJobs.size());
}

bool LMBackgroundTask::isEmpty() const
{
    return myJobs.empty();
}

bool LMBackgroundTask::doStuff() const
{
    bool anAllDone = true;
    for (const auto& aJob : myJobs)
        anAllDone = aJob->doStuff() && anAllDone;
    return anAllDone;
}

std::unique_ptr<LMBackgroundJob> LMBackgroundTask::clone() const
{
    return std::make_unique<LMBackgroundTask>(*this);
}

size_t LMBackgroundTask::hash() const
{
    // Order matters: the same jobs in another order are another task.
    size_t aHash = myJobs.size();
    for (const auto& aJob : myJobs)
        aHash ^= aJob->hash() + 0x9e3779b9U + (aHash << 6) + (aHash >> 2);
    return aHash;
}

bool LMBackgroundTask::operator==(const LMBackgroundJob& theOther) const
{
    if (typeid(theOther) != typeid(*this))
        return false;
    const auto& anOther = static_cast<const LMBackgroundTask&>(theOther);
    if (anOther.myJobs.size() != myJobs.size())
        return false;
    for (size_t i = 0; i < myJobs.size(); ++i) {
        if (!(*myJobs[i] == *anOther.myJobs[i]))
            return false;
    }
    return true;
}
