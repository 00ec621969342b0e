#pragma once

#include "LMAngle.h"
#include "LMDistance.h"
#include "LMPlatformExport.h"

#include <QColor>
#include <QDomDocument>
#include <QDomElement>
#include <QFileInfo>
#include <QMarginsF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class LMErrorHistory;

// Builds DOM documents in the text forms LMXMLParser reads back and saves them as UTF-8. Saving
// is atomic: the previous file stays intact until the new one is complete.
class LMPLATFORM_EXPORT LMXMLBuilder
{
public:
    // Appends the document element to a document that has none yet, after an XML declaration
    // for UTF-8.
    static QDomElement buildRootElement(QDomDocument& theDocument, const QString& theTagName);
    // Appends a new child element to the parent and returns it.
    static QDomElement buildDomElement(QDomElement& theParent, const QString& theTagName);

    static void addAttribute(QDomElement& theElement, const QString& theName, const QString& theValue);
    // UTF-8 text; keeps string literals away from the bool overload.
    static void addAttribute(QDomElement& theElement, const QString& theName, const char* theValue);
    static void addAttribute(QDomElement& theElement, const QString& theName, int theValue);
    // Shortest text that reads back as the same double (doubleText).
    static void addAttribute(QDomElement& theElement, const QString& theName, double theValue);
    // "true" or "false".
    static void addAttribute(QDomElement& theElement, const QString& theName, bool theValue);
    // colorText; an invalid colour writes no attribute, so that it reads back as the reader's default.
    static void addAttribute(QDomElement& theElement, const QString& theName, const QColor& theValue);
    // Whole degrees as held.
    static void addAttribute(QDomElement& theElement, const QString& theName, LMAngle theValue);
    // The distance's text form ("12.5", "4mm", "0.02rel").
    static void addAttribute(QDomElement& theElement, const QString& theName, const LMDistance& theValue);
    // The attributes LMXMLParser's readRectF, readRect, readSizeF, readSize and readMargins read:
    // prefix + "x", "y", "width", "height" (margins: "left", "top", "right", "bottom").
    static void addAttribute(QDomElement& theElement, const QRectF& theValue, const QString& thePrefix = QString());
    static void addAttribute(QDomElement& theElement, const QRect& theValue, const QString& thePrefix = QString());
    static void addAttribute(QDomElement& theElement, const QSizeF& theValue, const QString& thePrefix = QString());
    static void addAttribute(QDomElement& theElement, const QSize& theValue, const QString& thePrefix = QString());
    static void addAttribute(QDomElement& theElement, const QMarginsF& theValue, const QString& thePrefix = QString());

    // C locale, the shortest form that reads back exactly; "-0" keeps the sign of negative zero.
    static QString doubleText(double theValue);
    // "#rrggbb" for an opaque colour, "#aarrggbb" otherwise; empty for an invalid colour.
    static QString colorText(const QColor& theColor);

    // The text saveUTF8 writes: an XML declaration for UTF-8 (replacing any the document has), then
    // the document's nodes indented by four spaces, each element's attributes in the order of their
    // names: one document always gives the same bytes. Characters XML cannot carry are left out
    // (saveUTF8 refuses such a document).
    static QByteArray toUTF8(const QDomDocument& theDocument);
    // Writes toUTF8(theDocument) to the file through a QSaveFile. The file is written only when
    // LMXMLLoader will read it back: a document without a document element, with text XML cannot
    // carry (control characters) or beyond the loader's bounds is refused. The folder must exist.
    // On failure the previous file is untouched, false is returned and one message naming the file
    // goes to theErrors, or, without a history, to the log as a warning.
    static bool saveUTF8(const QDomDocument& theDocument, const QFileInfo& theFile,
                         LMErrorHistory* theErrors = nullptr);
};
