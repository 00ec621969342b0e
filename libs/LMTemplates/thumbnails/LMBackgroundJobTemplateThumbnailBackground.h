#pragma once

#include "LMBackgroundJobTemplateThumbnail.h"

// Renders a background template from its large preview image, cropped to the thumbnail's shape.
class LMTEMPLATES_EXPORT LMBackgroundJobTemplateThumbnailBackground final : public LMBackgroundJobTemplateThumbnail
{
public:
    explicit LMBackgroundJobTemplateThumbnailBackground(const LMTemplateThumbnailContext& theContext);
    ~LMBackgroundJobTemplateThumbnailBackground() override;

    std::unique_ptr<LMBackgroundJob> clone() const override;
    using LMBackgroundJobTemplateThumbnail::operator==;
    QImage createThumbnail() const override;
};
