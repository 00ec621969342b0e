#include "LMTextFormat.h"

#include "LMModelXml.h"
#include "LMRotatedRect.h"
#include "LMSharedEmpty.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

#include <cmath>

namespace {
const QString STR_FONT = QStringLiteral("font");
const QString STR_FONT_SIZE = QStringLiteral("fontSize");
const QString STR_BOLD = QStringLiteral("bold");
const QString STR_ITALIC = QStringLiteral("italic");
const QString STR_FONT_COLOR = QStringLiteral("fontColor");
const QString STR_BACKGROUND_COLOR = QStringLiteral("backgroundColor");
const QString STR_PADDING_HORIZONTAL = QStringLiteral("paddingHorizontal");
const QString STR_PADDING_VERTICAL = QStringLiteral("paddingVertical");
const QString STR_OUTLINE = QStringLiteral("outline");
const QString STR_ALIGNMENT_HORIZONTAL = QStringLiteral("alignmentHorizontal");
const QString STR_ALIGNMENT_VERTICAL = QStringLiteral("alignmentVertical");
const QString STR_LETTER_SPACING = QStringLiteral("letterSpacing");
const QString STR_LINE_HEIGHT = QStringLiteral("lineHeight");
const QString STR_SPOT_COLOR_BACKGROUND = QStringLiteral("spotColorBackground");
const QString STR_SPOT_COLOR_TEXT = QStringLiteral("spotColorText");

const QList<QPair<QString, Qt::Alignment>> HORIZONTAL_ALIGNMENTS = { { QStringLiteral("left"), Qt::AlignLeft },
                                                                     { QStringLiteral("center"), Qt::AlignHCenter },
                                                                     { QStringLiteral("right"), Qt::AlignRight },
                                                                     { QStringLiteral("justify"), Qt::AlignJustify } };
const QList<QPair<QString, Qt::Alignment>> VERTICAL_ALIGNMENTS = { { QStringLiteral("top"), Qt::AlignTop },
                                                                   { QStringLiteral("middle"), Qt::AlignVCenter },
                                                                   { QStringLiteral("bottom"), Qt::AlignBottom } };

QString alignmentText(const QList<QPair<QString, Qt::Alignment>>& theTable, Qt::Alignment theAlignment)
{
    for (const auto& anEntry : theTable) {
        if (anEntry.second == theAlignment)
            return anEntry.first;
    }
    return QString();
}

// The alignment of a word; false for an unknown word.
bool readAlignment(const LMXMLElement& theElement, const QString& theName,
                   const QList<QPair<QString, Qt::Alignment>>& theTable, Qt::Alignment* theAlignment)
{
    const QString aText = theElement.attribute(theName).trimmed().toLower();
    for (const auto& anEntry : theTable) {
        if (anEntry.first == aText) {
            *theAlignment = anEntry.second;
            return true;
        }
    }
    LMModelXml::warnMalformed(theElement, theName, QStringLiteral("an alignment"));
    return false;
}
} // namespace

class LMTextFormatImpl : public QSharedData
{
public:
    QString myFontFamily;
    double myFontSize = -1.0;
    bool myBold = false;
    bool myItalic = false;
    QColor myFontColor;
    QColor myBackgroundColor;
    LMDistance myPaddingHorizontal;
    LMDistance myPaddingVertical;
    LMOutlineConfig myOutline;
    Qt::Alignment myAlignmentHorizontal = Qt::AlignLeft;
    Qt::Alignment myAlignmentVertical = Qt::AlignTop;
    LMDistance myLetterSpacing;
    int myLineHeightPercent = 100;
    bool mySpotColorBackground = false;
    bool mySpotColorText = false;
};

LMTextFormat::LMTextFormat() : myImpl(lmSharedEmpty<LMTextFormatImpl>()) { }
LMTextFormat::LMTextFormat(const LMTextFormat& theOther) = default;
LMTextFormat& LMTextFormat::operator=(const LMTextFormat& theOther) = default;
LMTextFormat::LMTextFormat(LMTextFormat&& theOther) noexcept = default;
LMTextFormat::~LMTextFormat() = default;

