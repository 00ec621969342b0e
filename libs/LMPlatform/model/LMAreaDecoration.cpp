#include "LMAreaDecoration.h"

#include "LMMirrorRule.h"

#include <QDebug>

LMAreaDecoration::LMAreaDecoration(const LMBorderConfig& theBorder, const LMShadowConfig& theShadow,
                                   const LMCornersConfiguration& theCorners)
{
    setParts(Parts { theBorder, theShadow, theCorners });
}

const LMAreaDecoration::Parts& LMAreaDecoration::defaultParts()
{
    static const Parts ourDefault;
    return ourDefault;
}

void LMAreaDecoration::setParts(Parts&& theParts)
{
    if (theParts == defaultParts())
        myParts.reset();
    else
        myParts = std::make_shared<const Parts>(std::move(theParts));
}

void LMAreaDecoration::setBorder(const LMBorderConfig& theBorder)
{
    Parts aParts = parts();
    aParts.myBorder = theBorder;
    setParts(std::move(aParts));
}

void LMAreaDecoration::setShadow(const LMShadowConfig& theShadow)
{
    Parts aParts = parts();
    aParts.myShadow = theShadow;
    setParts(std::move(aParts));
}

void LMAreaDecoration::setCorners(const LMCornersConfiguration& theCorners)
{
    Parts aParts = parts();
    aParts.myCorners = theCorners;
    setParts(std::move(aParts));
}

bool LMAreaDecoration::decorationPartIsEmpty(LMAreaDecorationPart thePart) const
{
    switch (thePart) {
    case LMAreaDecorationPart::Border:
        return border().isNoBorder();
    case LMAreaDecorationPart::Shadow:
        return !shadow().isValid();
    case LMAreaDecorationPart::Corners:
        return corners().isDefault();
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
    return LMAreaDecoration(border().scaled(theFactor), shadow().scaled(theFactor), corners().scaled(theFactor));
}

LMAreaDecoration LMAreaDecoration::mirrored(const LMMirrorRule& theRule) const
{
    LMAreaDecoration aMirrored(border(), shadow().mirrored(theRule.flipsX(), theRule.flipsY()),
                               corners().mirrored(theRule));
    // A decoration that looks the same mirrored (most do: a border, no shadow) stays shared.
    return aMirrored == *this ? *this : aMirrored;
}

LMAreaDecoration LMAreaDecoration::fromXml(const QDomElement& theAreaElement)
{
    return LMAreaDecoration(LMBorderConfig::fromXml(theAreaElement), LMShadowConfig::fromXml(theAreaElement),
                            LMCornersConfiguration::fromXml(theAreaElement));
}

void LMAreaDecoration::buildXML(QDomElement& theAreaElement) const
{
    border().buildXML(theAreaElement);
    shadow().buildXML(theAreaElement);
    corners().buildXML(theAreaElement);
}

QDebug operator<<(QDebug theDebug, const LMAreaDecoration& theDecoration)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAreaDecoration(" << theDecoration.border() << ", " << theDecoration.shadow() << ", "
                       << theDecoration.corners() << ')';
    return theDebug;
}
