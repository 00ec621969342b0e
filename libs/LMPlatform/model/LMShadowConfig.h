#pragma once

#include "LMAngle.h"
#include "LMDistance.h"
#include "LMPlatformExport.h"

class LMXMLElement;
class QDebug;
class QDomElement;

// The drop shadow of an area: how far and in which direction it falls, how opaque it is (0..255),
// how soft (blur) and how much larger than the area (zoom). Valid when it is visible at all.
class LMPLATFORM_EXPORT LMShadowConfig
{
public:
    LMShadowConfig() = default;
    LMShadowConfig(const LMDistance& theDistance, LMAngle theAngle, int theOpacity, const LMDistance& theBlur,
                   const LMDistance& theZoom = LMDistance());

    const LMDistance& distance() const { return myDistance; }
    LMAngle angle() const { return myAngle; }
    // Clamped to 0..255.
    int opacity() const { return myOpacity; }
    double intensity() const { return myOpacity / 255.0; }
    const LMDistance& blur() const { return myBlur; }
    const LMDistance& zoom() const { return myZoom; }

    // Opaque at least a little, and offset, blurred or enlarged.
    bool isValid() const;
    // Distance, blur and zoom times the factor.
    LMShadowConfig scaled(double theFactor) const;
    // The shadow falls to the other side of each mirrored axis.
    LMShadowConfig mirrored(bool theFlipsX, bool theFlipsY) const;

    // The child "shadow" of the element; the default (invalid) shadow without one.
    static LMShadowConfig fromXml(const LMXMLElement& theParent);
    // Appends a child "shadow" unless this is the default shadow.
    void buildXML(QDomElement& theParent) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMShadowConfig& theA, const LMShadowConfig& theB);

private:
    LMDistance myDistance;
    LMAngle myAngle;
    int myOpacity = 0;
    LMDistance myBlur;
    LMDistance myZoom;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMShadowConfig& theShadow);
