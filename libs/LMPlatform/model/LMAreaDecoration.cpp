#include "LMAreaDecoration.h"

#include "LMMirrorRule.h"

#include <QDebug>

bool LMAreaDecoration::decorationPartIsEmpty(LMAreaDecorationPart thePart) const
{
    switch (thePart) {
    case LMAreaDecorationPart::Border:
        return myBorder.isNoBorder();
    case LMAreaDecorationPart::Shadow:
        return !myShadow.isValid();
    case LMAreaDecorationPart::Corners:
        return myCorners.isDefault();
    }
    return true;
}

bool LMAreaDecoration::isEmpty() const
{
    return decorationPartIsEmpty(LMAreaDecorationPart::Border) && decorationPartIsEmpty(LMAreaDecorationPart::Shadow)
        && decorationPartIsEmpty(LMAreaDecorationPart::Corners);
}

LMAreaDecoration LMAreaDecoration::scaled(double theFactor) const
{
    return LMAreaDecoration(myBorder.scaled(theFactor), myShadow.scaled(theFactor), myCorners.scaled(theFactor));
}

LMAreaDecoration LMAreaDecoration::mirrored(const LMMirrorRule& theRule) const
{
    return LMAreaDecoration(myBorder, myShadow.mirrored(theRule.flipsX(), theRule.flipsY()),
                            myCorners.mirrored(theRule));
}

LMAreaDecoration LMAreaDecoration::fromXml(const QDomElement& theAreaElement)
{
    return LMAreaDecoration(LMBorderConfig::fromXml(theAreaElement), LMShadowConfig::fromXml(theAreaElement),
                            LMCornersConfiguration::fromXml(theAreaElement));
}

void LMAreaDecoration::buildXML(QDomElement& theAreaElement) const
{
    myBorder.buildXML(theAreaElement);
    myShadow.buildXML(theAreaElement);
    myCorners.buildXML(theAreaElement);
}

QDebug operator<<(QDebug theDebug, const LMAreaDecoration& theDecoration)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAreaDecoration(" << theDecoration.border() << ", " << theDecoration.shadow() << ", "
                       << theDecoration.corners() << ')';
    return theDebug;
}
