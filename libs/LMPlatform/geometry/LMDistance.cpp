#include "LMDistance.h"

#include "LMMath.h"

#include <QDebug>
#include <QRegularExpression>

#include <cmath>
#include <numbers>

namespace {
const QString STR_MILLIMETRE = QStringLiteral("mm");
const QString STR_RELATIVE = QStringLiteral("rel");

const QRegularExpression& distancePattern()
{
    static const QRegularExpression ourPattern(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*(mm|rel)?\\s*$"));
    return ourPattern;
}

bool fuzzyEqual(double theA, double theB)
{
    return std::abs(theA - theB) <= 1e-9 * std::max({ 1.0, std::abs(theA), std::abs(theB) });
}
} // namespace

bool LMDistance::isNull() const
{
    return std::abs(myValue) <= 1e-12;
}

double LMDistance::toUnits() const
{
    return myUnit == LMDistanceUnit::Millimetre ? myValue * 10.0 : myValue;
}

LMDistance LMDistance::scaled(double theFactor) const
{
    return isRelative() ? *this : LMDistance(myValue * theFactor, myUnit);
}

LMDistance LMDistance::hypothenuse(const LMDistance& theHorizontal, const LMDistance& theVertical)
{
    if (theHorizontal.myUnit == theVertical.myUnit)
        return LMDistance(std::hypot(theHorizontal.myValue, theVertical.myValue), theHorizontal.myUnit);
    return LMDistance(std::hypot(theHorizontal.toUnits(), theVertical.toUnits()));
}

LMAngle LMDistance::angleOfSpannedTriangle(const LMDistance& theHorizontal, const LMDistance& theVertical)
{
    const bool aSameUnit = theHorizontal.myUnit == theVertical.myUnit;
    const double aX = aSameUnit ? theHorizontal.myValue : theHorizontal.toUnits();
    const double aY = aSameUnit ? theVertical.myValue : theVertical.toUnits();
    if (std::abs(aX) <= 1e-12 && std::abs(aY) <= 1e-12)
        return LMAngle();
    const double aDegrees = std::atan2(aY, aX) * 180.0 / std::numbers::pi;
    // atan2 keeps within a half turn, but not a number stays one.
    return LMAngle(LMAngle::normalizedDegrees(LMMath::boundedInt(aDegrees, -180, 180, 0)));
}

QString LMDistance::toString() const
{
    const QString aNumber = LMMath::numberText(myValue);
    switch (myUnit) {
    case LMDistanceUnit::Millimetre:
        return aNumber + STR_MILLIMETRE;
    case LMDistanceUnit::Relative:
        return aNumber + STR_RELATIVE;
    case LMDistanceUnit::Units:
        break;
    }
    return aNumber;
}

LMDistance LMDistance::fromString(const QString& theText, bool* theOk)
{
    const QRegularExpressionMatch aMatch = distancePattern().match(theText);
    const std::optional<double> aParsed
        = aMatch.hasMatch() ? LMMath::parseDouble(aMatch.capturedView(1)) : std::optional<double>();
    const bool anOk = aParsed.has_value();
    if (theOk)
        *theOk = anOk;
    if (!anOk)
        return LMDistance();
    const double aValue = *aParsed;
    const QString aUnit = aMatch.captured(2);
    if (aUnit == STR_MILLIMETRE)
        return LMDistance(aValue, LMDistanceUnit::Millimetre);
    if (aUnit == STR_RELATIVE)
        return LMDistance(aValue, LMDistanceUnit::Relative);
    return LMDistance(aValue);
}

bool operator==(const LMDistance& theA, const LMDistance& theB)
{
    return theA.myUnit == theB.myUnit && fuzzyEqual(theA.myValue, theB.myValue);
}

QDebug operator<<(QDebug theDebug, const LMDistance& theDistance)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace().noquote() << "LMDistance(" << theDistance.toString() << ')';
    return theDebug;
}
