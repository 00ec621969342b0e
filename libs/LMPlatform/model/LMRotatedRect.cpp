#include "LMRotatedRect.h"

#include "LMMirrorRule.h"

#include <QDebug>
#include <QTransform>

#include <algorithm>
#include <cmath>

bool LMRotatedRect::fuzzyEqual(double theA, double theB)
{
    return std::abs(theA - theB) <= 1e-9 * std::max({ 1.0, std::abs(theA), std::abs(theB) });
}

QPolygonF LMRotatedRect::polygon() const
{
    const QPolygonF aCorners({ myRect.topLeft(), myRect.topRight(), myRect.bottomRight(), myRect.bottomLeft() });
    if (!isRotated())
        return aCorners;
    const QPointF aCenter = center();
    // With y pointing down, a positive QTransform angle turns clockwise on the page.
    const QTransform aTurn = QTransform::fromTranslate(aCenter.x(), aCenter.y())
                                 .rotate(myAngle.degrees())
                                 .translate(-aCenter.x(), -aCenter.y());
    return aTurn.map(aCorners);
}

QRectF LMRotatedRect::boundingRect() const
{
    return isRotated() ? polygon().boundingRect() : myRect.normalized();
}

double LMRotatedRect::coveredArea() const
{
    return std::abs(myRect.width() * myRect.height());
}

LMRotatedRect LMRotatedRect::scaled(double theFactorX, double theFactorY) const
{
    return LMRotatedRect(QRectF(myRect.x() * theFactorX, myRect.y() * theFactorY, myRect.width() * theFactorX,
                                myRect.height() * theFactorY),
                         myAngle);
}

LMRotatedRect LMRotatedRect::translated(const QPointF& theOffset) const
{
    return LMRotatedRect(myRect.translated(theOffset), myAngle);
}

LMRotatedRect LMRotatedRect::mirrored(const LMMirrorRule& theRule, const QSizeF& theReference) const
{
    QRectF aRect = myRect;
    if (theRule.flipsX() && theReference.width() > 0)
        aRect.moveLeft(theReference.width() - (myRect.x() + myRect.width()));
    if (theRule.flipsY() && theReference.height() > 0)
        aRect.moveTop(theReference.height() - (myRect.y() + myRect.height()));
    LMAngle anAngle = myAngle;
    if (theRule.flipsX() != theRule.flipsY())
        anAngle = LMAngle(-myAngle.normalized().degrees()).normalized();
    return LMRotatedRect(aRect, anAngle);
}

bool operator==(const LMRotatedRect& theA, const LMRotatedRect& theB)
{
    using R = LMRotatedRect;
    return theA.myAngle.normalized() == theB.myAngle.normalized() && R::fuzzyEqual(theA.myRect.x(), theB.myRect.x())
        && R::fuzzyEqual(theA.myRect.y(), theB.myRect.y()) && R::fuzzyEqual(theA.myRect.width(), theB.myRect.width())
        && R::fuzzyEqual(theA.myRect.height(), theB.myRect.height());
}

QDebug operator<<(QDebug theDebug, const LMRotatedRect& theRect)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMRotatedRect(" << theRect.rect() << ", " << theRect.angle().degrees() << "deg)";
    return theDebug;
}
