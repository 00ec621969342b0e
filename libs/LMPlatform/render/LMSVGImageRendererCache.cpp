#include "LMSVGImageRendererCache.h"

#include "LMSingletonDefinition.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

LM_DEFINE_SINGLETON(LMSVGImageRendererCache)

LMSVGImageRendererCache::LMSVGImageRendererCache() = default;

LMSVGImageRendererCache::~LMSVGImageRendererCache() = default;

void LMSVGImageRendererCache::setupInstance()
{
    if (QCoreApplication* anApp = QCoreApplication::instance(); anApp != nullptr && thread() != anApp->thread())
        moveToThread(anApp->thread());
}

LMSVGComposition LMSVGImageRendererCache::composition(const QString& thePath)
{
    const QString aPath = QFileInfo(thePath).absoluteFilePath();
    {
        const QMutexLocker aLocker(&myMutex);
        const auto anIt = myCompositions.constFind(aPath);
        if (anIt != myCompositions.cend())
            return *anIt;
    }
    // Read without the lock; when two threads read the same file, the first one stored wins.
    const LMSVGComposition aRead = LMSVGComposition::fromFile(aPath);
    const QMutexLocker aLocker(&myMutex);
    return *myCompositions.insert(aPath, myCompositions.value(aPath, aRead));
}

LMSVGComposition LMSVGImageRendererCache::reload(const QString& thePath)
{
    const QString aPath = QFileInfo(thePath).absoluteFilePath();
    const LMSVGComposition aRead = LMSVGComposition::fromFile(aPath);
    {
        const QMutexLocker aLocker(&myMutex);
        myCompositions.insert(aPath, aRead);
    }
    emit compositionLoaded(aRead);
    return aRead;
}
