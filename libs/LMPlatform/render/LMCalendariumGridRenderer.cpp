#include "LMCalendariumGridRenderer_p.h"

#include <QFont>
#include <QPainter>

namespace {
// Heights in rows: the heading is one and a half rows high.
constexpr qreal ourHeadingRows = 1.5;
// The week number column is narrower than a day's.
constexpr qreal ourWeekNumberColumns = 0.75;
} // namespace

LMCalendariumGridRenderer::LMCalendariumGridRenderer(const LMCalendariumAppearance& theAppearance,
                                                     const LMCalendariumPreviewParameters& theParameters)
    : LMCalendariumRenderer(theAppearance, theParameters)
{
}

void LMCalendariumGridRenderer::render(QPainter* thePainter, const QRectF& theTarget) const
{
    if (!beginRender(thePainter, theTarget))
        return;
    const QDate aMonth = shownMonth();
    const bool aWeekNumbers = contents().testFlag(LMCalendariumPreviewParameters::Content::WeekNumbers);
    // Monday is column 0.
    const int aLeadingDays = aMonth.dayOfWeek() - 1;
    const int aWeeks = (aLeadingDays + aMonth.daysInMonth() + 6) / 7;
    const qreal aRow = theTarget.height() / (ourHeadingRows + 1 + aWeeks);
    const qreal aColumn = theTarget.width() / (7 + (aWeekNumbers ? ourWeekNumberColumns : 0));
    const qreal aDaysLeft = theTarget.left() + (aWeekNumbers ? ourWeekNumberColumns * aColumn : 0);
    const auto cell = [&](int theColumn, int theRow) {
        return QRectF(aDaysLeft + theColumn * aColumn, theTarget.top() + (ourHeadingRows + theRow) * aRow, aColumn,
                      aRow);
    };

    thePainter->setPen(colorSchema().textColor());
    const QString aHeading = heading(aMonth);
    thePainter->setFont(fittedFont(aRow * 0.9, { aHeading }, theTarget.width() * 0.95, true));
    thePainter->drawText(QRectF(theTarget.left(), theTarget.top(), theTarget.width(), ourHeadingRows * aRow),
                         Qt::AlignCenter, aHeading);

    QStringList aDayNames;
    for (int aDay = Qt::Monday; aDay <= Qt::Sunday; ++aDay)
        aDayNames.append(locale().standaloneDayName(aDay, QLocale::ShortFormat));
    const QFont aDayFont = fittedFont(aRow * 0.55, { QStringLiteral("00") }, aColumn * 0.8, false);
    // The weekday names are never larger than the days, and all of one size.
    thePainter->setFont(fittedFont(aDayFont.pixelSize(), aDayNames, aColumn * 0.9, true));
    for (int aDay = 0; aDay < 7; ++aDay) {
        thePainter->setPen(aDay == 6 ? colorSchema().accentColor() : colorSchema().textColor());
        thePainter->drawText(cell(aDay, 0), Qt::AlignCenter, aDayNames.at(aDay));
    }

    thePainter->setFont(aDayFont);
    for (int aDay = 1; aDay <= aMonth.daysInMonth(); ++aDay) {
        const QDate aDate(aMonth.year(), aMonth.month(), aDay);
        const int anIndex = aLeadingDays + aDay - 1;
        thePainter->setPen(isAccentDay(aDate) ? colorSchema().accentColor() : colorSchema().textColor());
        thePainter->drawText(cell(anIndex % 7, 1 + anIndex / 7), Qt::AlignCenter, QString::number(aDay));
    }

    if (aWeekNumbers) {
        QFont aWeekFont = aDayFont;
        aWeekFont.setPixelSize(qMax(1, qRound(aDayFont.pixelSize() * 0.75)));
        thePainter->setFont(aWeekFont);
        thePainter->setPen(colorSchema().mutedColor());
        for (int aWeek = 0; aWeek < aWeeks; ++aWeek) {
            // The ISO week of a row is that of its Monday, even when the Monday lies in the month before.
            const QDate aMonday = aMonth.addDays(7 * aWeek - aLeadingDays);
            const QRectF aCell = cell(0, 1 + aWeek);
            thePainter->drawText(QRectF(theTarget.left(), aCell.top(), ourWeekNumberColumns * aColumn, aRow),
                                 Qt::AlignCenter, QString::number(aMonday.weekNumber()));
        }
    }
    thePainter->restore();
}
