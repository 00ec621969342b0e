#include "LMMoney.h"

#include <QRegularExpression>

namespace {
const QString STR_EUR = QStringLiteral("EUR");

QString currencySymbol(const QString& theCurrency)
{
    if (theCurrency == STR_EUR)
        return QStringLiteral("€");
    if (theCurrency == QLatin1String("GBP"))
        return QStringLiteral("£");
    if (theCurrency == QLatin1String("USD"))
        return QStringLiteral("$");
    return theCurrency;
}

// Groups of three digits separated by points, as German texts write them.
QString groupedDigits(qint64 theValue)
{
    const QString aDigits = QString::number(theValue);
    QString aResult;
    for (qsizetype anIndex = 0; anIndex < aDigits.size(); ++anIndex) {
        if (anIndex > 0 && (aDigits.size() - anIndex) % 3 == 0)
            aResult.append(QLatin1Char('.'));
        aResult.append(aDigits.at(anIndex));
    }
    return aResult;
}
} // namespace

LMMoney::LMMoney(qint64 theCents, const QString& theCurrency)
    : myCents(theCents), myCurrency(theCurrency), myValid(true)
{
}

LMMoney LMMoney::zero(const QString& theCurrency)
{
    return LMMoney(0, theCurrency);
}

QString LMMoney::defaultCurrency()
{
    return STR_EUR;
}

LMMoney LMMoney::fromText(const QString& theText, const QString& theCurrency)
{
    static const QRegularExpression ourAmount(QStringLiteral("^(-?)(\\d{1,15})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch aMatch = ourAmount.match(theText.trimmed());
    if (!aMatch.hasMatch())
        return LMMoney();
    QString aFraction = aMatch.captured(3);
    while (aFraction.size() < 2)
        aFraction.append(QLatin1Char('0'));
    const qint64 aCents = aMatch.captured(2).toLongLong() * 100 + aFraction.toLongLong();
    return LMMoney(aMatch.captured(1).isEmpty() ? aCents : -aCents, theCurrency);
}

QString LMMoney::fullText(bool theWithCurrency, bool theOmitZeroCents, bool theWithPlusSign) const
{
    if (!myValid)
        return QString();
    const qint64 anAbsolute = myCents < 0 ? -myCents : myCents;
    QString aText = groupedDigits(anAbsolute / 100);
    if (!(theOmitZeroCents && anAbsolute % 100 == 0))
        aText += QLatin1Char(',') + QString::number(anAbsolute % 100).rightJustified(2, QLatin1Char('0'));
    if (myCents < 0)
        aText.prepend(QLatin1Char('-'));
    else if (theWithPlusSign && myCents > 0)
        aText.prepend(QLatin1Char('+'));
    if (theWithCurrency)
        aText += QChar(0x00A0) + currencySymbol(myCurrency);
    return aText;
}

LMMoney LMMoney::operator+(const LMMoney& theOther) const
{
    LMMoney aSum = *this;
    aSum += theOther;
    return aSum;
}

LMMoney& LMMoney::operator+=(const LMMoney& theOther)
{
    if (!theOther.myValid)
        return *this;
    // Zero belongs to every currency, so sums may start from LMMoney::zero().
    if (!myValid || (myCents == 0 && theOther.myCents != 0)) {
        const qint64 aCents = myCents;
        *this = theOther;
        myCents += aCents;
        return *this;
    }
    Q_ASSERT_X(theOther.myCents == 0 || myCurrency == theOther.myCurrency,
               "LMMoney::operator+=", "amounts of different currencies");
    myCents += theOther.myCents;
    return *this;
}

QDebug operator<<(QDebug theDebug, const LMMoney& theMoney)
{
    const QDebugStateSaver aSaver(theDebug);
    if (theMoney.isValid())
        theDebug.nospace() << "LMMoney(" << theMoney.cents() << ' ' << theMoney.currency() << ')';
    else
        theDebug.nospace() << "LMMoney(no price)";
    return theDebug;
}
