#include "LMCalendariumStripRenderer_p.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {
// The heading takes at most this part of the width.
constexpr qreal ourMaximumHeadingWidth = 0.25;
} // namespace

LMCalendariumStripRenderer::LMCalendariumStripRenderer(const LMCalendariumAppearance& theAppearance,
                                                       const LMCalendariumPreviewParameters& theParameters)
    : LMCalendariumRenderer(theAppearance, theParameters)
{
}

void LMCalendariumStripRenderer::render(QPainter* thePainter, const QRectF& theTarget) const
{
    if (!beginRender(thePainter, theTarget))
        return;
    const QDate aMonth = shownMonth();
    const qreal aHeight = theTarget.height();

    const QString aHeading = heading(aMonth);
    const QFont aHeadingFont
        = fittedFont(aHeight * 0.4, { aHeading }, theTarget.width() * ourMaximumHeadingWidth, true);
    const qreal aHeadingWidth = QFontMetricsF(aHeadingFont).horizontalAdvance(aHeading) + aHeadingFont.pixelSize();
    thePainter->setPen(colorSchema().textColor());
    thePainter->setFont(aHeadingFont);
    thePainter->drawText(QRectF(theTarget.left(), theTarget.top(), aHeadingWidth, aHeight), Qt::AlignCenter, aHeading);

    const int aDays = aMonth.daysInMonth();
    const qreal aColumn = qMax<qreal>(0, theTarget.width() - aHeadingWidth) / aDays;
    QStringList aDayNames;
    for (int aDay = Qt::Monday; aDay <= Qt::Sunday; ++aDay)
        aDayNames.append(locale().standaloneDayName(aDay, QLocale::NarrowFormat));
    const QFont aDayFont = fittedFont(aHeight * 0.35, { QStringLiteral("00") }, aColumn * 0.85, false);
    const QFont aNameFont = fittedFont(aDayFont.pixelSize() * 0.8, aDayNames, aColumn * 0.9, false);
    for (int aDay = 1; aDay <= aDays; ++aDay) {
        const QDate aDate(aMonth.year(), aMonth.month(), aDay);
        const qreal aLeft = theTarget.left() + aHeadingWidth + (aDay - 1) * aColumn;
        thePainter->setPen(isAccentDay(aDate) ? colorSchema().accentColor() : colorSchema().textColor());
        thePainter->setFont(aNameFont);
        thePainter->drawText(QRectF(aLeft, theTarget.top(), aColumn, aHeight * 0.45),
                             Qt::AlignHCenter | Qt::AlignBottom, aDayNames.at(aDate.dayOfWeek() - 1));
        thePainter->setFont(aDayFont);
        thePainter->drawText(QRectF(aLeft, theTarget.top() + aHeight * 0.45, aColumn, aHeight * 0.55),
                             Qt::AlignHCenter | Qt::AlignTop, QString::number(aDay));
    }
    thePainter->restore();
}
