#pragma once

#include "LMPlatformExport.h"

#include <QPointF>
#include <QStringView>

class QDomElement;
class QXmlStreamAttributes;

// Where a map pin touches the map, relative to the pin's picture: (0, 0) is the top left corner,
// (1, 1) the bottom right one. Invalid until decoded from an element that names it.
class LMPLATFORM_EXPORT LMRelativePinAnchorPoint
{
public:
    LMRelativePinAnchorPoint() = default;
    LMRelativePinAnchorPoint(double theX, double theY);

    // Attributes "anchorX" and "anchorY", each clamped to 0..1; invalid unless both are numbers.
    static LMRelativePinAnchorPoint decode(const QDomElement& theElement);
    static LMRelativePinAnchorPoint decode(const QXmlStreamAttributes& theAttributes);
    void encode(QDomElement& theElement) const;

    bool isValid() const { return myValid; }
    QPointF point() const { return myPoint; }

    friend bool operator==(const LMRelativePinAnchorPoint& theA, const LMRelativePinAnchorPoint& theB)
    {
        return theA.myValid == theB.myValid && theA.myPoint == theB.myPoint;
    }

private:
    static LMRelativePinAnchorPoint decode(QStringView theX, QStringView theY);

    QPointF myPoint;
    bool myValid = false;
};
