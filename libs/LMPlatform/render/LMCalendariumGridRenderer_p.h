#pragma once

// Not public API: made by LMCalendariumRendererFactory.

#include "LMCalendariumRenderer.h"

// The month as a grid: a heading with the month and year, a row of weekday names from Monday, and
// the days in seven columns of four to six weeks, with ISO week numbers in front for the content
// "weeknumbers". Rows and fonts grow with the target's height so that the grid fills it.
class LMCalendariumGridRenderer : public LMCalendariumRenderer
{
public:
    LMCalendariumGridRenderer(const LMCalendariumAppearance& theAppearance,
                              const LMCalendariumPreviewParameters& theParameters);

    void render(QPainter* thePainter, const QRectF& theTarget) const override;
};
