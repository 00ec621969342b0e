#include "LMProgressController.h"

#include "LMSingletonDefinition.h"

#include <QMutex>

LM_DEFINE_SINGLETON(LMProgressController)

class LMProgressControllerImpl
{
public:
    mutable QMutex myMutex;
    bool myRunning = false;
    QString myTitle;
    int myDone = 0;
    int myTotal = 0;
};

LMProgressController::LMProgressController() : myImpl(std::make_unique<LMProgressControllerImpl>()) { }

LMProgressController::~LMProgressController() = default;

void LMProgressController::begin(const QString& theTitle, int theSteps)
{
    const int aTotal = qMax(1, theSteps);
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        myImpl->myRunning = true;
        myImpl->myTitle = theTitle;
        myImpl->myDone = 0;
        myImpl->myTotal = aTotal;
    }
    // Signals go out after unlocking: receivers may ask the state back.
    emit progressStarted(theTitle, aTotal);
}

void LMProgressController::step(int theSteps)
{
    int aDone = 0;
    int aTotal = 0;
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        if (!myImpl->myRunning)
            return;
        // Negative steps do not go back: a progress only grows.
        myImpl->myDone = qMin(myImpl->myTotal, myImpl->myDone + qMax(0, theSteps));
        aDone = myImpl->myDone;
        aTotal = myImpl->myTotal;
    }
    emit progressAdvanced(aDone, aTotal);
}

void LMProgressController::end()
{
    {
        const QMutexLocker aLocker(&myImpl->myMutex);
        if (!myImpl->myRunning)
            return;
        myImpl->myRunning = false;
    }
    emit progressEnded();
}

bool LMProgressController::isRunning() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myRunning;
}

QString LMProgressController::title() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myTitle;
}

int LMProgressController::done() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myDone;
}

int LMProgressController::total() const
{
    const QMutexLocker aLocker(&myImpl->myMutex);
    return myImpl->myTotal;
}
