#pragma once

#include "LMFoto.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QImage>

#include <memory>

class LMMicroThumbnailCacheImpl;

// Small decoded pictures of photos, for measuring their colours and for lists: the drawables of
// LMFotoAccess, kept while they fit into 16 MB. A picture is decoded anew when its file's size or
// modification time changed. Thread-safe; decodes without holding its lock, so two threads asking
// for the same new picture both decode it and the second one stored replaces the first.
class LMPLATFORM_EXPORT LMMicroThumbnailCache : public LMSingleton<LMMicroThumbnailCache>
{
    friend class LMSingleton<LMMicroThumbnailCache>;

public:
    ~LMMicroThumbnailCache() override;

    // LMFotoAccess(theFoto, theSizeLevel).drawable(), from the cache when the file has not
    // changed; null for a photo that cannot be drawn (which is not kept).
    QImage microThumb(const LMFoto& theFoto, int theSizeLevel);
    void clear();
    // The pictures kept.
    int count() const;

    // The bound of the kept pictures' pixel data, in KB.
    static constexpr int ourMaximumCostKB = 16 * 1024;

private:
    LMMicroThumbnailCache();

    const std::unique_ptr<LMMicroThumbnailCacheImpl> myImpl;
};
