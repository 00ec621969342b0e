#pragma once

#include "LMDistance.h"
#include "LMPlatformExport.h"

#include <QColor>
#include <QDomElement>
#include <QString>

class LMXMLElement;

// Typed attribute access for the XML forms of the model value types. A missing attribute gives
// the default silently; a malformed one gives the default and a warning naming element and
// attribute, so that a broken file still loads.
class LMPLATFORM_EXPORT LMModelXml
{
public:
    static double doubleAttribute(const LMXMLElement& theElement, const QString& theName, double theDefault);
    static int intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault);
    // "true", "yes", "1", "false", "no", "0", in any letter case.
    static bool boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault);
    // "#rrggbb" or "#aarrggbb"; a missing attribute gives the default (an invalid colour unless told).
    static QColor colorAttribute(const LMXMLElement& theElement, const QString& theName,
                                 const QColor& theDefault = QColor());
    // A distance in its text form ("12.5", "4mm", "0.02rel").
    static LMDistance distanceAttribute(const LMXMLElement& theElement, const QString& theName,
                                        const LMDistance& theDefault = LMDistance());

    // The shortest text that reads back as the same double.
    static QString doubleText(double theValue);
    static QString boolText(bool theValue) { return theValue ? QStringLiteral("1") : QStringLiteral("0"); }
    // "#rrggbb" for an opaque colour, "#aarrggbb" otherwise; empty for an invalid colour.
    static QString colorText(const QColor& theColor);

    // Parses a finite decimal number; false for empty, malformed, infinite or NaN texts.
    static bool parseDouble(const QString& theText, double* theValue);

    // The first child element of that name, or a new one appended to the element.
    static QDomElement ensureChild(QDomElement& theElement, const QString& theTagName);

    // Logs the warning for a malformed attribute value.
    static void warnMalformed(const LMXMLElement& theElement, const QString& theName, const QString& theExpected);
};