QString LMTextFormat::fontFamily() const
{
    return myImpl->myFontFamily;
}
void LMTextFormat::setFontFamily(const QString& theFamily)
{
    myImpl->myFontFamily = theFamily;
}
double LMTextFormat::fontSize() const
{
    return myImpl->myFontSize;
}
void LMTextFormat::setFontSize(double thePoints)
{
    myImpl->myFontSize = thePoints;
}
bool LMTextFormat::isBold() const
{
    return myImpl->myBold;
}
void LMTextFormat::setBold(bool theBold)
{
    myImpl->myBold = theBold;
}
bool LMTextFormat::isItalic() const
{
    return myImpl->myItalic;
}
void LMTextFormat::setItalic(bool theItalic)
{
    myImpl->myItalic = theItalic;
}
QColor LMTextFormat::fontColor() const
{
    return myImpl->myFontColor;
}
void LMTextFormat::setFontColor(const QColor& theColor)
{
    myImpl->myFontColor = theColor;
}
QColor LMTextFormat::backgroundColor() const
{
    return myImpl->myBackgroundColor;
}
void LMTextFormat::setBackgroundColor(const QColor& theColor)
{
    myImpl->myBackgroundColor = theColor;
}
LMDistance LMTextFormat::paddingHorizontal() const
{
    return myImpl->myPaddingHorizontal;
}
void LMTextFormat::setPaddingHorizontal(const LMDistance& thePadding)
{
    myImpl->myPaddingHorizontal = thePadding;
}
LMDistance LMTextFormat::paddingVertical() const
{
    return myImpl->myPaddingVertical;
}
void LMTextFormat::setPaddingVertical(const LMDistance& thePadding)
{
    myImpl->myPaddingVertical = thePadding;
}
LMOutlineConfig LMTextFormat::outline() const
{
    return myImpl->myOutline;
}
void LMTextFormat::setOutline(const LMOutlineConfig& theOutline)
{
    myImpl->myOutline = theOutline;
}
Qt::Alignment LMTextFormat::alignmentHorizontal() const
{
    return myImpl->myAlignmentHorizontal;
}
void LMTextFormat::setAlignmentHorizontal(Qt::Alignment theAlignment)
{
    myImpl->myAlignmentHorizontal = theAlignment;
}
Qt::Alignment LMTextFormat::alignmentVertical() const
{
    return myImpl->myAlignmentVertical;
}
void LMTextFormat::setAlignmentVertical(Qt::Alignment theAlignment)
{
    myImpl->myAlignmentVertical = theAlignment;
}
LMDistance LMTextFormat::letterSpacing() const
{
    return myImpl->myLetterSpacing;
}
void LMTextFormat::setLetterSpacing(const LMDistance& theSpacing)
{
    myImpl->myLetterSpacing = theSpacing;
}
int LMTextFormat::lineHeightPercent() const
{
    return myImpl->myLineHeightPercent;
}
void LMTextFormat::setLineHeightPercent(int thePercent)
{
    myImpl->myLineHeightPercent = thePercent;
}
bool LMTextFormat::spotColorBackground() const
{
    return myImpl->mySpotColorBackground;
}
void LMTextFormat::setSpotColorBackground(bool theSpotColor)
{
    myImpl->mySpotColorBackground = theSpotColor;
}
bool LMTextFormat::spotColorText() const
{
    return myImpl->mySpotColorText;
}
void LMTextFormat::setSpotColorText(bool theSpotColor)
{
    myImpl->mySpotColorText = theSpotColor;
}

void LMTextFormat::merge(const LMTextFormat& theOther, Fields theFields)
{
    if (theFields == Fields() || theOther.myImpl == myImpl)
        return;
    const LMTextFormatImpl& anOther = *theOther.myImpl;
    LMTextFormatImpl& aMine = *myImpl;
    if (theFields & FontFamily)
        aMine.myFontFamily = anOther.myFontFamily;
    if (theFields & FontSize)
        aMine.myFontSize = anOther.myFontSize;
    if (theFields & Bold)
        aMine.myBold = anOther.myBold;
    if (theFields & Italic)
        aMine.myItalic = anOther.myItalic;
    if (theFields & FontColor)
        aMine.myFontColor = anOther.myFontColor;
    if (theFields & BackgroundColor)
        aMine.myBackgroundColor = anOther.myBackgroundColor;
    if (theFields & PaddingHorizontal)
        aMine.myPaddingHorizontal = anOther.myPaddingHorizontal;
    if (theFields & PaddingVertical)
        aMine.myPaddingVertical = anOther.myPaddingVertical;
    if (theFields & Outline)
        aMine.myOutline = anOther.myOutline;
    if (theFields & AlignmentHorizontal)
        aMine.myAlignmentHorizontal = anOther.myAlignmentHorizontal;
    if (theFields & AlignmentVertical)
        aMine.myAlignmentVertical = anOther.myAlignmentVertical;
    if (theFields & LetterSpacing)
        aMine.myLetterSpacing = anOther.myLetterSpacing;
    if (theFields & LineHeight)
        aMine.myLineHeightPercent = anOther.myLineHeightPercent;
    if (theFields & SpotColorBackground)
        aMine.mySpotColorBackground = anOther.mySpotColorBackground;
    if (theFields & SpotColorText)
        aMine.mySpotColorText = anOther.mySpotColorText;
}

