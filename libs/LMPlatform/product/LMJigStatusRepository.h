#pragma once

#include "LMDesignElementIDSet.h"
#include "LMJigKey.h"
#include "LMJigStatus.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QHash>
#include <QMutex>
#include <QSet>

// The status of every design element the user received after installation. Kept for the running
// process only: an element not marked since the start counts as installed.
class LMPLATFORM_EXPORT LMJigStatusRepository : public LMSingleton<LMJigStatusRepository>
{
    friend class LMSingleton<LMJigStatusRepository>;

public:
    LMJigStatus status(const LMDesignElementID& theId) const;
    // Marks the elements downloaded and new.
    void markDownloaded(const LMDesignElementIDSet& theIds);
    // The same for the design element ids of the keys (what a content update loaded).
    void markDownloaded(const QSet<LMJigKey>& theKeys);
    // The user has looked at the element: it is no longer new.
    void markSeen(const LMDesignElementID& theId);

private:
    LMJigStatusRepository() = default;

    // A plain mutex: filters on several threads ask while content updates mark; ThreadSanitizer
    // sees QMutex but not QReadWriteLock.
    mutable QMutex myLock;
    QHash<LMDesignElementID, LMJigStatus> myStatus;
};
