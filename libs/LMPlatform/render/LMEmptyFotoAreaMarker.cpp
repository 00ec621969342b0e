#include "LMEmptyFotoAreaMarker.h"

#include "LMPlatformLogging.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr qreal ourPictogramPart = 0.4;
} // namespace

void LMEmptyFotoAreaMarker::draw(QPainter* thePainter, const QRectF& theRect)
{
    if (thePainter == nullptr || !thePainter->isActive()) {
        qCWarning(lcPlatformRender) << "empty photo area: no active painter to draw with";
        return;
    }
    if (theRect.isEmpty() || !std::isfinite(theRect.width()) || !std::isfinite(theRect.height())
        || !std::isfinite(theRect.x()) || !std::isfinite(theRect.y()))
        return;
    thePainter->save();
    thePainter->setClipRect(theRect, Qt::IntersectClip);
    thePainter->setRenderHint(QPainter::Antialiasing);
    thePainter->setPen(Qt::NoPen);
    thePainter->fillRect(theRect, QColor::fromRgba(ourFillColor));

    // The pictogram in a square of side 1, mapped onto the centre of the area.
    const qreal aSide = ourPictogramPart * qMin(theRect.width(), theRect.height());
    const QPointF aCorner = theRect.center() - QPointF(aSide / 2, aSide / 2);
    const auto at = [&](qreal theX, qreal theY) {
        return aCorner + QPointF(theX * aSide, theY * aSide);
    };
    QPainterPath aMountains;
    aMountains.moveTo(at(0, 1));
    aMountains.lineTo(at(0.34, 0.38));
    aMountains.lineTo(at(0.56, 0.72));
    aMountains.lineTo(at(0.74, 0.5));
    aMountains.lineTo(at(1, 1));
    aMountains.closeSubpath();
    thePainter->setBrush(QColor::fromRgba(ourPictogramColor));
    thePainter->drawPath(aMountains);
    thePainter->drawEllipse(at(0.78, 0.2), 0.13 * aSide, 0.13 * aSide);
    thePainter->restore();
}
