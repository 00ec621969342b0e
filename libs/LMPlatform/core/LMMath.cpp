#include "LMMath.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QString>

#include <QtMath>
#include <QTransform>

#include <charconv>
#include <cmath>

double LMMath::calcRotation(const QTransform& theTransform)
{
    double aDegrees = qRadiansToDegrees(std::atan2(theTransform.m12(), theTransform.m11()));
    const double aWhole = std::round(aDegrees);
    if (std::abs(aDegrees - aWhole) < 1e-9)
        aDegrees = aWhole;
    // atan2 gives -180 for a negative zero m12; the range is open at -180.
    if (aDegrees <= -180.0)
        aDegrees += 360.0;
    // No "-0" for an unrotated mirror image.
    return aDegrees == 0.0 ? 0.0 : aDegrees;
}

int LMMath::boundedInt(double theValue, int theMinimum, int theMaximum, int theFallback)
{
    return int(boundedInt64(theValue, theMinimum, theMaximum, theFallback));
}

qint64 LMMath::boundedInt64(double theValue, qint64 theMinimum, qint64 theMaximum, qint64 theFallback)
{
    Q_ASSERT_X(theMinimum <= theMaximum, "LMMath::boundedInt64", "an empty range");
    if (!std::isfinite(theValue))
        return theFallback;
    // Compared as doubles first: only a value inside the range is converted.
    const double aRounded = std::round(theValue);
    if (aRounded <= double(theMinimum))
        return theMinimum;
    if (aRounded >= double(theMaximum))
        return theMaximum;
    return qint64(aRounded);
}

int LMMath::randint(int theMinimum, int theMaximum)
{
    if (theMaximum <= theMinimum)
        return theMinimum;
    return int(QRandomGenerator::global()->bounded(qint64(theMinimum), qint64(theMaximum) + 1));
}

std::optional<double> LMMath::parseDouble(QStringView theText)
{
    QStringView aText = theText.trimmed();
    // A leading "+" is taken, as QString::toDouble takes it.
    if (!aText.isEmpty() && aText.front() == u'+' && (aText.size() == 1 || aText[1] != u'-'))
        aText = aText.sliced(1);
    // Numbers are short: longer texts are no number of any format.
    constexpr qsizetype MAXIMUM_LENGTH = 64;
    if (aText.isEmpty() || aText.size() > MAXIMUM_LENGTH)
        return std::nullopt;
    // The C locale only, read without QString::toDouble's per-character copy (area geometry is read
    // by the tens of thousands). "inf", "nan" and hexadecimal forms are no number of any format.
    char aBuffer[MAXIMUM_LENGTH];
    for (qsizetype i = 0; i < aText.size(); ++i) {
        const char16_t aChar = aText[i].unicode();
        if (aChar > 0x7f)
            return std::nullopt;
        aBuffer[i] = char(aChar);
    }
    const char* const anEnd = aBuffer + aText.size();
    double aValue = 0.0;
    const auto [aStop, anError] = std::from_chars(aBuffer, anEnd, aValue);
    if (anError != std::errc() || aStop != anEnd || !std::isfinite(aValue))
        return std::nullopt;
    return aValue;
}

QString LMMath::numberText(double theValue)
{
    if (theValue == 0.0)
        return QStringLiteral("0"); // also for -0.0
    return QString::number(theValue, 'g', QLocale::FloatingPointShortest);
}
