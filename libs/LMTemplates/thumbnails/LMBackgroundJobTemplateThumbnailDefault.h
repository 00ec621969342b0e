#pragma once

#include "LMBackgroundJobTemplateThumbnail.h"

// Loads the template's own preview file, else its thumbnail file, at the thumbnail size; a file that
// cannot be loaded gives a picture with the file's name on it.
class LMTEMPLATES_EXPORT LMBackgroundJobTemplateThumbnailDefault final : public LMBackgroundJobTemplateThumbnail
{
public:
    explicit LMBackgroundJobTemplateThumbnailDefault(const LMTemplateThumbnailContext& theContext);
    ~LMBackgroundJobTemplateThumbnailDefault() override;

    std::unique_ptr<LMBackgroundJob> clone() const override;
    using LMBackgroundJobTemplateThumbnail::operator==;
    QImage createThumbnail() const override;

    // A picture of the size, white, with the file's name in black, centred and word-wrapped.
    static QImage paintNotFoundWarning(const QSize& theSize, const QString& theFile);
};
