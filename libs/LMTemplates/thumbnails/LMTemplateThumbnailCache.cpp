#include "LMTemplateThumbnailCache.h"

#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobTemplateThumbnailBackground.h"
#include "LMBackgroundJobTemplateThumbnailDefault.h"
#include "LMBackgroundJobTemplateThumbnailLayout.h"
#include "LMFotoCacheDrawable.h"
#include "LMSingletonDefinition.h"
#include "LMTemplate.h"
#include "LMTemplatesLogging.h"

#include <mutex>

LM_DEFINE_SINGLETON(LMTemplateThumbnailCache)

LMTemplateThumbnailCache::LMTemplateThumbnailCache() : myImages(MaximumCost) { }

LMTemplateThumbnailCache::~LMTemplateThumbnailCache() = default;

QImage LMTemplateThumbnailCache::thumbnail(const LMTemplateThumbnailContext& theContext,
                                           LMBackgroundJobPriority thePriority)
{
    {
        const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
        if (const QImage* aCached = myImages.object(theContext); aCached && !aCached->isNull())
            return *aCached;
    }
    if (!theContext.isValid())
        return QImage();
    const QImage anImage = scheduleThumbnailCreation(theContext, thePriority);
    return anImage.isNull() ? hourGlass(theContext.maxRenderingSize()) : anImage;
}

QImage LMTemplateThumbnailCache::scheduleThumbnailCreation(const LMTemplateThumbnailContext& theContext,
                                                           LMBackgroundJobPriority thePriority)
{
    const std::unique_ptr<LMBackgroundJobTemplateThumbnail> aJob = createBackgroundJob(theContext);
    if (thePriority == LMBackgroundJobPriority::Immediate)
        return aJob->renderImage();
    LMBackgroundJobManager::instance()->schedule(*aJob, thePriority);
    return QImage();
}

std::unique_ptr<LMBackgroundJobTemplateThumbnail>
LMTemplateThumbnailCache::createBackgroundJob(const LMTemplateThumbnailContext& theContext) const
{
    const int aRule = theContext.isValid() ? theContext.getTemplate()->autoThumbSetting().value() : 0;
    switch (aRule) {
    case 0:
    case 1:
        return std::make_unique<LMBackgroundJobTemplateThumbnailLayout>(theContext);
    case 2:
        return std::make_unique<LMBackgroundJobTemplateThumbnailBackground>(theContext);
    default:
        return std::make_unique<LMBackgroundJobTemplateThumbnailDefault>(theContext);
    }
}

QSize LMTemplateThumbnailCache::thumbnailSize(const LMTemplateThumbnailContext& theContext)
{
    {
        const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
        const auto aFound = mySizes.constFind(theContext);
        if (aFound != mySizes.cend())
            return *aFound;
    }
    // Computed outside the lock: it may read the header of an image file.
    const QSize aSize = theContext.thumbnailSize();
    const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
    mySizes.insert(theContext, aSize);
    return aSize;
}

void LMTemplateThumbnailCache::updateCacheData(const LMTemplateThumbnailContext& theContext, const QImage& theImage)
{
    if (theImage.isNull())
        return;
    const qint64 aCost = determineCost(theImage);
    if (aCost > MaximumCost) {
        qCWarning(lcThumbnails).noquote()
            << QStringLiteral("thumbnail of %1 takes %2 KB, more than the cache holds: not cached")
                   .arg(theContext.getTemplate().name())
                   .arg(aCost);
        return;
    }
    {
        const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
        myImages.insert(theContext, new QImage(theImage), aCost);
    }
    emit thumbnailChanged(theContext);
}

void LMTemplateThumbnailCache::invalidate(const LMConfiguredTemplate& theTemplate)
{
    const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
    const QList<LMTemplateThumbnailContext> aKeys = myImages.keys();
    for (const LMTemplateThumbnailContext& aKey : aKeys) {
        if (aKey.getTemplate() == theTemplate)
            myImages.remove(aKey);
    }
    for (auto anIt = mySizes.begin(); anIt != mySizes.end();) {
        if (anIt.key().getTemplate() == theTemplate)
            anIt = mySizes.erase(anIt);
        else
            ++anIt;
    }
}

void LMTemplateThumbnailCache::clearCache()
{
    const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
    myImages.clear();
    mySizes.clear();
}

bool LMTemplateThumbnailCache::isEmpty() const
{
    const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
    return myImages.isEmpty();
}

bool LMTemplateThumbnailCache::contains(const LMTemplateThumbnailContext& theContext) const
{
    const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
    return myImages.contains(theContext);
}

qint64 LMTemplateThumbnailCache::currentCacheSize() const
{
    const std::lock_guard<std::recursive_mutex> aLocker(myMutex);
    return myImages.totalCost();
}

qint64 LMTemplateThumbnailCache::determineCost(const QImage& theImage)
{
    return theImage.sizeInBytes() / 1024 + 1;
}

QImage LMTemplateThumbnailCache::hourGlass(const QSize& theSize)
{
    static std::mutex ourMutex;
    static QImage ourPlaceholder;
    const std::lock_guard<std::mutex> aLocker(ourMutex);
    if (ourPlaceholder.size() != theSize)
        ourPlaceholder = LMFotoCacheDrawable::placeHolder(theSize);
    return ourPlaceholder;
}

QImage LMTemplateThumbnailCache::quadraticExampleThumbnail(const LMConfiguredTemplate& theTemplate, int theSide)
{
    return thumbnail(LMTemplateThumbnailContext::createQuadraticExample(theTemplate, theSide),
                     LMBackgroundJobPriority::Immediate);
}
