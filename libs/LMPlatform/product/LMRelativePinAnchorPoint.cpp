#include "LMRelativePinAnchorPoint.h"

#include <QDomElement>

#include <algorithm>
#include <cmath>

namespace {
const QString STR_ANCHOR_X = QStringLiteral("anchorX");
const QString STR_ANCHOR_Y = QStringLiteral("anchorY");
} // namespace

LMRelativePinAnchorPoint::LMRelativePinAnchorPoint(double theX, double theY)
    : myPoint(std::clamp(theX, 0.0, 1.0), std::clamp(theY, 0.0, 1.0)), myValid(true)
{
}

LMRelativePinAnchorPoint LMRelativePinAnchorPoint::decode(const QDomElement& theElement)
{
    bool anXOk = false;
    bool aYOk = false;
    const double anX = theElement.attribute(STR_ANCHOR_X).toDouble(&anXOk);
    const double aY = theElement.attribute(STR_ANCHOR_Y).toDouble(&aYOk);
    if (!anXOk || !aYOk || !std::isfinite(anX) || !std::isfinite(aY))
        return LMRelativePinAnchorPoint();
    return LMRelativePinAnchorPoint(anX, aY);
}

void LMRelativePinAnchorPoint::encode(QDomElement& theElement) const
{
    if (!myValid)
        return;
    theElement.setAttribute(STR_ANCHOR_X, myPoint.x());
    theElement.setAttribute(STR_ANCHOR_Y, myPoint.y());
}
