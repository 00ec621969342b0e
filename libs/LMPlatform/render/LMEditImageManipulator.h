#pragma once

#include "LMPlatformExport.h"

#include <QImage>

// Pixel operations on images being edited.
class LMPLATFORM_EXPORT LMEditImageManipulator
{
public:
    // The image with the grey value of the black-and-white picture as its transparency: white
    // keeps a pixel, black makes it transparent, grey in between; the image's own transparency
    // is kept. The picture is scaled to the image when the sizes differ. Returns ARGB32.
    static QImage combineBlackWhiteAlphaImageWithRGBAImage(const QImage& theAlpha, const QImage& theImage);
};
