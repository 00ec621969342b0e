#include "LMFotoInAreaPositionState.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

bool LMFotoInAreaPositionState::fuzzyEquals(double theA, double theB)
{
    return std::abs(theA - theB) * 1e12 <= std::min(std::abs(theA), std::abs(theB));
}

bool LMFotoInAreaPositionState::moveTo(const QPointF& theTopLeft)
{
    if (fuzzyEquals(theTopLeft.x(), myTopLeft.x()) && fuzzyEquals(theTopLeft.y(), myTopLeft.y()))
        return false;
    myTopLeft = theTopLeft;
    return true;
}

bool LMFotoInAreaPositionState::zoomTo(double theZoomFactor)
{
    if (fuzzyEquals(theZoomFactor, myZoomFactor))
        return false;
    myZoomFactor = theZoomFactor;
    return true;
}

QRectF LMFotoInAreaPositionState::visibleRect(const QSizeF& theAreaSize) const
{
    const double aZoom = std::abs(myZoomFactor) <= 1e-12 ? 1.0 : myZoomFactor;
    return QRectF(-myTopLeft.x() / aZoom, -myTopLeft.y() / aZoom, theAreaSize.width() / aZoom,
                  theAreaSize.height() / aZoom);
}

QDebug operator<<(QDebug theDebug, const LMFotoInAreaPositionState& theState)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMFotoInAreaPositionState(" << theState.topLeft() << ", zoom " << theState.zoomFactor()
                       << ')';
    return theDebug;
}
