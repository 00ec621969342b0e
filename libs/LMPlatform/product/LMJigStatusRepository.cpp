#include "LMJigStatusRepository.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMJigStatusRepository)

LMJigStatus LMJigStatusRepository::status(const LMDesignElementID& theId) const
{
    QMutexLocker aLocker(&myLock);
    return myStatus.value(theId, LMJigStatus(LMJigStatusEnum::Installed));
}

void LMJigStatusRepository::markDownloaded(const LMDesignElementIDSet& theIds)
{
    QMutexLocker aLocker(&myLock);
    for (const LMDesignElementID& anId : theIds) {
        if (anId.isValid())
            myStatus.insert(anId, LMJigStatus(LMJigStatusEnum::Downloaded) | LMJigStatus(LMJigStatusEnum::New));
    }
}

void LMJigStatusRepository::markDownloaded(const QSet<LMJigKey>& theKeys)
{
    LMDesignElementIDSet anIds;
    for (const LMJigKey& aKey : theKeys)
        anIds.insert(aKey.designElementID());
    markDownloaded(anIds);
}

void LMJigStatusRepository::markSeen(const LMDesignElementID& theId)
{
    QMutexLocker aLocker(&myLock);
    const auto anIt = myStatus.find(theId);
    if (anIt != myStatus.end())
        anIt->exclude(LMJigStatusEnum::New);
}
