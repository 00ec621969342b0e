#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <type_traits>

// The two-way table of one enumeration: lower-cased words to values for reading files, values to
// their canonical word for writing them. Filled once by the enumeration's wrapper, read-only after.
template <typename E> class LMEnumToStringTable
{
    static_assert(std::is_enum_v<E>, "LMEnumToStringTable needs an enumeration");

public:
    using Int = std::underlying_type_t<E>;
    static_assert(std::is_signed_v<Int>, "enumerations carried by LMEnumWrapper are signed");

    // A later insertion of the same word replaces its value; the first word inserted for a value
    // stays that value's canonical text, in the case it was inserted.
    void insert(const QString& theString, Int theValue)
    {
        myStringToValue.insert(theString.toLower(), theValue);
        if (!myValueToString.contains(theValue))
            myValueToString.insert(theValue, theString);
    }
    void insert(const QString& theString, E theValue) { insert(theString, static_cast<Int>(theValue)); }

    void setDefaultValue(Int theValue) { myDefaultValue = theValue; }
    void setDefaultValue(E theValue) { myDefaultValue = static_cast<Int>(theValue); }
    Int defaultValue() const { return myDefaultValue; }

    void setFallbackString(const QString& theString) { myFallbackString = theString; }
    const QString& fallbackString() const { return myFallbackString; }

    bool containsString(const QString& theString) const { return myStringToValue.contains(theString.toLower()); }
    // The value of one word (case-insensitive, not trimmed); nothing for an unknown word.
    std::optional<Int> find(const QString& theString) const
    {
        const auto aFound = myStringToValue.constFind(theString.toLower());
        return aFound != myStringToValue.cend() ? std::optional<Int>(*aFound) : std::nullopt;
    }
    bool containsValue(Int theValue) const { return myValueToString.contains(theValue); }

    // Every comma-separated word is looked up on its own (trimmed, case-insensitive) and OR-ed in;
    // an unknown or empty word contributes the default value, so an empty text decodes to it.
    Int decodeCSV(const QString& theText) const
    {
        // Most texts are one word: no list is split off.
        if (!theText.contains(QLatin1Char(','))) {
            const auto aFound = myStringToValue.constFind(theText.trimmed().toLower());
            return aFound != myStringToValue.cend() ? *aFound : myDefaultValue;
        }
        Int aResult = 0;
        for (const QString& aPiece : theText.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
            const auto aFound = myStringToValue.constFind(aPiece.trimmed().toLower());
            aResult |= aFound != myStringToValue.cend() ? *aFound : myDefaultValue;
        }
        return aResult;
    }

    // The canonical text of exactly this value, or the fallback string.
    QString encode(Int theValue) const { return myValueToString.value(theValue, myFallbackString); }

    // The canonical texts of the single bits of the value, lowest bit first.
    QStringList encodeAsList(Int theValue) const
    {
        QStringList aList;
        if (theValue < 1)
            return aList;
        using UInt = std::make_unsigned_t<Int>;
        const auto aBits = static_cast<UInt>(theValue);
        for (unsigned aBit = 0; aBit < sizeof(Int) * 8; ++aBit) {
            const UInt aMask = UInt(1) << aBit;
            if (aBits & aMask)
                aList.append(encode(static_cast<Int>(aMask)));
        }
        return aList;
    }

    QString encodeCSV(Int theValue) const
    {
        const QStringList aList = encodeAsList(theValue);
        return aList.isEmpty() ? myFallbackString : aList.join(QLatin1String(", "));
    }

    // All words in no particular order; for diagnostics and completion lists.
    QStringList strings() const { return myStringToValue.keys(); }

private:
    QHash<QString, Int> myStringToValue;
    QHash<Int, QString> myValueToString;
    QString myFallbackString;
    Int myDefaultValue = 0;
};
