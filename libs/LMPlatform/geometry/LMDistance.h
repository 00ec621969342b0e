#pragma once

#include "LMAngle.h"
#include "LMPlatformExport.h"

#include <QMetaType>
#include <QString>

class QDebug;

// The unit of a distance: document units (tenths of a millimetre at the default resolution),
// a fraction of the page or area it belongs to, or millimetres.
enum class LMDistanceUnit : qint32 { Units = 0, Relative = 1, Millimetre = 2 };

// A length with its unit: border widths, shadow offsets, paddings, the spacing of smart layouts.
// Its text form is the number followed by "mm" for millimetres or "rel" for relative lengths.
class LMPLATFORM_EXPORT LMDistance
{
public:
    LMDistance() = default;
    explicit LMDistance(double theValue, LMDistanceUnit theUnit = LMDistanceUnit::Units)
        : myValue(theValue), myUnit(theUnit)
    {
    }

    double value() const { return myValue; }
    LMDistanceUnit unit() const { return myUnit; }
    bool isRelative() const { return myUnit == LMDistanceUnit::Relative; }
    // Zero within 1e-12.
    bool isNull() const;

    // The length in document units: millimetres times 10; other units unchanged.
    double toUnits() const;
    // The length times the factor; relative lengths stay, they follow their area by themselves.
    LMDistance scaled(double theFactor) const;

    // The hypotenuse of the right triangle with the two legs, in the unit of the first leg when
    // both share it, else in document units.
    static LMDistance hypothenuse(const LMDistance& theHorizontal, const LMDistance& theVertical);
    // The clockwise direction, in whole degrees 0..359, of the offset (horizontal, vertical) with y
    // pointing down; 0 for a null offset.
    static LMAngle angleOfSpannedTriangle(const LMDistance& theHorizontal, const LMDistance& theVertical);

    QString toString() const;
    // Reads the text form; false (and a null distance) for a malformed text.
    static LMDistance fromString(const QString& theText, bool* theOk = nullptr);

    // Same unit and values equal within a relative 1e-9.
    friend LMPLATFORM_EXPORT bool operator==(const LMDistance& theA, const LMDistance& theB);

private:
    double myValue = 0.0;
    LMDistanceUnit myUnit = LMDistanceUnit::Units;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMDistance& theDistance);

Q_DECLARE_TYPEINFO(LMDistance, Q_PRIMITIVE_TYPE);
Q_DECLARE_METATYPE(LMDistance)
