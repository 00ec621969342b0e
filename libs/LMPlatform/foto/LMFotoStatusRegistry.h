#pragma once

#include "LMFoto.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QHash>
#include <QMutex>

// What the user decided for single photos of the product. Kept for the running process only.
class LMPLATFORM_EXPORT LMFotoStatusRegistry : public LMSingleton<LMFotoStatusRegistry>
{
    friend class LMSingleton<LMFotoStatusRegistry>;

public:
    // Whether the automatic image correction is wanted for the photo: 1 when the user switched it
    // off for it, 0 when the user switched it on, -1 when the user said nothing.
    int preferUseABK(const LMFoto& theFoto) const;
    void setPreferUseABK(const LMFoto& theFoto, int thePreference);

private:
    LMFotoStatusRegistry() = default;

    mutable QMutex myMutex;
    QHash<LMFoto, int> myPreferences;
};
