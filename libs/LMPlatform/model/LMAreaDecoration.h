#pragma once

#include "LMBorderConfig.h"
#include "LMCornersConfiguration.h"
#include "LMPlatformExport.h"
#include "LMShadowConfig.h"

#include <memory>

class LMMirrorRule;
class QDebug;
class QDomElement;

// The parts of an area's decoration, for asking after one of them.
enum class LMAreaDecorationPart : qint32 { Border = 1, Shadow = 2, Corners = 4 };

// What is drawn around an area besides its content: border, shadow and cut corners. Most areas
// have none: an undecorated area keeps no parts of its own (every template keeps several areas,
// and their mirrored copies share the parts they do not change).
class LMPLATFORM_EXPORT LMAreaDecoration
{
public:
    LMAreaDecoration() = default;
    LMAreaDecoration(const LMBorderConfig& theBorder, const LMShadowConfig& theShadow,
                     const LMCornersConfiguration& theCorners);

    const LMBorderConfig& border() const { return parts().myBorder; }
    void setBorder(const LMBorderConfig& theBorder);
    const LMShadowConfig& shadow() const { return parts().myShadow; }
    void setShadow(const LMShadowConfig& theShadow);
    const LMCornersConfiguration& corners() const { return parts().myCorners; }
    void setCorners(const LMCornersConfiguration& theCorners);

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
        return theA.myParts == theB.myParts || theA.parts() == theB.parts();
    }

private:
    struct Parts
    {
        LMBorderConfig myBorder;
        LMShadowConfig myShadow;
        LMCornersConfiguration myCorners;

        friend bool operator==(const Parts& theA, const Parts& theB)
        {
            return theA.myBorder == theB.myBorder && theA.myShadow == theB.myShadow
                && theA.myCorners == theB.myCorners;
        }
    };
    static const Parts& defaultParts();
    const Parts& parts() const { return myParts ? *myParts : defaultParts(); }
    // Keeps no parts when they are the default ones.
    void setParts(Parts&& theParts);

    std::shared_ptr<const Parts> myParts;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaDecoration& theDecoration);
