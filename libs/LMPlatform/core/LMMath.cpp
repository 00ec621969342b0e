#include "LMMath.h"

#include <QRandomGenerator>

#include <QtMath>
#include <QTransform>

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

int LMMath::boundedInt(double theValue, int theMinimum, int theMaximum, int theFallback)
{
    return int(boundedInt64(theValue, theMinimum, theMaximum, theFallback));
}

qint64 LMMath::boundedInt64(double theValue, qint64 theMinimum, qint64 theMaximum, qint64 theFallback)
{
    Q_ASSERT_X(theMinimum <= theMaximum, "LMMath::boundedInt64", "an empty range");
    if (!std::isfinite(theValue))
        return theFallback;
    // Compared as doubles first: only a value inside the range is converted.
    const double aRounded = std::round(theValue);
    if (aRounded <= double(theMinimum))
        return theMinimum;
    if (aRounded >= double(theMaximum))
        return theMaximum;
    return qint64(aRounded);
}

int LMMath::randint(int theMinimum, int theMaximum)
{
    if (theMaximum <= theMinimum)
        return theMinimum;
    return int(QRandomGenerator::global()->bounded(qint64(theMinimum), qint64(theMaximum) + 1));
}
