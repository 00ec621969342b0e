#include "LMCalendariumPreviewParameters.h"

#include "LMPlatformLogging.h"

#include <QDebug>
#include <QHashFunctions>

namespace {
const QString STR_WEEK_NUMBERS = QStringLiteral("weeknumbers");
const QString STR_HOLIDAYS = QStringLiteral("holidays");
} // namespace

LMCalendariumPreviewParameters::Contents LMCalendariumPreviewParameters::contents() const
{
    Contents aContents;
    for (const QStringView aWord : QStringView(myContentConfiguration).split(u',', Qt::SkipEmptyParts)) {
        const QStringView aTrimmed = aWord.trimmed();
        if (aTrimmed.compare(STR_WEEK_NUMBERS, Qt::CaseInsensitive) == 0)
            aContents |= Content::WeekNumbers;
        else if (aTrimmed.compare(STR_HOLIDAYS, Qt::CaseInsensitive) == 0)
            aContents |= Content::Holidays;
        else if (!aTrimmed.isEmpty())
            qCDebug(lcPlatformRender) << "calendar content: unknown word ignored:" << aTrimmed;
    }
    return aContents;
}

size_t qHash(const LMCalendariumPreviewParameters& theParameters, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theParameters.range(), theParameters.colorSchema(),
                      theParameters.contentConfiguration());
}

QDebug operator<<(QDebug theDebug, const LMCalendariumPreviewParameters& theParameters)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMCalendariumPreviewParameters(" << theParameters.range() << ", "
                       << theParameters.colorSchema() << ", " << theParameters.contentConfiguration() << ')';
    return theDebug;
}
