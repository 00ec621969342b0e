#pragma once

#include "LMBorderPosition.h"
#include "LMDistance.h"
#include "LMPlatformExport.h"

#include <QColor>

class LMXMLElement;
class QDebug;
class QDomElement;

// The border drawn around an area: width, where it runs, colour, whether it takes the product's
// spot colour, and the gap it keeps to the area. NoBorder (nothing set) draws nothing.
class LMPLATFORM_EXPORT LMBorderConfig
{
public:
    LMBorderConfig() = default;
    LMBorderConfig(const LMDistance& theWidth, const LMBorderPosition& thePosition, const QColor& theColor,
                   bool theSpotColor = false, const LMDistance& theOffset = LMDistance());

    static const LMBorderConfig NoBorder;

    const LMDistance& width() const { return myWidth; }
    void setWidth(const LMDistance& theWidth) { myWidth = theWidth; }
    const LMBorderPosition& position() const { return myPosition; }
    void setPosition(const LMBorderPosition& thePosition) { myPosition = thePosition; }
    const QColor& color() const { return myColor; }
    void setColor(const QColor& theColor) { myColor = theColor; }
    bool isSpotColor() const { return mySpotColor; }
    void setSpotColor(bool theSpotColor) { mySpotColor = theSpotColor; }
    const LMDistance& offset() const { return myOffset; }
    void setOffset(const LMDistance& theOffset) { myOffset = theOffset; }

    bool isNoBorder() const { return *this == NoBorder; }
    // Width and offset times the factor.
    LMBorderConfig scaled(double theFactor) const;

    // The child "border" of the element; NoBorder without one.
    static LMBorderConfig fromXml(const LMXMLElement& theParent);
    // Appends a child "border" unless this is NoBorder.
    void buildXML(QDomElement& theParent) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMBorderConfig& theA, const LMBorderConfig& theB);

private:
    LMDistance myWidth;
    LMBorderPosition myPosition;
    QColor myColor;
    bool mySpotColor = false;
    LMDistance myOffset;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMBorderConfig& theBorder);
