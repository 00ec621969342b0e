#include "LMCalendariumRenderer.h"

#include "LMPlatformLogging.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {
const QString STR_DEFAULT_LANGUAGE = QStringLiteral("de");

// Beyond this a glyph is larger than any printed calendar needs, and pixel sizes stay ints.
constexpr qreal ourMaximumPixelSize = 8192;

// Easter Sunday of the Gregorian calendar (the anonymous Gregorian algorithm).
QDate easterSunday(int theYear)
{
    const int aA = theYear % 19;
    const int aB = theYear / 100;
    const int aC = theYear % 100;
    const int aD = aB / 4;
    const int aE = aB % 4;
    const int aF = (aB + 8) / 25;
    const int aG = (aB - aF + 1) / 3;
    const int aH = (19 * aA + aB - aD - aG + 15) % 30;
    const int anI = aC / 4;
    const int aK = aC % 4;
    const int aL = (32 + 2 * aE + 2 * anI - aH - aK) % 7;
    const int aM = (aA + 11 * aH + 22 * aL) / 451;
    const int aMonth = (aH + aL - 7 * aM + 114) / 31;
    const int aDay = (aH + aL - 7 * aM + 114) % 31 + 1;
    return QDate(theYear, aMonth, aDay);
}
} // namespace

LMCalendariumRenderer::LMCalendariumRenderer(const LMCalendariumAppearance& theAppearance,
                                             const LMCalendariumPreviewParameters& theParameters)
    : myAppearance(theAppearance), myParameters(theParameters),
      myColorSchema(LMCalendariumColorSchema::named(
          theParameters.colorSchema().isEmpty() ? theAppearance.colorSchema() : theParameters.colorSchema())),
      myLocale(theAppearance.language().trimmed().isEmpty() ? STR_DEFAULT_LANGUAGE
                                                            : theAppearance.language().trimmed()),
      myContents(theParameters.contents())
{
}

LMCalendariumRenderer::~LMCalendariumRenderer() = default;

QDate LMCalendariumRenderer::shownMonth() const
{
    return myParameters.range().firstMonth().addMonths(myAppearance.monthOffset());
}

bool LMCalendariumRenderer::isNationalHoliday(const QDate& theDate)
{
    if (!theDate.isValid())
        return false;
    const int aMonth = theDate.month();
    const int aDay = theDate.day();
    if ((aMonth == 1 && aDay == 1) || (aMonth == 5 && aDay == 1) || (aMonth == 10 && aDay == 3)
        || (aMonth == 12 && (aDay == 25 || aDay == 26)))
        return true;
    // Good Friday, Easter Monday, Ascension, Whit Monday.
    const qint64 aFromEaster = easterSunday(theDate.year()).daysTo(theDate);
    return aFromEaster == -2 || aFromEaster == 1 || aFromEaster == 39 || aFromEaster == 50;
}

bool LMCalendariumRenderer::isAccentDay(const QDate& theDate) const
{
    return theDate.dayOfWeek() == Qt::Sunday
        || (myContents.testFlag(LMCalendariumPreviewParameters::Content::Holidays) && isNationalHoliday(theDate));
}

bool LMCalendariumRenderer::beginRender(QPainter* thePainter, const QRectF& theTarget)
{
    if (thePainter == nullptr || !thePainter->isActive()) {
        qCWarning(lcPlatformRender) << "calendar: no active painter to draw with";
        return false;
    }
    // A target with an infinite or undefined side has no pixels to give to a calendar either.
    if (theTarget.isEmpty() || !std::isfinite(theTarget.width()) || !std::isfinite(theTarget.height())
        || !std::isfinite(theTarget.x()) || !std::isfinite(theTarget.y()))
        return false;
    thePainter->save();
    thePainter->setClipRect(theTarget, Qt::IntersectClip);
    thePainter->setRenderHint(QPainter::Antialiasing);
    thePainter->setRenderHint(QPainter::TextAntialiasing);
    return true;
}

QFont LMCalendariumRenderer::fittedFont(qreal thePixelSize, const QStringList& theTexts, qreal theMaximumWidth,
                                        bool theBold)
{
    QFont aFont(QStringLiteral("Sans Serif"));
    aFont.setStyleHint(QFont::SansSerif);
    aFont.setBold(theBold);
    qreal aSize = qBound<qreal>(1, thePixelSize, ourMaximumPixelSize);
    aFont.setPixelSize(qRound(aSize));
    const QFontMetricsF aMetrics(aFont);
    qreal aWidest = 0;
    for (const QString& aText : theTexts)
        aWidest = qMax(aWidest, aMetrics.horizontalAdvance(aText));
    if (aWidest > theMaximumWidth && aWidest > 0) {
        aSize = qMax<qreal>(1, aSize * theMaximumWidth / aWidest);
        aFont.setPixelSize(qMax(1, int(aSize)));
    }
    return aFont;
}

QString LMCalendariumRenderer::heading(const QDate& theMonth) const
{
    return myLocale.standaloneMonthName(theMonth.month(), QLocale::LongFormat) + QLatin1Char(' ')
        + QString::number(theMonth.year());
}
