#pragma once

#include "LMPlatformExport.h"

#include <QDebug>
#include <QString>

// An amount of money in cents with its currency, or no price at all (the default). Amounts add
// up; an amount without price adds nothing.
class LMPLATFORM_EXPORT LMMoney
{
public:
    LMMoney() = default;
    explicit LMMoney(qint64 theCents, const QString& theCurrency = defaultCurrency());

    static LMMoney zero(const QString& theCurrency = defaultCurrency());
    // A decimal text with a point or a comma and at most two decimals ("12.99", "7", "0,5");
    // no price when the text is anything else.
    static LMMoney fromText(const QString& theText, const QString& theCurrency = defaultCurrency());
    static QString defaultCurrency();

    // True when an amount is known, zero included.
    bool isValid() const { return myValid; }
    // True when an amount is known and is not zero: something the user pays for.
    bool hasPrice() const { return myValid && myCents != 0; }
    qint64 cents() const { return myCents; }
    const QString& currency() const { return myCurrency; }

    // The amount as the user reads it, German style ("1.299,00 €", a non-breaking space before the
    // currency symbol); empty without price. theOmitZeroCents writes "12 €" for 12,00;
    // theWithPlusSign puts "+" before amounts above zero.
    QString fullText(bool theWithCurrency = true, bool theOmitZeroCents = false, bool theWithPlusSign = false) const;

    // Sums take the currency of the amounts that are not zero; non-zero amounts of different
    // currencies must not be added.
    LMMoney operator+(const LMMoney& theOther) const;
    LMMoney& operator+=(const LMMoney& theOther);

    friend bool operator==(const LMMoney& theA, const LMMoney& theB)
    {
        return theA.myValid == theB.myValid
            && (!theA.myValid || (theA.myCents == theB.myCents && theA.myCurrency == theB.myCurrency));
    }
    friend bool operator!=(const LMMoney& theA, const LMMoney& theB) { return !(theA == theB); }
    // Orders by amount; an amount without price comes first.
    friend bool operator<(const LMMoney& theA, const LMMoney& theB)
    {
        if (theA.myValid != theB.myValid)
            return !theA.myValid;
        return theA.myCents < theB.myCents;
    }

private:
    qint64 myCents = 0;
    QString myCurrency;
    bool myValid = false;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMMoney& theMoney);
