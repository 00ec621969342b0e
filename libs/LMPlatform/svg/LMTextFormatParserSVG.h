#pragma once

#include "LMPlatformExport.h"
#include "LMTextFormatChange.h"

#include <QString>

class QDomElement;

// Reads the text properties of CSS (style sheets, "style" attributes, SVG presentation attributes)
// into a text format change: font family, size, weight and style, fill colour, alignment,
// letter spacing and line height. Other properties are ignored.
class LMPLATFORM_EXPORT LMTextFormatParserSVG
{
public:
    // A declaration list ("font-size: 12pt; fill: red") or a whole sheet; in a sheet the
    // declarations of every rule count in order, whatever their selectors, a later one winning.
    // Lengths without a unit or in "px" are SVG user units at the given DPI; "pt", "mm", "cm",
    // "in" and "pc" are absolute. Malformed values are skipped (logged at debug level).
    static LMTextFormatChange parseCSS(const QString& theCssText, double theDpi);

    // One property and its value, as a presentation attribute gives them; an empty change for
    // an unknown property or a malformed value.
    static LMTextFormatChange parseProperty(const QString& theName, const QString& theValue, double theDpi);

    // The names of the presentation attributes the parser reads, lower case.
    static const QStringList& propertyNames();

    // The format of an SVG text element: its presentation attributes and "style" attribute and
    // those of its ancestors, the nearest element winning and, on one element, the style over the
    // attributes. Lengths without a unit are SVG user units at the given DPI.
    static LMTextFormatChange elementFormat(const QDomElement& theElement, double theDpi);
};
