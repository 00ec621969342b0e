#include "LMAreaDecoration.h"

#include "LMMirrorRule.h"
#include "LMXMLElement.h"

#include <QDebug>

class LMAreaDecorationImpl : public QSharedData
{
public:
    LMBorderConfig myBorder;
    LMShadowConfig myShadow;
    LMCornersConfiguration myCorners;

    bool isDefault() const
    {
        static const LMAreaDecorationImpl ourDefault;
        return myBorder == ourDefault.myBorder && myShadow == ourDefault.myShadow && myCorners == ourDefault.myCorners;
    }
};

LMAreaDecoration::LMAreaDecoration() = default;

LMAreaDecoration::LMAreaDecoration(const LMBorderConfig& theBorder, const LMShadowConfig& theShadow,
                                   const LMCornersConfiguration& theCorners)
    : myImpl(new LMAreaDecorationImpl)
{
    myImpl->myBorder = theBorder;
    myImpl->myShadow = theShadow;
    myImpl->myCorners = theCorners;
    dropDefault();
}

LMAreaDecoration::LMAreaDecoration(const LMAreaDecoration& theOther) = default;
LMAreaDecoration& LMAreaDecoration::operator=(const LMAreaDecoration& theOther) = default;
LMAreaDecoration::LMAreaDecoration(LMAreaDecoration&& theOther) noexcept = default;
LMAreaDecoration& LMAreaDecoration::operator=(LMAreaDecoration&& theOther) noexcept = default;
LMAreaDecoration::~LMAreaDecoration() = default;

const LMAreaDecorationImpl& LMAreaDecoration::impl() const
{
    static const LMAreaDecorationImpl ourDefault;
    return myImpl ? *myImpl : ourDefault;
}

LMAreaDecorationImpl& LMAreaDecoration::edit()
{
    if (!myImpl)
        myImpl = new LMAreaDecorationImpl;
    return *myImpl;
}

void LMAreaDecoration::dropDefault()
{
    if (myImpl && myImpl.constData()->isDefault())
        myImpl.reset();
}

const LMBorderConfig& LMAreaDecoration::border() const
{
    return impl().myBorder;
}

void LMAreaDecoration::setBorder(const LMBorderConfig& theBorder)
{
    edit().myBorder = theBorder;
    dropDefault();
}

const LMShadowConfig& LMAreaDecoration::shadow() const
{
    return impl().myShadow;
}

void LMAreaDecoration::setShadow(const LMShadowConfig& theShadow)
{
    edit().myShadow = theShadow;
    dropDefault();
}

const LMCornersConfiguration& LMAreaDecoration::corners() const
{
    return impl().myCorners;
}

void LMAreaDecoration::setCorners(const LMCornersConfiguration& theCorners)
{
    edit().myCorners = theCorners;
    dropDefault();
}

bool operator==(const LMAreaDecoration& theA, const LMAreaDecoration& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMAreaDecorationImpl& anA = theA.impl();
    const LMAreaDecorationImpl& aB = theB.impl();
    return anA.myBorder == aB.myBorder && anA.myShadow == aB.myShadow && anA.myCorners == aB.myCorners;
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
    // A decoration that looks the same mirrored (most do: a border, no shadow) stays shared; a new
    // one is made only when a part changes.
    const LMShadowConfig aShadow = shadow().mirrored(theRule.flipsX(), theRule.flipsY());
    const LMCornersConfiguration aCorners = corners().mirrored(theRule);
    if (aShadow == shadow() && aCorners == corners())
        return *this;
    return LMAreaDecoration(border(), aShadow, aCorners);
}

LMAreaDecoration LMAreaDecoration::fromXml(const LMXMLElement& theAreaElement)
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
