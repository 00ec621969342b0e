#pragma once

#include "LMBackgroundJobTemplateThumbnail.h"

// Renders a layout template with the layout preview renderer: background, then its areas.
class LMTEMPLATES_EXPORT LMBackgroundJobTemplateThumbnailLayout final : public LMBackgroundJobTemplateThumbnail
{
public:
    explicit LMBackgroundJobTemplateThumbnailLayout(const LMTemplateThumbnailContext& theContext);
    ~LMBackgroundJobTemplateThumbnailLayout() override;

    std::unique_ptr<LMBackgroundJob> clone() const override;
    using LMBackgroundJobTemplateThumbnail::operator==;
    QImage createThumbnail() const override;
};
