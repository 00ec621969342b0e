#pragma once

#include "LMDistance.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QString>

class QDomElement;

// Text forms shared by the writers of design style files, in the forms the style schema names.
class LMTEMPLATES_EXPORT LMDesignStyleXml
{
public:
    // "#rrggbb", followed by "," and two hexadecimal digits of alpha when the colour is not
    // opaque; empty for an invalid colour.
    static QString colorText(const QColor& theColor);
    // Sets the colour attribute; an invalid colour writes none.
    static void addColor(QDomElement& theElement, const QString& theName, const QColor& theColor);
    // A decimal number without exponent, to twelve significant digits.
    static QString decimalText(double theValue);
    // The length in millimetres, whether it is held in millimetres or in document units (ten per
    // millimetre), as decimalText.
    static QString millimetres(const LMDistance& theDistance);
    // "true" or "false".
    static QString boolText(bool theValue);
    // The word of an enumeration value, or the words of its bits when it has none of its own
    // (they OR back to the value).
    template <typename Wrapper> static QString wordsOf(const Wrapper& theValue)
    {
        const auto& aTable = Wrapper::enumToStringTable();
        return aTable.containsValue(theValue.value()) ? aTable.encode(theValue.value())
                                                      : aTable.encodeCSV(theValue.value());
    }
};
