#pragma once

#include "LMPlatformExport.h"

class QTransform;

// Small numeric helpers of the geometry readers.
class LMPLATFORM_EXPORT LMMath
{
public:
    // The rotation of the transform in degrees, clockwise on screen, in (-180, 180]: atan2 of
    // m12 and m11. Mirrored and skewed transforms give the angle of their mapped x axis. A result
    // within 1e-9 degrees of a whole degree is that whole degree, so that composed quarter turns
    // survive the truncation to whole degrees that callers apply.
    static double calcRotation(const QTransform& theTransform);
};
