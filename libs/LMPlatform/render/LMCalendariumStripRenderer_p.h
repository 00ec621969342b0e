#pragma once

// Not public API: made by LMCalendariumRendererFactory.

#include "LMCalendariumRenderer.h"

// The month as one row for wide, low areas: the month and year at the left, then every day of the
// month with its weekday name above it. Week numbers are not shown in a strip.
class LMCalendariumStripRenderer : public LMCalendariumRenderer
{
public:
    LMCalendariumStripRenderer(const LMCalendariumAppearance& theAppearance,
                               const LMCalendariumPreviewParameters& theParameters);

    void render(QPainter* thePainter, const QRectF& theTarget) const override;
};
