#pragma once

#include "LMAlignment.h"
#include "LMAreaTextType.h"
#include "LMOutlineConfig.h"
#include "LMTemplatesExport.h"
#include "LMTextFormatChange.h"

#include <QColor>
#include <QString>

class QDomElement;

// How a rule set formats the texts of one text type. Only what the file gives is set; every
// other property stays the area's own.
class LMTEMPLATES_EXPORT LMDesignStyleTextFormat
{
public:
    LMDesignStyleTextFormat() = default;
    explicit LMDesignStyleTextFormat(const LMAreaTextType& theTextType) : myTextType(theTextType) { }
    // A "text" element (another name: a warning, and the format stays invalid). "fontSize" counts
    // only in the form "12pt"; paddings, outline width and letter spacing are millimetres; the
    // alignments count only when they name an alignment of their direction.
    explicit LMDesignStyleTextFormat(const QDomElement& theElement);

    const LMAreaTextType& textType() const { return myTextType; }
    // A known text type.
    bool isValid() const { return myTextType.isValid(); }

    const QString& fontFamily() const { return myFontFamily; }
    void setFontFamily(const QString& theFamily) { myFontFamily = theFamily; }
    // Points; -1 when not set.
    int fontSize() const { return myFontSize; }
    void setFontSize(int thePoints) { myFontSize = thePoints; }
    // As written: "normal", "bold".
    const QString& fontWeight() const { return myFontWeight; }
    void setFontWeight(const QString& theWeight) { myFontWeight = theWeight; }
    // Invalid when not set.
    const QColor& fontColor() const { return myFontColor; }
    void setFontColor(const QColor& theColor) { myFontColor = theColor; }
    const QColor& backgroundColor() const { return myBackgroundColor; }
    void setBackgroundColor(const QColor& theColor) { myBackgroundColor = theColor; }
    // Millimetres; -1 when not set.
    double paddingHorizontal() const { return myPaddingHorizontal; }
    void setPaddingHorizontal(double theMillimetres) { myPaddingHorizontal = theMillimetres; }
    double paddingVertical() const { return myPaddingVertical; }
    void setPaddingVertical(double theMillimetres) { myPaddingVertical = theMillimetres; }
    // Set only from a given width together with a valid colour; the width is held in millimetres.
    bool hasOutline() const { return myHasOutline; }
    const LMOutlineConfig& outline() const { return myOutline; }
    void setOutline(const LMOutlineConfig& theOutline);
    // None when not set.
    const LMAlignment& alignmentHorizontal() const { return myAlignmentHorizontal; }
    void setAlignmentHorizontal(const LMAlignment& theAlignment) { myAlignmentHorizontal = theAlignment.horizontal(); }
    const LMAlignment& alignmentVertical() const { return myAlignmentVertical; }
    void setAlignmentVertical(const LMAlignment& theAlignment) { myAlignmentVertical = theAlignment.vertical(); }
    // The text takes the product's spot colour.
    bool isSpotColor() const { return mySpotColor; }
    void setSpotColor(bool theSpotColor) { mySpotColor = theSpotColor; }
    // Millimetres; 0 by default.
    double letterSpacing() const { return myLetterSpacing; }
    void setLetterSpacing(double theMillimetres) { myLetterSpacing = theMillimetres; }
    // A factor of the font's line height; 1 by default.
    double lineHeight() const { return myLineHeight; }
    void setLineHeight(double theFactor) { myLineHeight = theFactor; }

    size_t hash() const;

    // What the format changes on a text, merged in this order: the font family and size when
    // given; boldness and italics, always ("fontWeight" containing "bold", "italic"); the colours
    // when given; the paddings when given; the outline when set; both alignments, always; with
    // "gsel" the spot colour taken by the text (and not by its background); letter spacing and
    // line height, always.
    LMTextFormatChange textFormatChanges() const;

    // Appends a "text" element with what is set; "letterSpacing" and "lineHeight", which the
    // schema does not know, only when they differ from their defaults.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignStyleTextFormat& theA, const LMDesignStyleTextFormat& theB);
    friend bool operator!=(const LMDesignStyleTextFormat& theA, const LMDesignStyleTextFormat& theB)
    {
        return !(theA == theB);
    }

private:
    LMAreaTextType myTextType;
    QString myFontFamily;
    int myFontSize = -1;
    QString myFontWeight;
    QColor myFontColor;
    QColor myBackgroundColor;
    double myPaddingHorizontal = -1.0;
    double myPaddingVertical = -1.0;
    bool myHasOutline = false;
    LMOutlineConfig myOutline;
    LMAlignment myAlignmentHorizontal;
    LMAlignment myAlignmentVertical;
    bool mySpotColor = false;
    double myLetterSpacing = 0.0;
    double myLineHeight = 1.0;
};

inline size_t qHash(const LMDesignStyleTextFormat& theFormat, size_t theSeed = 0) noexcept
{
    return qHash(theFormat.hash(), theSeed);
}
