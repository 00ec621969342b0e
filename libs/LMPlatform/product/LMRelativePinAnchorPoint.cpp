#include "LMRelativePinAnchorPoint.h"

#include <QDomElement>
#include <QXmlStreamAttributes>

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
    return decode(theElement.attribute(STR_ANCHOR_X), theElement.attribute(STR_ANCHOR_Y));
}

LMRelativePinAnchorPoint LMRelativePinAnchorPoint::decode(const QXmlStreamAttributes& theAttributes)
{
    return decode(theAttributes.value(STR_ANCHOR_X), theAttributes.value(STR_ANCHOR_Y));
}

LMRelativePinAnchorPoint LMRelativePinAnchorPoint::decode(QStringView theX, QStringView theY)
{
    bool anXOk = false;
    bool aYOk = false;
    const double anX = theX.toDouble(&anXOk);
    const double aY = theY.toDouble(&aYOk);
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
