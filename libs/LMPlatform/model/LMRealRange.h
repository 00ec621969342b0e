#pragma once

#include "LMPlatformExport.h"

class QDebug;

// A closed range [min, max] of doubles, such as the formats (width/height ratios) of a layout's
// areas. [0, 0] counts as "not set yet" for expandTo(), so a range can grow from nothing.
class LMPLATFORM_EXPORT LMRealRange
{
public:
    LMRealRange() = default;
    LMRealRange(double theMin, double theMax) : myMin(theMin), myMax(theMax) { }

    double min() const { return myMin; }
    double max() const { return myMax; }
    bool isValid() const { return myMax >= myMin; }
    bool isUnset() const { return myMin == 0.0 && myMax == 0.0; }
    bool contains(double theValue) const { return myMin <= theValue && theValue <= myMax; }

    // Grows the range to hold the value; an unset range becomes [value, value].
    void expandTo(double theValue);

    friend bool operator==(const LMRealRange& theA, const LMRealRange& theB)
    {
        return theA.myMin == theB.myMin && theA.myMax == theB.myMax;
    }

private:
    double myMin = 0.0;
    double myMax = 0.0;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMRealRange& theRange);
