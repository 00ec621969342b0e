#pragma once

#include <QtGlobal>

#include <type_traits>

// A closed range [min, max] of integers; valid when max >= min. [0, 0] also serves as "not set
// yet" for expandTo(), so that a range can be grown from nothing value by value.
template <typename T> class LMRange
{
    static_assert(std::is_integral_v<T>, "LMRange holds integers");

public:
    LMRange() = default;
    LMRange(T theMin, T theMax) : myMin(theMin), myMax(theMax) { }
    LMRange(const LMRange&) = default;
    LMRange& operator=(const LMRange&) = default;
    virtual ~LMRange() = default;

    T min() const { return myMin; }
    T max() const { return myMax; }
    void setMin(T theMin) { myMin = theMin; }
    void setMax(T theMax) { myMax = theMax; }

    bool isValid() const { return myMax >= myMin; }
    bool contains(T theValue) const { return myMin <= theValue && theValue <= myMax; }
    // Both bounds of the other lie inside. Only bounds are compared: an invalid range contains
    // nothing, but counts as contained (and intersecting) where its bounds lie inside.
    bool contains(const LMRange& theOther) const { return contains(theOther.myMin) && contains(theOther.myMax); }
    bool intersects(const LMRange& theOther) const
    {
        return contains(theOther.myMin) || contains(theOther.myMax) || theOther.contains(myMin)
            || theOther.contains(myMax);
    }
    // Truncated toward zero, computed wide so that large bounds do not overflow.
    T center() const { return static_cast<T>((static_cast<qint64>(myMin) + myMax) / 2); }

    // Grows the range to hold the value; an unset range [0, 0] becomes [value, value].
    void expandTo(T theValue)
    {
        if (myMin == 0 && myMax == 0) {
            myMin = myMax = theValue;
            return;
        }
        if (theValue > myMax)
            myMax = theValue;
        if (theValue < myMin)
            myMin = theValue;
    }

    bool operator==(const LMRange& theOther) const = default;
    // By min, then by max; invalid ranges come before all valid ones, so sorting gathers them at the
    // front. This keeps a strict total order that agrees with ==.
    bool operator<(const LMRange& theOther) const
    {
        if (isValid() != theOther.isValid())
            return !isValid();
        return myMin != theOther.myMin ? myMin < theOther.myMin : myMax < theOther.myMax;
    }

protected:
    T myMin = 0;
    T myMax = 0;
};
