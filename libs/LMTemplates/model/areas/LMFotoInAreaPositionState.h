#pragma once

#include "LMTemplatesExport.h"

#include <QPointF>
#include <QRectF>

class QDebug;

// How a photo sits inside its area: the offset of the photo's top-left corner from the area's
// and the zoom factor by which the photo is drawn.
class LMTEMPLATES_EXPORT LMFotoInAreaPositionState
{
public:
    LMFotoInAreaPositionState() = default;
    LMFotoInAreaPositionState(const QPointF& theTopLeft, double theZoomFactor)
        : myTopLeft(theTopLeft), myZoomFactor(theZoomFactor)
    {
    }

    const QPointF& topLeft() const { return myTopLeft; }
    double zoomFactor() const { return myZoomFactor; }

    // Equal within a relative precision of 1e-12: |a - b| * 1e12 <= min(|a|, |b|). So zero equals
    // only zero.
    static bool fuzzyEquals(double theA, double theB);

    // False, changing nothing, when the point is fuzzily the current one.
    bool moveTo(const QPointF& theTopLeft);
    void translate(const QPointF& theOffset) { myTopLeft += theOffset; }
    // False when the factor is fuzzily the current one.
    bool zoomTo(double theZoomFactor);
    void zoomBy(double theFactor) { myZoomFactor *= theFactor; }

    // The part of the photo, in photo units, that the area of the given size shows. A zoom factor
    // of magnitude up to 1e-12 counts as 1.
    QRectF visibleRect(const QSizeF& theAreaSize) const;

    friend bool operator==(const LMFotoInAreaPositionState& theA, const LMFotoInAreaPositionState& theB)
    {
        return fuzzyEquals(theA.myTopLeft.x(), theB.myTopLeft.x())
            && fuzzyEquals(theA.myTopLeft.y(), theB.myTopLeft.y()) && fuzzyEquals(theA.myZoomFactor, theB.myZoomFactor);
    }

private:
    QPointF myTopLeft;
    double myZoomFactor = 1.0;
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMFotoInAreaPositionState& theState);
