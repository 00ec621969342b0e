#pragma once

#include "LMPlatformExport.h"

#include <QtGlobal>

class QDebug;

// An angle in whole degrees, clockwise, as the content files give rotations. Kept as written;
// normalized() brings it into 0..359 where a direction, not a turn, is meant.
class LMPLATFORM_EXPORT LMAngle
{
public:
    constexpr LMAngle() = default;
    constexpr explicit LMAngle(int theDegrees) : myDegrees(theDegrees) { }

    constexpr int degrees() const { return myDegrees; }

    // The same direction in 0..359; defined for every int, INT_MIN included.
    static constexpr int normalizedDegrees(int theDegrees)
    {
        const int aRest = theDegrees % 360;
        return aRest < 0 ? aRest + 360 : aRest;
    }
    constexpr LMAngle normalized() const { return LMAngle(normalizedDegrees(myDegrees)); }

    friend constexpr bool operator==(LMAngle theLeft, LMAngle theRight)
    {
        return theLeft.myDegrees == theRight.myDegrees;
    }

private:
    int myDegrees = 0;
};

LMPLATFORM_EXPORT size_t qHash(LMAngle theAngle, size_t theSeed = 0) noexcept;
LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, LMAngle theAngle);

Q_DECLARE_TYPEINFO(LMAngle, Q_PRIMITIVE_TYPE);
