#include "LMPriceClass.h"

#include <QRegularExpression>

LMPriceClass LMPriceClass::create(const QString& theText)
{
    static const QRegularExpression ourDigits(QStringLiteral("^\\d{1,9}$"));
    const QString aCode = theText.trimmed();
    if (aCode.isEmpty())
        return LMPriceClass();
    if (ourDigits.match(aCode).hasMatch())
        return LMPriceClass(QString::number(aCode.toInt()).rightJustified(2, QLatin1Char('0')));
    return LMPriceClass(aCode.toLower());
}

bool LMPriceClass::isFree() const
{
    if (myCode.isEmpty())
        return true;
    bool aNumeric = false;
    const int aNumber = myCode.toInt(&aNumeric);
    return aNumeric && aNumber <= 1;
}

QDebug operator<<(QDebug theDebug, const LMPriceClass& thePriceClass)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMPriceClass(" << thePriceClass.toString() << ')';
    return theDebug;
}
