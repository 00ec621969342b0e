#include "LMBackgroundJobTemplateThumbnailLayout.h"

#include "LMLayoutPreviewRenderer.h"

LMBackgroundJobTemplateThumbnailLayout::LMBackgroundJobTemplateThumbnailLayout(
    const LMTemplateThumbnailContext& theContext)
    : LMBackgroundJobTemplateThumbnail(theContext)
{
}

LMBackgroundJobTemplateThumbnailLayout::~LMBackgroundJobTemplateThumbnailLayout() = default;

std::unique_ptr<LMBackgroundJob> LMBackgroundJobTemplateThumbnailLayout::clone() const
{
    return std::make_unique<LMBackgroundJobTemplateThumbnailLayout>(*this);
}

QImage LMBackgroundJobTemplateThumbnailLayout::createThumbnail() const
{
    return LMLayoutPreviewRenderer(key()).createImage();
}
