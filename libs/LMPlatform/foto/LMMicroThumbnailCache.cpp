#include "LMMicroThumbnailCache.h"

#include "LMFileState.h"
#include "LMFotoAccess.h"
#include "LMSingletonDefinition.h"

#include <QCache>

#include <mutex>

LM_DEFINE_SINGLETON(LMMicroThumbnailCache)

namespace {

struct LMMicroThumbnailKey
{
    LMFoto foto;
    int sizeLevel = 0;

    friend bool operator==(const LMMicroThumbnailKey& theA, const LMMicroThumbnailKey& theB)
    {
        return theA.foto == theB.foto && theA.sizeLevel == theB.sizeLevel;
    }
};

size_t qHash(const LMMicroThumbnailKey& theKey, size_t theSeed = 0) noexcept
{
    return qHashMulti(theSeed, theKey.foto, theKey.sizeLevel);
}

// The picture and the state of the file it was decoded from.
struct LMMicroThumbnail
{
    LMFileState state;
    QImage image;
};

} // namespace

// Standard mutex: ThreadSanitizer sees through it, Debian's Qt is not annotated.
class LMMicroThumbnailCacheImpl
{
public:
    std::mutex myMutex;
    QCache<LMMicroThumbnailKey, LMMicroThumbnail> myThumbnails { LMMicroThumbnailCache::ourMaximumCostKB };
};

LMMicroThumbnailCache::LMMicroThumbnailCache() : myImpl(std::make_unique<LMMicroThumbnailCacheImpl>()) { }

LMMicroThumbnailCache::~LMMicroThumbnailCache() = default;

QImage LMMicroThumbnailCache::microThumb(const LMFoto& theFoto, int theSizeLevel)
{
    // Levels below 0 are level 0, those from 6 up the full picture.
    const LMMicroThumbnailKey aKey { theFoto, qBound(0, theSizeLevel, 6) };
    // Taken before decoding: a file that changes meanwhile is decoded again on the next call.
    const LMFileState aState = theFoto.isLocalFile() ? LMFileState::of(theFoto.localFilePath()) : LMFileState();
    {
        const std::lock_guard aLocker(myImpl->myMutex);
        if (const LMMicroThumbnail* aKept = myImpl->myThumbnails.object(aKey);
            aKept != nullptr && aKept->state == aState)
            return aKept->image;
    }
    const QImage anImage = LMFotoAccess(theFoto, aKey.sizeLevel).drawable();
    const std::lock_guard aLocker(myImpl->myMutex);
    if (anImage.isNull()) {
        // The picture of an earlier state of the file is no picture of this one.
        myImpl->myThumbnails.remove(aKey);
        return anImage;
    }
    const qsizetype aCostKB = qMax<qsizetype>(1, anImage.sizeInBytes() / 1024);
    // A picture larger than the whole cache is not kept.
    myImpl->myThumbnails.insert(aKey, new LMMicroThumbnail { aState, anImage }, aCostKB);
    return anImage;
}

void LMMicroThumbnailCache::clear()
{
    const std::lock_guard aLocker(myImpl->myMutex);
    myImpl->myThumbnails.clear();
}

int LMMicroThumbnailCache::count() const
{
    const std::lock_guard aLocker(myImpl->myMutex);
    return int(myImpl->myThumbnails.count());
}
