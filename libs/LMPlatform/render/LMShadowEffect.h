#pragma once

#include "LMPlatformExport.h"

#include <QColor>
#include <QImage>

// The drop shadow of a picture: its transparency blurred, coloured and scaled by an intensity.
// The caller places the shadow at the picture's position minus margin(), plus the shadow's offset.
class LMPLATFORM_EXPORT LMShadowEffect
{
public:
    // Blur radii beyond this are taken as this.
    static constexpr int ourMaximumMargin = 4096;
    // A shadow of more pixels is refused: its buffers alone would take gigabytes.
    static constexpr qint64 ourMaximumPixels = qint64(1) << 26;

    // How far the shadow extends beyond the source on each side for that blur radius: the radius
    // rounded up, 0 for a radius <= 0 (or not a number), at most ourMaximumMargin.
    static int margin(double theBlurRadius);

    // An ARGB32_Premultiplied image margin() larger than the source on every side: the source's
    // alpha blurred by three box blurs (their half widths add up to the rounded radius, at least
    // 1, so the blur reaches no farther than the margin; together they approximate a Gaussian),
    // times the intensity (clamped to 0..1) and the colour's own alpha, in the colour (an invalid
    // one is black). A radius <= 0 keeps the alpha unblurred. A null source gives a null image; a
    // shadow of more than ourMaximumPixels warns and gives a null image.
    static QImage shadow(const QImage& theSource, double theBlurRadius, double theIntensity,
                         const QColor& theColor = Qt::black);
};
