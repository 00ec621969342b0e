#include "LMFiniteSequence.h"

#include <cmath>

double LMFiniteSequence::mean() const
{
    if (myValues.isEmpty())
        return 0.0;
    double aSum = 0.0;
    for (const double aValue : myValues)
        aSum += aValue;
    return aSum / double(myValues.size());
}

double LMFiniteSequence::standardDeviation() const
{
    if (myValues.isEmpty())
        return 0.0;
    // Two passes: the squared deviations from the mean, not the difference of large sums.
    const double aMean = mean();
    double aSquares = 0.0;
    for (const double aValue : myValues)
        aSquares += (aValue - aMean) * (aValue - aMean);
    return std::sqrt(aSquares / double(myValues.size()));
}
