#pragma once

#include "LMBackgroundJobPriority.h"
#include "LMCacheMonitoringInterface.h"
#include "LMSingleton.h"
#include "LMTemplatesExport.h"
#include "LMTemplateThumbnailContext.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>

#include <memory>
#include <mutex>

class LMBackgroundJobTemplateThumbnail;

// The process-wide store of template thumbnails. A request answers at once: with the cached
// picture, or with a placeholder while a background job renders the picture, which is then
// announced by thumbnailChanged (emitted in the job's thread: receivers in other threads get it
// queued). Bounded by cost: kilobytes of image data, 20 MB in all, least recently used first out.
class LMTEMPLATES_EXPORT LMTemplateThumbnailCache : public QObject,
                                                    public LMCacheMonitoringInterface,
                                                    public LMSingleton<LMTemplateThumbnailCache>
{
    Q_OBJECT
    friend class LMSingleton<LMTemplateThumbnailCache>;

public:
    // Kilobytes.
    static constexpr qint64 MaximumCost = 20480;

    ~LMTemplateThumbnailCache() override;

    // The cached picture; for a miss, Immediate renders it in the calling thread and returns it,
    // any other priority schedules its job and returns the placeholder. Null for an invalid context.
    QImage thumbnail(const LMTemplateThumbnailContext& theContext,
                     LMBackgroundJobPriority thePriority = LMBackgroundJobPriority::Normal);
    // Renders at once for Immediate (returning the picture); otherwise hands the job to the
    // background job manager, where an equal waiting job makes it one, and returns a null image.
    QImage scheduleThumbnailCreation(const LMTemplateThumbnailContext& theContext, LMBackgroundJobPriority thePriority);
    // The job the template's thumbnail rule asks for: layout (rules 0 and 1), background (2) or
    // the default job that loads the template's own preview or thumbnail file.
    std::unique_ptr<LMBackgroundJobTemplateThumbnail>
    createBackgroundJob(const LMTemplateThumbnailContext& theContext) const;
    // The context's thumbnail size, memoised.
    QSize thumbnailSize(const LMTemplateThumbnailContext& theContext);
    // Stores the picture (replacing an older one) and announces it. A null picture, or one larger
    // than the whole cache, is neither stored nor announced (announcing it would have every list
    // that shows it ask again, and render it again, for ever); the larger one with a warning.
    void updateCacheData(const LMTemplateThumbnailContext& theContext, const QImage& theImage);
    // Drops the pictures and memoised sizes of every context that shows the template.
    void invalidate(const LMConfiguredTemplate& theTemplate);
    void clearCache();
    bool isEmpty() const;
    bool contains(const LMTemplateThumbnailContext& theContext) const;
    qint64 maximumCacheSize() const override { return MaximumCost; }
    qint64 currentCacheSize() const override;
    // Kilobytes, rounded down, plus one.
    static qint64 determineCost(const QImage& theImage);

    // The placeholder shown while a picture is rendered; one picture for the process, drawn anew
    // when another size is asked for.
    static QImage hourGlass(const QSize& theSize);
    // The n × n example picture (see LMTemplateThumbnailContext::createQuadraticExample), rendered
    // in the calling thread when it is not cached.
    QImage quadraticExampleThumbnail(const LMConfiguredTemplate& theTemplate, int theSide);

signals:
    void thumbnailChanged(const LMTemplateThumbnailContext& theContext);

private:
    LMTemplateThumbnailCache();

    // Recursive, and a standard one: ThreadSanitizer sees it, where Debian's QRecursiveMutex is
    // locked inside QtCore, which it does not see.
    mutable std::recursive_mutex myMutex;
    QCache<LMTemplateThumbnailContext, QImage> myImages;
    QHash<LMTemplateThumbnailContext, QSize> mySizes;
};
