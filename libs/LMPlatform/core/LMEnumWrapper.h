#pragma once

#include "LMEnumToStringTable.h"

#include <QDebug>
#include <QHashFunctions>
#include <QMutex>

#include <atomic>

// A value of one enumeration, held as a bit set of the enumeration's width, with the operations
// every enumeration of the content files needs. A concrete wrapper (one per enumeration) adds
// constructors and fills the enumeration's table by overriding fillTable().
//
// Every concrete wrapper declares its table with LM_DECLARE_ENUM_TABLE in its header and defines
// it with LM_DEFINE_ENUM_TABLE in its source file, so that each table exists once per process even
// though the libraries hide their symbols.
template <typename E>
class LMEnumWrapper
{
public:
    using Enum = E;
    using Int = std::underlying_type_t<E>;
    using Table = LMEnumToStringTable<E>;

    LMEnumWrapper() = default;
    LMEnumWrapper(E theValue) : myValue(static_cast<Int>(theValue)) {}
    LMEnumWrapper(const LMEnumWrapper&) = default;
    LMEnumWrapper& operator=(const LMEnumWrapper&) = default;
    virtual ~LMEnumWrapper() = default;

    static LMEnumWrapper fromInt(Int theValue)
    {
        LMEnumWrapper aWrapper;
        aWrapper.myValue = theValue;
        return aWrapper;
    }

    virtual bool operator<(const LMEnumWrapper& theOther) const { return myValue < theOther.myValue; }
    virtual bool operator<=(const LMEnumWrapper& theOther) const { return myValue <= theOther.myValue; }
    virtual bool operator>(const LMEnumWrapper& theOther) const { return myValue > theOther.myValue; }
    virtual bool operator==(const LMEnumWrapper& theOther) const { return myValue == theOther.myValue; }
    virtual bool operator==(E theValue) const { return myValue == static_cast<Int>(theValue); }
    virtual bool operator!=(const LMEnumWrapper& theOther) const { return myValue != theOther.myValue; }
    virtual bool operator!=(E theValue) const { return myValue != static_cast<Int>(theValue); }
    virtual LMEnumWrapper& operator|=(const LMEnumWrapper& theOther)
    {
        myValue |= theOther.myValue;
        return *this;
    }
    virtual LMEnumWrapper& operator|=(E theValue)
    {
        myValue |= static_cast<Int>(theValue);
        return *this;
    }
    virtual LMEnumWrapper& operator&=(const LMEnumWrapper& theOther)
    {
        myValue &= theOther.myValue;
        return *this;
    }
    virtual LMEnumWrapper& operator&=(E theValue)
    {
        myValue &= static_cast<Int>(theValue);
        return *this;
    }
    virtual LMEnumWrapper operator&(const LMEnumWrapper& theOther) const { return fromInt(myValue & theOther.myValue); }
    virtual LMEnumWrapper operator|(const LMEnumWrapper& theOther) const { return fromInt(myValue | theOther.myValue); }
    virtual void exclude(const LMEnumWrapper& theOther) { myValue &= ~theOther.myValue; }
    virtual void exclude(E theValue) { myValue &= ~static_cast<Int>(theValue); }
    virtual void expandTo(const LMEnumWrapper& theOther) { expandTo(static_cast<E>(theOther.myValue)); }
    virtual void expandTo(E theValue) { myValue |= static_cast<Int>(theValue); }
    virtual void reduceTo(E theMask) { myValue &= static_cast<Int>(theMask); }
    virtual Int reducedTo(E theMask) const { return myValue & static_cast<Int>(theMask); }
    virtual bool isValid() const { return myValue != 0; }
    // Fills the enumeration's table; the one operation each concrete wrapper overrides.
    virtual void fillTable(Table* theTable) const { Q_UNUSED(theTable); }

    Int value() const { return myValue; }
    E toEnum() const { return static_cast<E>(myValue); }
    // True when every bit of the given value is set (a zero value tests for a zero wrapper).
    bool testFlag(E theFlag) const
    {
        const Int aFlag = static_cast<Int>(theFlag);
        return aFlag == 0 ? myValue == 0 : (myValue & aFlag) == aFlag;
    }
    bool intersects(const LMEnumWrapper& theOther) const { return (myValue & theOther.myValue) != 0; }

    // The table of E, created and filled on first use; defined once per enumeration.
    static const Table& enumToStringTable();

    // The canonical text of exactly this value, or the table's fallback text.
    QString encode() const { return enumToStringTable().encode(myValue); }
    // The texts of the single bits, lowest first, joined by ", ".
    QString encodeCSV() const { return enumToStringTable().encodeCSV(myValue); }
    QStringList encodeAsList() const { return enumToStringTable().encodeAsList(myValue); }

    static Int decodeCSV(const QString& theText) { return enumToStringTable().decodeCSV(theText); }

protected:
    Int myValue = 0;
};

template <typename E>
size_t qHash(const LMEnumWrapper<E>& theWrapper, size_t theSeed = 0) noexcept
{
    return qHash(theWrapper.value(), theSeed);
}

template <typename E>
QDebug operator<<(QDebug theDebug, const LMEnumWrapper<E>& theWrapper)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << theWrapper.value() << " (" << theWrapper.encodeCSV() << ')';
    return theDebug;
}

// Creates the table of the wrapper's enumeration once, under the enumeration's own mutex, and
// hands it out read-only afterwards. Instantiated only by LM_DEFINE_ENUM_TABLE.
template <typename Wrapper>
const LMEnumToStringTable<typename Wrapper::Enum>& lmEnumTableOnce()
{
    using Table = LMEnumToStringTable<typename Wrapper::Enum>;
    static std::atomic<Table*> ourTable{nullptr};
    if (Table* aTable = ourTable.load(std::memory_order_acquire))
        return *aTable;
    static QMutex ourMutex;
    const QMutexLocker aLocker(&ourMutex);
    Table* aTable = ourTable.load(std::memory_order_relaxed);
    if (!aTable) {
        aTable = new Table; // lives until the process ends, like the enumeration it describes
        Wrapper().fillTable(aTable);
        ourTable.store(aTable, std::memory_order_release);
    }
    return *aTable;
}

// In the wrapper's header, before the wrapper class: declares the one table of the enumeration.
#define LM_DECLARE_ENUM_TABLE(EXPORT, ENUM)                                                                \
    template <>                                                                                            \
    EXPORT const LMEnumToStringTable<ENUM>& LMEnumWrapper<ENUM>::enumToStringTable();

// In the wrapper's source file: defines the table, filled by the wrapper class.
#define LM_DEFINE_ENUM_TABLE(WRAPPER)                                                                      \
    template <>                                                                                            \
    const LMEnumToStringTable<WRAPPER::Enum>& LMEnumWrapper<WRAPPER::Enum>::enumToStringTable()            \
    {                                                                                                      \
        return lmEnumTableOnce<WRAPPER>();                                                                 \
    }