void LMTextFormat::scaleFontSize(double theFactor)
{
    if (myImpl->myFontSize >= 0)
        myImpl->myFontSize *= theFactor;
}

LMTextFormat LMTextFormat::fromXml(const LMXMLElement& theElement, Fields* theFields)
{
    LMTextFormat aFormat;
    LMTextFormatImpl& anImpl = *aFormat.myImpl;
    Fields aFields;
    const auto has = [&](const QString& theName, Field theField) {
        if (!theElement.hasAttribute(theName))
            return false;
        aFields |= theField;
        return true;
    };
    if (has(STR_FONT, FontFamily))
        anImpl.myFontFamily = theElement.attribute(STR_FONT);
    if (has(STR_FONT_SIZE, FontSize))
        anImpl.myFontSize = LMModelXml::doubleAttribute(theElement, STR_FONT_SIZE, -1.0);
    if (has(STR_BOLD, Bold))
        anImpl.myBold = LMModelXml::boolAttribute(theElement, STR_BOLD, false);
    if (has(STR_ITALIC, Italic))
        anImpl.myItalic = LMModelXml::boolAttribute(theElement, STR_ITALIC, false);
    if (has(STR_FONT_COLOR, FontColor))
        anImpl.myFontColor = LMModelXml::colorAttribute(theElement, STR_FONT_COLOR);
    if (has(STR_BACKGROUND_COLOR, BackgroundColor))
        anImpl.myBackgroundColor = LMModelXml::colorAttribute(theElement, STR_BACKGROUND_COLOR);
    if (has(STR_PADDING_HORIZONTAL, PaddingHorizontal))
        anImpl.myPaddingHorizontal = LMModelXml::distanceAttribute(theElement, STR_PADDING_HORIZONTAL);
    if (has(STR_PADDING_VERTICAL, PaddingVertical))
        anImpl.myPaddingVertical = LMModelXml::distanceAttribute(theElement, STR_PADDING_VERTICAL);
    if (!theElement.firstChildElement(STR_OUTLINE).isNull()) {
        aFields |= Outline;
        anImpl.myOutline = LMOutlineConfig::fromXml(theElement);
    }
    if (theElement.hasAttribute(STR_ALIGNMENT_HORIZONTAL)
        && readAlignment(theElement, STR_ALIGNMENT_HORIZONTAL, HORIZONTAL_ALIGNMENTS, &anImpl.myAlignmentHorizontal))
        aFields |= AlignmentHorizontal;
    if (theElement.hasAttribute(STR_ALIGNMENT_VERTICAL)
        && readAlignment(theElement, STR_ALIGNMENT_VERTICAL, VERTICAL_ALIGNMENTS, &anImpl.myAlignmentVertical))
        aFields |= AlignmentVertical;
    if (has(STR_LETTER_SPACING, LetterSpacing))
        anImpl.myLetterSpacing = LMModelXml::distanceAttribute(theElement, STR_LETTER_SPACING);
    if (has(STR_LINE_HEIGHT, LineHeight))
        anImpl.myLineHeightPercent = LMModelXml::intAttribute(theElement, STR_LINE_HEIGHT, 100);
    if (has(STR_SPOT_COLOR_BACKGROUND, SpotColorBackground))
        anImpl.mySpotColorBackground = LMModelXml::boolAttribute(theElement, STR_SPOT_COLOR_BACKGROUND, false);
    if (has(STR_SPOT_COLOR_TEXT, SpotColorText))
        anImpl.mySpotColorText = LMModelXml::boolAttribute(theElement, STR_SPOT_COLOR_TEXT, false);
    if (theFields)
        *theFields = aFields;
    return aFormat;
}

