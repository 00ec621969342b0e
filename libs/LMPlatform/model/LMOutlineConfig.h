#pragma once

#include "LMDistance.h"
#include "LMPlatformExport.h"

#include <QColor>

class LMXMLElement;
class QDebug;
class QDomElement;

// The outline drawn around the letters of a text: width and colour. Valid when both are set.
class LMPLATFORM_EXPORT LMOutlineConfig
{
public:
    LMOutlineConfig() = default;
    LMOutlineConfig(const LMDistance& theWidth, const QColor& theColor) : myWidth(theWidth), myColor(theColor) { }

    const LMDistance& width() const { return myWidth; }
    const QColor& color() const { return myColor; }
    bool isValid() const { return !myWidth.isNull() && myWidth.value() > 0 && myColor.isValid(); }
    LMOutlineConfig scaled(double theFactor) const { return LMOutlineConfig(myWidth.scaled(theFactor), myColor); }

    // The child "outline" (attributes "width" and "color") of the element; the default outline
    // without one.
    static LMOutlineConfig fromXml(const LMXMLElement& theParent);
    // Appends a child "outline" when the outline is valid.
    void buildXML(QDomElement& theParent) const;

    friend bool operator==(const LMOutlineConfig& theA, const LMOutlineConfig& theB)
    {
        return theA.myWidth == theB.myWidth && theA.myColor == theB.myColor;
    }

private:
    LMDistance myWidth;
    QColor myColor;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMOutlineConfig& theOutline);
