#include "LMCalendariumRange.h"

#include "LMPlatformLogging.h"

#include <QDebug>
#include <QHashFunctions>

namespace {
QDate firstOfThisYear()
{
    return QDate(QDate::currentDate().year(), 1, 1);
}
} // namespace

LMCalendariumRange::LMCalendariumRange() : myFirstMonth(firstOfThisYear()) { }

LMCalendariumRange::LMCalendariumRange(const QDate& theFirstMonth, int theMonthCount)
    : myFirstMonth(theFirstMonth.isValid() ? QDate(theFirstMonth.year(), theFirstMonth.month(), 1) : firstOfThisYear()),
      myMonthCount(qMax(1, theMonthCount))
{
    if (!theFirstMonth.isValid())
        qCWarning(lcPlatformRender) << "calendar range: invalid first month, January of this year taken";
    if (theMonthCount < 1)
        qCWarning(lcPlatformRender).noquote()
            << QStringLiteral("calendar range: %1 months, one month taken").arg(theMonthCount);
}

LMCalendariumRange LMCalendariumRange::shifted(int theMonths) const
{
    LMCalendariumRange aRange = *this;
    aRange.myFirstMonth = myFirstMonth.addMonths(theMonths);
    return aRange;
}

bool LMCalendariumRange::contains(const QDate& theDate) const
{
    return theDate.isValid() && theDate >= myFirstMonth && theDate < myFirstMonth.addMonths(myMonthCount);
}

size_t qHash(const LMCalendariumRange& theRange, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theRange.firstMonth().toJulianDay(), theRange.monthCount());
}

QDebug operator<<(QDebug theDebug, const LMCalendariumRange& theRange)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMCalendariumRange(" << theRange.firstMonth().toString(Qt::ISODate) << ", "
                       << theRange.monthCount() << " months)";
    return theDebug;
}
