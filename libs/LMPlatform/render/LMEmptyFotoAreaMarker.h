#pragma once

#include "LMPlatformExport.h"

#include <QRectF>

class QPainter;

// What a photo area without a photo shows in previews: a light grey fill with a photo pictogram
// (mountains and a sun in mid grey) in its centre, about 40 % of the shorter side.
class LMPLATFORM_EXPORT LMEmptyFotoAreaMarker
{
public:
    static constexpr QRgb ourFillColor = 0xffe3e3e3;
    static constexpr QRgb ourPictogramColor = 0xff9b9b9b;

    // Draws inside theRect only and leaves the painter as it was; nothing for an empty rectangle.
    // A null or inactive painter warns.
    static void draw(QPainter* thePainter, const QRectF& theRect);
};
