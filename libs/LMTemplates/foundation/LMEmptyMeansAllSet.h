#pragma once

#include <QList>
#include <QSet>

// A set in which the empty set stands for all values: a restriction that names nothing restricts
// nothing. Constructed empty, that is, holding everything.
template <typename T> class LMEmptyMeansAllSet
{
public:
    LMEmptyMeansAllSet() = default;
    explicit LMEmptyMeansAllSet(const QSet<T>& theValues) : myValues(theValues) { }

    bool isAll() const { return myValues.isEmpty(); }
    bool contains(const T& theValue) const { return myValues.isEmpty() || myValues.contains(theValue); }

    void insert(const T& theValue) { myValues.insert(theValue); }
    // Removing the last named value makes the set stand for all values again.
    bool remove(const T& theValue) { return myValues.remove(theValue); }
    void clear() { myValues.clear(); }
    // The named values, in no particular order; empty for "all".
    QList<T> values() const { return myValues.values(); }

    bool operator==(const LMEmptyMeansAllSet& theOther) const = default;

private:
    QSet<T> myValues;
};
