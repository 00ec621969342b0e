#pragma once

#include "LMBackgroundJob.h"
#include "LMTemplatesExport.h"
#include "LMTemplateThumbnailContext.h"

#include <QImage>

// A background job that renders one thumbnail and hands it to the thumbnail cache. Jobs of the
// same kind for equal contexts are the same work.
class LMTEMPLATES_EXPORT LMBackgroundJobTemplateThumbnail : public LMBackgroundJob
{
public:
    ~LMBackgroundJobTemplateThumbnail() override;

    const LMTemplateThumbnailContext& key() const { return myKey; }
    size_t hash() const override { return myKey.hash(); }
    // The same kind of job for an equal context.
    bool operator==(const LMBackgroundJob& theOther) const override;

    const LMTemplateContext& templateContext() const { return myKey.templateContext(); }
    const LMConfiguredTemplate& getTemplate() const { return myKey.getTemplate(); }
    QSizeF usableSize() const { return myKey.usableSize(); }
    QPointF topLeftBleedOffset() const { return myKey.topLeftBleedOffset(); }

    // Renders the picture, stores it in the thumbnail cache (which announces it) and returns it.
    QImage renderImage() const;
    // renderImage(); true when there was a picture.
    bool doStuff() const override;

    // The picture of this kind of job.
    virtual QImage createThumbnail() const = 0;

protected:
    explicit LMBackgroundJobTemplateThumbnail(const LMTemplateThumbnailContext& theContext);
    LMBackgroundJobTemplateThumbnail(const LMBackgroundJobTemplateThumbnail&) = default;

private:
    LMTemplateThumbnailContext myKey;
};
