#include "LMPoolSlotRelease.h"

#include <QThread>
#include <QThreadPool>

LMPoolSlotRelease::LMPoolSlotRelease() : myReleased(QThreadPool::globalInstance()->contains(QThread::currentThread()))
{
    if (myReleased)
        QThreadPool::globalInstance()->releaseThread();
}

LMPoolSlotRelease::~LMPoolSlotRelease()
{
    if (myReleased)
        QThreadPool::globalInstance()->reserveThread();
}
