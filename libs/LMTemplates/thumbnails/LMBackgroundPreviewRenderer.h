#pragma once

#include "LMTemplatesExport.h"
#include "LMTemplateThumbnailContext.h"

#include <QImage>

// Draws the thumbnail of a background template: its large preview image cut centrally to the
// thumbnail's shape, twice side by side when a single-sided background is shown on a spread.
class LMTEMPLATES_EXPORT LMBackgroundPreviewRenderer
{
public:
    explicit LMBackgroundPreviewRenderer(const LMTemplateThumbnailContext& theContext);
    virtual ~LMBackgroundPreviewRenderer();

    // Null when the template has no picture to show.
    QImage render() const;

    // The largest rectangle of the target's aspect centred in the source.
    static QRect calculateCroppingRect(const QSize& theSource, const QSize& theTarget);

private:
    LMTemplateThumbnailContext myKey;
};
