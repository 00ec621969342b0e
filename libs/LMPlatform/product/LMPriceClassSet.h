#pragma once

#include "LMPlatformExport.h"
#include "LMPriceClass.h"

#include <QList>
#include <QSet>
#include <QStringList>

// A set of price classes.
class LMPLATFORM_EXPORT LMPriceClassSet : public QSet<LMPriceClass>
{
public:
    LMPriceClassSet() = default;
    LMPriceClassSet(std::initializer_list<LMPriceClass> theClasses) : QSet<LMPriceClass>(theClasses) { }
    LMPriceClassSet(const QSet<LMPriceClass>& theSet) : QSet<LMPriceClass>(theSet) { }

    // The classes in ascending order of their codes.
    QList<LMPriceClass> sorted() const;
    QStringList toStringList() const;
    // True when the set holds a class that is not free.
    bool containsPricedClass() const;
};
