#pragma once

#include "LMPlatformExport.h"

#include <QImage>

// The colour inversion effect of photos and decorations: the negative of an image.
class LMPLATFORM_EXPORT LMEffectInvertPainter
{
public:
    // Inverts red, green and blue in place and keeps alpha: ARGB32 as channel' = 255 - channel,
    // ARGB32_Premultiplied as channel' = alpha - channel (the inverse of the unpremultiplied
    // colour, premultiplied again). Any other format is converted to ARGB32_Premultiplied first and
    // stays so. A null image stays null.
    static void invertARGB32(QImage& theImage);
};
