#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QObject>
#include <QString>

#include <memory>

class LMProgressControllerImpl;

// Progress of long work for whoever shows it: no GUI of its own. Work calls begin(), step() and
// end(); an application connects to the signals (on the main thread) and draws a dialog.
class LMPLATFORM_EXPORT LMProgressController : public QObject, public LMSingleton<LMProgressController>
{
    Q_OBJECT

public:
    ~LMProgressController() override;

    // Starts a progress of theSteps steps (at least one) under the title; a running one is replaced.
    void begin(const QString& theTitle, int theSteps);
    // Advances by theSteps; the count stops at the total. Ignored when no progress runs.
    void step(int theSteps = 1);
    // Closes the progress; ignored when none runs.
    void end();

    bool isRunning() const;
    QString title() const;
    int done() const;
    int total() const;

signals:
    void progressStarted(const QString& theTitle, int theTotal);
    void progressAdvanced(int theDone, int theTotal);
    void progressEnded();

private:
    friend class LMSingleton<LMProgressController>;
    LMProgressController();

    std::unique_ptr<LMProgressControllerImpl> const myImpl;
};
