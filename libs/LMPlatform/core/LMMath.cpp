#include "LMMath.h"

#include <QTransform>
#include <QtMath>

#include <cmath>

double LMMath::calcRotation(const QTransform& theTransform)
{
    double aDegrees = qRadiansToDegrees(std::atan2(theTransform.m12(), theTransform.m11()));
    const double aWhole = std::round(aDegrees);
    if (std::abs(aDegrees - aWhole) < 1e-9)
        aDegrees = aWhole;
    // atan2 gives -180 for a negative zero m12; the range is open at -180.
    if (aDegrees <= -180.0)
        aDegrees += 360.0;
    // No "-0" for an unrotated mirror image.
    return aDegrees == 0.0 ? 0.0 : aDegrees;
}
