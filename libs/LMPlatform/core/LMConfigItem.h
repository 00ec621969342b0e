#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

// One entry of the settings store: the current value, the default, the key it is stored under,
// and whether the current value came from (or went to) the store.
template <typename T>
class LMConfigItem
{
public:
    LMConfigItem(const QString& theKey, const T& theDefault)
        : myValue(theDefault)
        , myDefault(theDefault)
        , myKey(theKey)
    {
    }

    const T& value() const { return myValue; }
    void setValue(const T& theValue) { myValue = theValue; }
    const T& defaultValue() const { return myDefault; }
    void reset() { myValue = myDefault; }
    const QString& key() const { return myKey; }

    bool isStored() const { return myStored; }
    void setStored(bool theStored) { myStored = theStored; }

private:
    T myValue;
    T myDefault;
    QString myKey;
    bool myStored = false;
};

// How a value of the store is written and read back. Colours are kept as "#AARRGGBB" text, so the
// store stays a readable text file.
template <typename T>
QVariant lmToStoredValue(const T& theValue)
{
    return QVariant::fromValue(theValue);
}

template <typename T>
bool lmFromStoredValue(const QVariant& theStored, T* theValue)
{
    if (!theStored.isValid() || !theStored.canConvert<T>())
        return false;
    *theValue = theStored.value<T>();
    return true;
}

template <>
inline QVariant lmToStoredValue<QColor>(const QColor& theValue)
{
    return theValue.isValid() ? theValue.name(QColor::HexArgb) : QString();
}

template <>
inline bool lmFromStoredValue<QColor>(const QVariant& theStored, QColor* theValue)
{
    const QColor aColor = QColor::fromString(theStored.toString());
    if (!aColor.isValid())
        return false;
    *theValue = aColor;
    return true;
}
