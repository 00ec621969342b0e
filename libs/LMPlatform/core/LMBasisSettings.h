#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QReadWriteLock>
#include <QStringList>

// How the editor runs: the content-authoring (master) mode, the price-update mode and free-form
// run options. Set by the application; the environment variables LM_MASTER_MODE and
// LM_PRICE_UPDATE_MODE ("1" or "true") and LM_RUN_OPTIONS (comma list) give the start values.
class LMPLATFORM_EXPORT LMBasisSettings : public LMSingleton<LMBasisSettings>
{
    friend class LMSingleton<LMBasisSettings>;

public:
    bool runsInMasterMode() const;
    void setMasterMode(bool theOn);

    bool runsInPriceUpdateMode() const;
    void setPriceUpdateMode(bool theOn);

    // Run options compare without regard to case.
    bool hasRunOption(const QString& theOption) const;
    // The editor's numbered run options by their words: 9 is "noprogress" (no progress dialogs);
    // any other number is its decimal text.
    bool hasRunOption(int theOption) const;
    static QString runOptionName(int theOption);
    QStringList runOptions() const;
    void setRunOptions(const QStringList& theOptions);

private:
    LMBasisSettings();

    mutable QReadWriteLock myLock;
    bool myMasterMode = false;
    bool myPriceUpdateMode = false;
    QStringList myRunOptions;
};
