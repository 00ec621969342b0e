#pragma once

#include "LMPlatformExport.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>

class LMXMLElement;
class QDomElement;

// Which colours of a clipart are drawn in which other colours: a list of (from, to) pairs applied
// to the fill and stroke colours of the SVG document when it is drawn.
class LMPLATFORM_EXPORT LMColorReplacementInstructions
{
public:
    using Replacement = QPair<QColor, QColor>;

    LMColorReplacementInstructions() = default;

    bool isEmpty() const { return myReplacements.isEmpty(); }
    int count() const { return int(myReplacements.size()); }
    const QList<Replacement>& replacements() const { return myReplacements; }
    // A later replacement of the same source colour replaces the earlier one.
    void add(const QColor& theFrom, const QColor& theTo);
    // The colour theColor is drawn in; theColor itself when no replacement names it.
    QColor replaced(const QColor& theColor) const;

    // The document with every fill and stroke colour (attributes and style properties) replaced.
    QByteArray apply(const QByteArray& theSvg) const;
    // The same with every fill and stroke colour that is not "none" drawn in theColor.
    static QByteArray applyUniformColor(const QByteArray& theSvg, const QColor& theColor);
    // The distinct fill and stroke colours of the document, in order of first use.
    static QList<QColor> colorsOf(const QByteArray& theSvg);

    // Child elements "colorReplacement" with attributes "from" and "to" (#rrggbb); pairs with an
    // invalid colour are skipped.
    static LMColorReplacementInstructions fromXML(const LMXMLElement& theElement);
    void toXML(QDomElement& theElement) const;

    friend bool operator==(const LMColorReplacementInstructions& theA, const LMColorReplacementInstructions& theB)
    {
        return theA.myReplacements == theB.myReplacements;
    }
    friend bool operator!=(const LMColorReplacementInstructions& theA, const LMColorReplacementInstructions& theB)
    {
        return !(theA == theB);
    }

private:
    QList<Replacement> myReplacements;
};
