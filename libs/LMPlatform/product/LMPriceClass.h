#pragma once

#include "LMPlatformExport.h"

#include <QDebug>
#include <QHashFunctions>
#include <QString>

// The price class of a design: a short code ("01", "02", ...) that the product catalogue maps, per
// article, to the add-on article the user pays for. Numeric codes are written with at least two
// digits; classes "00" and "01" cost nothing.
class LMPLATFORM_EXPORT LMPriceClass
{
public:
    LMPriceClass() = default;

    // The class of a code: blanks around it are dropped, a numeric code is written with at least
    // two digits ("2" gives "02"), any other code is lower-cased. An empty code gives the invalid
    // class.
    static LMPriceClass create(const QString& theText);

    bool isValid() const { return !myCode.isEmpty(); }
    // True for the invalid class and for the numeric classes 0 and 1.
    bool isFree() const;
    const QString& toString() const { return myCode; }

    friend bool operator==(const LMPriceClass& theA, const LMPriceClass& theB) { return theA.myCode == theB.myCode; }
    friend bool operator!=(const LMPriceClass& theA, const LMPriceClass& theB) { return theA.myCode != theB.myCode; }
    friend bool operator<(const LMPriceClass& theA, const LMPriceClass& theB) { return theA.myCode < theB.myCode; }

private:
    explicit LMPriceClass(const QString& theCode) : myCode(theCode) { }

    QString myCode;
};

inline size_t qHash(const LMPriceClass& thePriceClass, size_t theSeed = 0) noexcept
{
    return qHash(thePriceClass.toString(), theSeed);
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMPriceClass& thePriceClass);
