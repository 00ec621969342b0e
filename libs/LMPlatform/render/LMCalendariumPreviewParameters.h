#pragma once

#include "LMCalendariumRange.h"
#include "LMPlatformExport.h"

#include <QFlags>
#include <QString>

class QDebug;

// What a calendar preview shows: the months, the colour schema (empty: the appearance's own) and
// the content configuration, a comma-separated list of the extras the grid shows ("weeknumbers",
// "holidays"; empty: the plain grid).
class LMPLATFORM_EXPORT LMCalendariumPreviewParameters
{
public:
    enum class Content { WeekNumbers = 0x1, Holidays = 0x2 };
    Q_DECLARE_FLAGS(Contents, Content)

    LMCalendariumPreviewParameters() = default;

    const LMCalendariumRange& range() const { return myRange; }
    void setRange(const LMCalendariumRange& theRange) { myRange = theRange; }
    const QString& colorSchema() const { return myColorSchema; }
    void setColorSchema(const QString& theSchema) { myColorSchema = theSchema; }
    const QString& contentConfiguration() const { return myContentConfiguration; }
    void setContentConfiguration(const QString& theConfiguration) { myContentConfiguration = theConfiguration; }

    // The extras named by the content configuration, words compared without case and blanks;
    // unknown words are left out with a debug message.
    Contents contents() const;

    friend bool operator==(const LMCalendariumPreviewParameters& theA, const LMCalendariumPreviewParameters& theB)
    {
        return theA.myRange == theB.myRange && theA.myColorSchema == theB.myColorSchema
            && theA.myContentConfiguration == theB.myContentConfiguration;
    }
    friend bool operator!=(const LMCalendariumPreviewParameters& theA, const LMCalendariumPreviewParameters& theB)
    {
        return !(theA == theB);
    }

private:
    LMCalendariumRange myRange;
    QString myColorSchema;
    QString myContentConfiguration;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(LMCalendariumPreviewParameters::Contents)

LMPLATFORM_EXPORT size_t qHash(const LMCalendariumPreviewParameters& theParameters, size_t theSeed = 0) noexcept;
LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMCalendariumPreviewParameters& theParameters);
