#pragma once

#include "LMDistance.h"
#include "LMOutlineConfig.h"
#include "LMPlatformExport.h"

#include <QColor>
#include <QFlags>
#include <QSharedDataPointer>
#include <QString>

class LMTextFormatImpl;
class LMXMLElement;
class QDebug;
class QDomElement;

// How the text of an area looks: font, size, weight, colours, paddings, outline, alignment,
// spacing, and whether text or background take the product's spot colour.
class LMPLATFORM_EXPORT LMTextFormat
{
public:
    // The fields of a format, for changes that set only some of them.
    enum Field : qint32 {
        FontFamily = 1,
        FontSize = 2,
        Bold = 4,
        Italic = 8,
        FontColor = 16,
        BackgroundColor = 32,
        PaddingHorizontal = 64,
        PaddingVertical = 128,
        Outline = 256,
        AlignmentHorizontal = 512,
        AlignmentVertical = 1024,
        LetterSpacing = 2048,
        LineHeight = 4096,
        SpotColorBackground = 16384,
        SpotColorText = 32768,
        AllFields = 57343
    };
    Q_DECLARE_FLAGS(Fields, Field)

    LMTextFormat();
    LMTextFormat(const LMTextFormat& theOther);
    LMTextFormat& operator=(const LMTextFormat& theOther);
    LMTextFormat(LMTextFormat&& theOther) noexcept;
    LMTextFormat& operator=(LMTextFormat&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMTextFormat();
    void swap(LMTextFormat& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    QString fontFamily() const;
    void setFontFamily(const QString& theFamily);
    // Points; negative when not set.
    double fontSize() const;
    void setFontSize(double thePoints);
    bool isBold() const;
    void setBold(bool theBold);
    bool isItalic() const;
    void setItalic(bool theItalic);
    QColor fontColor() const;
    void setFontColor(const QColor& theColor);
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& theColor);
    LMDistance paddingHorizontal() const;
    void setPaddingHorizontal(const LMDistance& thePadding);
    LMDistance paddingVertical() const;
    void setPaddingVertical(const LMDistance& thePadding);
    LMOutlineConfig outline() const;
    void setOutline(const LMOutlineConfig& theOutline);
    Qt::Alignment alignmentHorizontal() const;
    void setAlignmentHorizontal(Qt::Alignment theAlignment);
    Qt::Alignment alignmentVertical() const;
    void setAlignmentVertical(Qt::Alignment theAlignment);
    LMDistance letterSpacing() const;
    void setLetterSpacing(const LMDistance& theSpacing);
    // Line height in percent of the font's; 100 by default.
    int lineHeightPercent() const;
    void setLineHeightPercent(int thePercent);
    bool spotColorBackground() const;
    void setSpotColorBackground(bool theSpotColor);
    bool spotColorText() const;
    void setSpotColorText(bool theSpotColor);

    // Takes over the given fields of the other format.
    void merge(const LMTextFormat& theOther, Fields theFields);
    // Multiplies a set font size.
    void scaleFontSize(double theFactor);

    // Reads the attributes of the element; theFields receives the fields that were present.
    static LMTextFormat fromXml(const LMXMLElement& theElement, Fields* theFields = nullptr);
    // Writes the given fields as attributes of the element (the outline as a child "outline").
    void buildXML(QDomElement& theElement, Fields theFields = AllFields) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMTextFormat& theA, const LMTextFormat& theB);

private:
    QSharedDataPointer<LMTextFormatImpl> myImpl;
};

Q_DECLARE_SHARED(LMTextFormat)
Q_DECLARE_OPERATORS_FOR_FLAGS(LMTextFormat::Fields)

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMTextFormat& theFormat);
