#pragma once

#include "LMPlatformExport.h"

#include <QList>

// A finite sequence of numbers with its plain statistics, such as the photo counts of the pages
// of a book.
class LMPLATFORM_EXPORT LMFiniteSequence
{
public:
    LMFiniteSequence() = default;

    void append(double theValue) { myValues.append(theValue); }
    int count() const { return int(myValues.size()); }
    bool isEmpty() const { return myValues.isEmpty(); }
    const QList<double>& values() const { return myValues; }

    // The arithmetic mean; 0 for an empty sequence.
    double mean() const;
    // The population standard deviation (divided by the count, not by count - 1), so that one
    // value deviates by 0; 0 for an empty sequence.
    double standardDeviation() const;

private:
    QList<double> myValues;
};
