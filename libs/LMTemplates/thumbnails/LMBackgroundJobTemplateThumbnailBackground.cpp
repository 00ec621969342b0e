#include "LMBackgroundJobTemplateThumbnailBackground.h"

#include "LMBackgroundPreviewRenderer.h"

LMBackgroundJobTemplateThumbnailBackground::LMBackgroundJobTemplateThumbnailBackground(
    const LMTemplateThumbnailContext& theContext)
    : LMBackgroundJobTemplateThumbnail(theContext)
{
}

LMBackgroundJobTemplateThumbnailBackground::~LMBackgroundJobTemplateThumbnailBackground() = default;

std::unique_ptr<LMBackgroundJob> LMBackgroundJobTemplateThumbnailBackground::clone() const
{
    return std::make_unique<LMBackgroundJobTemplateThumbnailBackground>(*this);
}

QImage LMBackgroundJobTemplateThumbnailBackground::createThumbnail() const
{
    return LMBackgroundPreviewRenderer(key()).render();
}
