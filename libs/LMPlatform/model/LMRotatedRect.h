#pragma once

#include "LMAngle.h"
#include "LMPlatformExport.h"

#include <QPolygonF>
#include <QRectF>

class LMMirrorRule;
class QDebug;

// A rectangle turned clockwise about its centre by a whole-degree angle: the geometry of an area.
class LMPLATFORM_EXPORT LMRotatedRect
{
public:
    LMRotatedRect() = default;
    explicit LMRotatedRect(const QRectF& theRect, LMAngle theAngle = LMAngle()) : myRect(theRect), myAngle(theAngle) { }

    const QRectF& rect() const { return myRect; }
    void setRect(const QRectF& theRect) { myRect = theRect; }
    LMAngle angle() const { return myAngle; }
    void setAngle(LMAngle theAngle) { myAngle = theAngle; }
    QPointF center() const { return myRect.center(); }

    // Turned by anything but a multiple of 360 degrees.
    bool isRotated() const { return myAngle.normalized().degrees() != 0; }
    // Turned by anything but a multiple of 90 degrees.
    bool isInclined() const { return myAngle.normalized().degrees() % 90 != 0; }

    // The four corners (top-left, top-right, bottom-right, bottom-left of the unturned rectangle)
    // turned about the centre.
    QPolygonF polygon() const;
    QRectF boundingRect() const;
    // The area the rectangle covers; turning does not change it.
    double coveredArea() const;

    // Position and size multiplied by the factors; the angle stays.
    LMRotatedRect scaled(double theFactorX, double theFactorY) const;
    LMRotatedRect translated(const QPointF& theOffset) const;
    // Mirrored inside a reference area of the given size (the page, or 1 x 1 for normalised
    // geometry). A side of the reference that is not positive mirrors in place. Mirroring at one
    // axis turns the angle the other way; at both axes it stays.
    LMRotatedRect mirrored(const LMMirrorRule& theRule, const QSizeF& theReference) const;

    // Rectangles equal within a relative 1e-9 and the same direction.
    friend LMPLATFORM_EXPORT bool operator==(const LMRotatedRect& theA, const LMRotatedRect& theB);

    static bool fuzzyEqual(double theA, double theB);

private:
    QRectF myRect;
    LMAngle myAngle;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMRotatedRect& theRect);

Q_DECLARE_TYPEINFO(LMRotatedRect, Q_RELOCATABLE_TYPE);