void LMTextFormat::buildXML(QDomElement& theElement, Fields theFields) const
{
    const LMTextFormatImpl& anImpl = *myImpl;
    if (theFields & FontFamily)
        theElement.setAttribute(STR_FONT, anImpl.myFontFamily);
    if (theFields & FontSize)
        theElement.setAttribute(STR_FONT_SIZE, LMModelXml::doubleText(anImpl.myFontSize));
    if (theFields & Bold)
        theElement.setAttribute(STR_BOLD, LMModelXml::boolText(anImpl.myBold));
    if (theFields & Italic)
        theElement.setAttribute(STR_ITALIC, LMModelXml::boolText(anImpl.myItalic));
    if ((theFields & FontColor) && anImpl.myFontColor.isValid())
        theElement.setAttribute(STR_FONT_COLOR, LMModelXml::colorText(anImpl.myFontColor));
    if ((theFields & BackgroundColor) && anImpl.myBackgroundColor.isValid())
        theElement.setAttribute(STR_BACKGROUND_COLOR, LMModelXml::colorText(anImpl.myBackgroundColor));
    if (theFields & PaddingHorizontal)
        theElement.setAttribute(STR_PADDING_HORIZONTAL, anImpl.myPaddingHorizontal.toString());
    if (theFields & PaddingVertical)
        theElement.setAttribute(STR_PADDING_VERTICAL, anImpl.myPaddingVertical.toString());
    if (theFields & Outline)
        anImpl.myOutline.buildXML(theElement);
    const QString aHorizontal = alignmentText(HORIZONTAL_ALIGNMENTS, anImpl.myAlignmentHorizontal);
    if ((theFields & AlignmentHorizontal) && !aHorizontal.isEmpty())
        theElement.setAttribute(STR_ALIGNMENT_HORIZONTAL, aHorizontal);
    const QString aVertical = alignmentText(VERTICAL_ALIGNMENTS, anImpl.myAlignmentVertical);
    if ((theFields & AlignmentVertical) && !aVertical.isEmpty())
        theElement.setAttribute(STR_ALIGNMENT_VERTICAL, aVertical);
    if (theFields & LetterSpacing)
        theElement.setAttribute(STR_LETTER_SPACING, anImpl.myLetterSpacing.toString());
    if (theFields & LineHeight)
        theElement.setAttribute(STR_LINE_HEIGHT, anImpl.myLineHeightPercent);
    if (theFields & SpotColorBackground)
        theElement.setAttribute(STR_SPOT_COLOR_BACKGROUND, LMModelXml::boolText(anImpl.mySpotColorBackground));
    if (theFields & SpotColorText)
        theElement.setAttribute(STR_SPOT_COLOR_TEXT, LMModelXml::boolText(anImpl.mySpotColorText));
}

bool operator==(const LMTextFormat& theA, const LMTextFormat& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMTextFormatImpl& anA = *theA.myImpl;
    const LMTextFormatImpl& aB = *theB.myImpl;
    return anA.myFontFamily == aB.myFontFamily && LMRotatedRect::fuzzyEqual(anA.myFontSize, aB.myFontSize)
        && anA.myBold == aB.myBold && anA.myItalic == aB.myItalic && anA.myFontColor == aB.myFontColor
        && anA.myBackgroundColor == aB.myBackgroundColor && anA.myPaddingHorizontal == aB.myPaddingHorizontal
        && anA.myPaddingVertical == aB.myPaddingVertical && anA.myOutline == aB.myOutline
        && anA.myAlignmentHorizontal == aB.myAlignmentHorizontal && anA.myAlignmentVertical == aB.myAlignmentVertical
        && anA.myLetterSpacing == aB.myLetterSpacing && anA.myLineHeightPercent == aB.myLineHeightPercent
        && anA.mySpotColorBackground == aB.mySpotColorBackground && anA.mySpotColorText == aB.mySpotColorText;
}

QDebug operator<<(QDebug theDebug, const LMTextFormat& theFormat)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTextFormat(" << theFormat.fontFamily() << ", " << theFormat.fontSize() << "pt"
                       << (theFormat.isBold() ? ", bold" : "") << (theFormat.isItalic() ? ", italic" : "") << ", "
                       << theFormat.fontColor() << ')';
    return theDebug;
}
