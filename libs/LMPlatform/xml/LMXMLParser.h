#pragma once

#include "LMAngle.h"
#include "LMDistance.h"
#include "LMMath.h"
#include "LMPlatformExport.h"
#include "LMXMLElement.h"

#include <QColor>
#include <QDomElement>
#include <QLatin1StringView>
#include <QMarginsF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <optional>

// Typed reading of XML attributes. Every reader takes a DOM element or an LMXMLElement and a
// default; a missing or malformed attribute gives the default without a warning (the formats
// decide what a missing value means; malformed values are logged at debug level). Numbers are
// read in the C locale, never the user's: "1.5", not "1,5".
class LMPLATFORM_EXPORT LMXMLParser
{
public:
    // Attribute names of rectangles, sizes and margins, each after an optional prefix.
    static constexpr QLatin1StringView WORD_X { "x" };
    static constexpr QLatin1StringView WORD_Y { "y" };
    static constexpr QLatin1StringView WORD_WIDTH { "width" };
    static constexpr QLatin1StringView WORD_HEIGHT { "height" };
    static constexpr QLatin1StringView WORD_LEFT { "left" };
    static constexpr QLatin1StringView WORD_TOP { "top" };
    static constexpr QLatin1StringView WORD_RIGHT { "right" };
    static constexpr QLatin1StringView WORD_BOTTOM { "bottom" };
    // The SVG root's user space, read by readSizeF when it has no usable width or height.
    static constexpr QLatin1StringView WORD_VIEW_BOX { "viewBox" };

    // Text forms. Surrounding white space is ignored; anything else that does not fit is empty.
    // "true", "yes", "1", "false", "no", "0", in any letter case.
    static std::optional<bool> parseBool(QStringView theText);
    // Decimal digits with an optional sign, within int.
    static std::optional<int> parseInt(QStringView theText);
    // A finite decimal number with an optional exponent; infinities, NaN and overflow are malformed.
    static std::optional<double> parseDouble(QStringView theText) { return LMMath::parseDouble(theText); }
    // "#rgb", "#rrggbb", "#aarrggbb" or a colour name ("red", "transparent").
    static std::optional<QColor> parseColor(QStringView theText);
    // The forms of parseColor, optionally followed by "," and one or two hexadecimal digits that
    // replace the alpha, read as a number: "#ff0000,80" is half transparent red, ",8" is alpha 8.
    static std::optional<QColor> parseColorEx(QStringView theText);
    // parseInt for hot paths: the value, or 0 with *theOk false.
    static int fastDecodeInt(QStringView theText, bool* theOk = nullptr);

    // The attribute's text as written (an empty value is a value), or the default when missing.
    static QString attribute(const QDomElement& theElement, const QString& theName,
                             const QString& theDefault = QString());
    static QString attribute(const LMXMLElement& theElement, const QString& theName,
                             const QString& theDefault = QString());
    static bool boolAttribute(const QDomElement& theElement, const QString& theName, bool theDefault);
    static bool boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault);
    static int intAttribute(const QDomElement& theElement, const QString& theName, int theDefault);
    static int intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault);
    static double doubleAttribute(const QDomElement& theElement, const QString& theName, double theDefault);
    static double doubleAttribute(const LMXMLElement& theElement, const QString& theName, double theDefault);
    static QColor colorAttribute(const QDomElement& theElement, const QString& theName,
                                 const QColor& theDefault = QColor());
    static QColor colorAttribute(const LMXMLElement& theElement, const QString& theName,
                                 const QColor& theDefault = QColor());
    static QColor colorAttributeEx(const QDomElement& theElement, const QString& theName,
                                   const QColor& theDefault = QColor());
    static QColor colorAttributeEx(const LMXMLElement& theElement, const QString& theName,
                                   const QColor& theDefault = QColor());
    // Whole degrees as written (not brought into 0..359); a decimal number is rounded to the
    // nearest degree.
    static LMAngle readAngle(const QDomElement& theElement, const QString& theName, LMAngle theDefault = LMAngle());
    static LMAngle readAngle(const LMXMLElement& theElement, const QString& theName, LMAngle theDefault = LMAngle());
    // The text form of LMDistance: a number, followed by "mm" for millimetres or "rel" for a
    // fraction of the page or area ("12.5", "4mm", "0.02rel").
    static LMDistance readDistance(const QDomElement& theElement, const QString& theName,
                                   const LMDistance& theDefault = LMDistance());
    static LMDistance readDistance(const LMXMLElement& theElement, const QString& theName,
                                   const LMDistance& theDefault = LMDistance());

    // Rectangles, sizes and margins come from one attribute per value, named prefix + "x", "y",
    // "width", "height" (margins: "left", "top", "right", "bottom"). Each value that is missing or
    // malformed takes the matching value of the default; the values are kept as written (a
    // negative width stays negative). The integer forms accept whole numbers only.
    static QRectF readRectF(const QDomElement& theElement, const QRectF& theDefault = QRectF(),
                            const QString& thePrefix = QString());
    static QRectF readRectF(const LMXMLElement& theElement, const QRectF& theDefault = QRectF(),
                            const QString& thePrefix = QString());
    static QRect readRect(const QDomElement& theElement, const QRect& theDefault = QRect(),
                          const QString& thePrefix = QString());
    static QRect readRect(const LMXMLElement& theElement, const QRect& theDefault = QRect(),
                          const QString& thePrefix = QString());
    // Without a prefix, a side that "width" or "height" does not give (an SVG root may say
    // "210mm" or nothing) comes from a well-formed "viewBox" before it falls back to the default.
    static QSizeF readSizeF(const QDomElement& theElement, const QSizeF& theDefault = QSizeF(),
                            const QString& thePrefix = QString());
    static QSizeF readSizeF(const LMXMLElement& theElement, const QSizeF& theDefault = QSizeF(),
                            const QString& thePrefix = QString());
    static QSize readSize(const QDomElement& theElement, const QSize& theDefault = QSize(),
                          const QString& thePrefix = QString());
    static QSize readSize(const LMXMLElement& theElement, const QSize& theDefault = QSize(),
                          const QString& thePrefix = QString());
    static QMarginsF readMargins(const QDomElement& theElement, const QMarginsF& theDefault = QMarginsF(),
                                 const QString& thePrefix = QString());
    static QMarginsF readMargins(const LMXMLElement& theElement, const QMarginsF& theDefault = QMarginsF(),
                                 const QString& thePrefix = QString());

    // The next sibling element, with that tag name when one is given; null after the last.
    static QDomElement nextElement(const QDomElement& theElement, const QString& theTagName = QString());
};
