#pragma once

#include "LMPlatformExport.h"

#include <QColor>
#include <QString>

// The colours a calendar is drawn in, by schema name: "classic" (black, red Sundays), "blue",
// "grey", and "white" for dark photos. Calendars have no background of their own.
class LMPLATFORM_EXPORT LMCalendariumColorSchema
{
public:
    // The schema of the name, without case and blanks; an unknown or empty name is "classic".
    static LMCalendariumColorSchema named(const QString& theName);

    // The name in the table ("classic" for names not in it).
    const QString& name() const { return myName; }
    // Days, weekday names and the heading.
    QColor textColor() const { return myText; }
    // Sundays and holidays.
    QColor accentColor() const { return myAccent; }
    // Week numbers.
    QColor mutedColor() const { return myMuted; }

private:
    LMCalendariumColorSchema(const QString& theName, QColor theText, QColor theAccent, QColor theMuted);

    QString myName;
    QColor myText;
    QColor myAccent;
    QColor myMuted;
};
