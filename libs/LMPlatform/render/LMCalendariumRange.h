#pragma once

#include "LMPlatformExport.h"

#include <QDate>

class QDebug;

// A run of whole months that a calendar shows, from its first month on. Dates are kept on the
// first day of their month, so that ranges compare by months alone.
class LMPLATFORM_EXPORT LMCalendariumRange
{
public:
    // Twelve months from January of the current year.
    LMCalendariumRange();
    // The day is set to 1 and the count to at least 1; an invalid month warns and gives January
    // of the current year.
    LMCalendariumRange(const QDate& theFirstMonth, int theMonthCount);

    QDate firstMonth() const { return myFirstMonth; }
    int monthCount() const { return myMonthCount; }
    QDate lastMonth() const { return myFirstMonth.addMonths(myMonthCount - 1); }

    // Both ends moved by whole months, backwards for a negative count.
    LMCalendariumRange shifted(int theMonths) const;
    // The day lies in one of the months; false for an invalid date.
    bool contains(const QDate& theDate) const;

    friend bool operator==(const LMCalendariumRange& theA, const LMCalendariumRange& theB)
    {
        return theA.myFirstMonth == theB.myFirstMonth && theA.myMonthCount == theB.myMonthCount;
    }
    friend bool operator!=(const LMCalendariumRange& theA, const LMCalendariumRange& theB) { return !(theA == theB); }

private:
    QDate myFirstMonth;
    int myMonthCount = 12;
};

LMPLATFORM_EXPORT size_t qHash(const LMCalendariumRange& theRange, size_t theSeed = 0) noexcept;
LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMCalendariumRange& theRange);
