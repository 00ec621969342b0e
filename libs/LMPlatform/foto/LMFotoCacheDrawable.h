#pragma once

#include "LMPlatformExport.h"

#include <QColor>
#include <QImage>
#include <QSize>

// Drawings that stand for a photo while its picture loads.
class LMPLATFORM_EXPORT LMFotoCacheDrawable
{
public:
    // A picture of exactly theSize: light grey with a simple hourglass in mid grey in its middle,
    // antialiased, in ARGB32_Premultiplied. Null, with a warning, for an empty size or one of more
    // than 200 million pixels.
    static QImage placeHolder(const QSize& theSize);

    static const QColor& backgroundColor();
    static const QColor& hourglassColor();
};
