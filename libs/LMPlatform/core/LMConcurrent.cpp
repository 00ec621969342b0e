#include "LMConcurrent.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

int LMConcurrent::maxRunningThreads()
{
    return QThreadPool::globalInstance()->maxThreadCount();
}

bool LMConcurrent::runsInParallel()
{
    // The main thread holds no pool slot, so its waiting never keeps the pool from draining. A busy
    // pool thread fanning out into a full pool would hold its slot while waiting for slots.
    if (const QCoreApplication* anApp = QCoreApplication::instance();
        anApp && QThread::currentThread() == anApp->thread())
        return true;
    const QThreadPool* aPool = QThreadPool::globalInstance();
    return aPool->activeThreadCount() < aPool->maxThreadCount();
}
