#pragma once

#include "LMBorderConfig.h"
#include "LMCornersConfiguration.h"
#include "LMPlatformExport.h"
#include "LMShadowConfig.h"

class LMMirrorRule;
class QDebug;
class QDomElement;

// The parts of an area's decoration, for asking after one of them.
enum class LMAreaDecorationPart : qint32 { Border = 1, Shadow = 2, Corners = 4 };

// What is drawn around an area besides its content: border, shadow and cut corners.
class LMPLATFORM_EXPORT LMAreaDecoration
{
public:
    LMAreaDecoration() = default;
    LMAreaDecoration(const LMBorderConfig& theBorder, const LMShadowConfig& theShadow,
                     const LMCornersConfiguration& theCorners)
        : myBorder(theBorder), myShadow(theShadow), myCorners(theCorners)
    {
    }

    const LMBorderConfig& border() const { return myBorder; }
    void setBorder(const LMBorderConfig& theBorder) { myBorder = theBorder; }
    const LMShadowConfig& shadow() const { return myShadow; }
    void setShadow(const LMShadowConfig& theShadow) { myShadow = theShadow; }
    const LMCornersConfiguration& corners() const { return myCorners; }
    void setCorners(const LMCornersConfiguration& theCorners) { myCorners = theCorners; }

    // True when that part draws nothing: no border, an invalid shadow, default corners.
    bool decorationPartIsEmpty(LMAreaDecorationPart thePart) const;
    bool isEmpty() const;

    // Every length times the factor.
    LMAreaDecoration scaled(double theFactor) const;
    LMAreaDecoration mirrored(const LMMirrorRule& theRule) const;

    // The children "border", "shadow" and "corners" of the area element.
    static LMAreaDecoration fromXml(const QDomElement& theAreaElement);
    // Appends those children for the parts that are set.
    void buildXML(QDomElement& theAreaElement) const;

    friend bool operator==(const LMAreaDecoration& theA, const LMAreaDecoration& theB)
    {
        return theA.myBorder == theB.myBorder && theA.myShadow == theB.myShadow && theA.myCorners == theB.myCorners;
    }

private:
    LMBorderConfig myBorder;
    LMShadowConfig myShadow;
    LMCornersConfiguration myCorners;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaDecoration& theDecoration);
