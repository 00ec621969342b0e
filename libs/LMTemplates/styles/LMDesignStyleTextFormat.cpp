#include "LMDesignStyleTextFormat.h"

#include "LMDesignStyleXml.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {
const QString STR_TEXT = QStringLiteral("text");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_FONT = QStringLiteral("font");
const QString STR_FONT_SIZE = QStringLiteral("fontSize");
const QString STR_FONT_WEIGHT = QStringLiteral("fontWeight");
const QString STR_FONT_COLOR = QStringLiteral("fontColor");
const QString STR_BACKGROUND_COLOR = QStringLiteral("backgroundColor");
const QString STR_PADDING_HORIZONTAL = QStringLiteral("paddingHorizontal");
const QString STR_PADDING_VERTICAL = QStringLiteral("paddingVertical");
const QString STR_OUTLINE_WIDTH = QStringLiteral("outlineWidth");
const QString STR_OUTLINE_COLOR = QStringLiteral("outlineColor");
const QString STR_ALIGNMENT_HORIZONTAL = QStringLiteral("alignmentHorizontal");
const QString STR_ALIGNMENT_VERTICAL = QStringLiteral("alignmentVertical");
const QString STR_GSEL = QStringLiteral("gsel");
const QString STR_LETTER_SPACING = QStringLiteral("letterSpacing");
const QString STR_LINE_HEIGHT = QStringLiteral("lineHeight");
const QString STR_POINTS = QStringLiteral("%1pt");
const QString STR_UNSET = QStringLiteral("unset");

const QRegularExpression& fontSizePattern()
{
    static const QRegularExpression ourPattern(QRegularExpression::anchoredPattern(QStringLiteral("([0-9]+)pt")));
    return ourPattern;
}

// Numbers written and read back keep twelve digits.
bool sameNumber(double theA, double theB)
{
    return std::abs(theA - theB) <= 1e-9 * std::max({ 1.0, std::abs(theA), std::abs(theB) });
}

QString lengthOrUnset(double theMillimetres)
{
    return theMillimetres == -1.0 ? STR_UNSET : LMDesignStyleXml::decimalText(theMillimetres);
}

QString colorOrUnset(const QColor& theColor)
{
    return theColor.isValid() ? LMDesignStyleXml::colorText(theColor) : STR_UNSET;
}
} // namespace

LMDesignStyleTextFormat::LMDesignStyleTextFormat(const QDomElement& theElement)
{
    if (theElement.tagName() != STR_TEXT) {
        qWarning(
            "%s",
            qUtf8Printable(QStringLiteral("wrong tag name: %1; expected: %2").arg(theElement.tagName(), STR_TEXT)));
        return;
    }
    myTextType = LMAreaTextType::fromText(theElement.attribute(STR_TYPE));
    myFontFamily = theElement.attribute(STR_FONT);
    const QRegularExpressionMatch aSize = fontSizePattern().match(theElement.attribute(STR_FONT_SIZE));
    bool aNumber = false;
    const int aPoints = aSize.hasMatch() ? aSize.captured(1).toInt(&aNumber) : -1;
    if (aNumber)
        myFontSize = aPoints;
    myFontWeight = theElement.attribute(STR_FONT_WEIGHT);
    myFontColor = LMXMLParser::colorAttributeEx(theElement, STR_FONT_COLOR);
    myBackgroundColor = LMXMLParser::colorAttributeEx(theElement, STR_BACKGROUND_COLOR);
    myPaddingHorizontal = LMXMLParser::doubleAttribute(theElement, STR_PADDING_HORIZONTAL, -1.0);
    myPaddingVertical = LMXMLParser::doubleAttribute(theElement, STR_PADDING_VERTICAL, -1.0);
    const double anOutlineWidth = LMXMLParser::doubleAttribute(theElement, STR_OUTLINE_WIDTH, -1.0);
    const QColor anOutlineColor = LMXMLParser::colorAttributeEx(theElement, STR_OUTLINE_COLOR);
    if (anOutlineWidth != -1.0 && anOutlineColor.isValid())
        setOutline(LMOutlineConfig(LMDistance(anOutlineWidth, LMDistanceUnit::Millimetre), anOutlineColor));
    myAlignmentHorizontal = LMAlignment(theElement.attribute(STR_ALIGNMENT_HORIZONTAL)).horizontal();
    myAlignmentVertical = LMAlignment(theElement.attribute(STR_ALIGNMENT_VERTICAL)).vertical();
    mySpotColor = LMXMLParser::boolAttribute(theElement, STR_GSEL, false);
    myLetterSpacing = LMXMLParser::doubleAttribute(theElement, STR_LETTER_SPACING, 0.0);
    myLineHeight = LMXMLParser::doubleAttribute(theElement, STR_LINE_HEIGHT, 1.0);
}

void LMDesignStyleTextFormat::setOutline(const LMOutlineConfig& theOutline)
{
    myOutline = LMOutlineConfig(LMDistance(theOutline.width().toUnits() / 10.0, LMDistanceUnit::Millimetre),
                                theOutline.color());
    myHasOutline = true;
}

size_t LMDesignStyleTextFormat::hash() const
{
    // Numbers compare within a tolerance: they stay out of the hash.
    return qHashMulti(0, myTextType, myFontFamily, myFontSize, myFontWeight, myAlignmentHorizontal, myAlignmentVertical,
                      mySpotColor, myHasOutline);
}

void LMDesignStyleTextFormat::buildXML(QDomElement& theParent) const
{
    QDomElement aText = theParent.ownerDocument().createElement(STR_TEXT);
    aText.setAttribute(STR_TYPE, LMDesignStyleXml::wordsOf(myTextType));
    if (!myFontFamily.isEmpty())
        aText.setAttribute(STR_FONT, myFontFamily);
    if (myFontSize >= 0)
        aText.setAttribute(STR_FONT_SIZE, STR_POINTS.arg(myFontSize));
    if (!myFontWeight.isEmpty())
        aText.setAttribute(STR_FONT_WEIGHT, myFontWeight);
    LMDesignStyleXml::addColor(aText, STR_FONT_COLOR, myFontColor);
    LMDesignStyleXml::addColor(aText, STR_BACKGROUND_COLOR, myBackgroundColor);
    if (myPaddingHorizontal != -1.0)
        aText.setAttribute(STR_PADDING_HORIZONTAL, LMDesignStyleXml::decimalText(myPaddingHorizontal));
    if (myPaddingVertical != -1.0)
        aText.setAttribute(STR_PADDING_VERTICAL, LMDesignStyleXml::decimalText(myPaddingVertical));
    if (myHasOutline) {
        aText.setAttribute(STR_OUTLINE_WIDTH, LMDesignStyleXml::millimetres(myOutline.width()));
        LMDesignStyleXml::addColor(aText, STR_OUTLINE_COLOR, myOutline.color());
    }
    if (myAlignmentHorizontal.isValid())
        aText.setAttribute(STR_ALIGNMENT_HORIZONTAL, LMDesignStyleXml::wordsOf(myAlignmentHorizontal));
    if (myAlignmentVertical.isValid())
        aText.setAttribute(STR_ALIGNMENT_VERTICAL, LMDesignStyleXml::wordsOf(myAlignmentVertical));
    if (mySpotColor)
        aText.setAttribute(STR_GSEL, LMDesignStyleXml::boolText(true));
    if (myLetterSpacing != 0.0)
        aText.setAttribute(STR_LETTER_SPACING, LMDesignStyleXml::decimalText(myLetterSpacing));
    if (myLineHeight != 1.0)
        aText.setAttribute(STR_LINE_HEIGHT, LMDesignStyleXml::decimalText(myLineHeight));
    theParent.appendChild(aText);
}

QString LMDesignStyleTextFormat::toDebugString() const
{
    return QStringList {
        QStringLiteral("        Textformat: %1").arg(LMDesignStyleXml::wordsOf(myTextType)),
        QStringLiteral("          Font: %1").arg(myFontFamily),
        QStringLiteral("          Size: %1").arg(myFontSize >= 0 ? STR_POINTS.arg(myFontSize) : STR_UNSET),
        QStringLiteral("          Weight: %1").arg(myFontWeight),
        QStringLiteral("          Color: %1").arg(colorOrUnset(myFontColor)),
        QStringLiteral("          Background color: %1").arg(colorOrUnset(myBackgroundColor)),
        QStringLiteral("          Padding horizontal: %1").arg(lengthOrUnset(myPaddingHorizontal)),
        QStringLiteral("          Padding vertical: %1").arg(lengthOrUnset(myPaddingVertical)),
        QStringLiteral("          Outline color: %1,%2")
            .arg(myHasOutline ? myOutline.color().name() : STR_UNSET)
            .arg(myHasOutline ? myOutline.color().alpha() : 0),
        QStringLiteral("          Outline width: %1 mm")
            .arg(myHasOutline ? LMDesignStyleXml::millimetres(myOutline.width()) : STR_UNSET),
        QStringLiteral("          Horizontal Alignment: %1").arg(LMDesignStyleXml::wordsOf(myAlignmentHorizontal)),
        QStringLiteral("          Vertical Alignment: %1").arg(LMDesignStyleXml::wordsOf(myAlignmentVertical)),
        QStringLiteral("          GSEL: %1").arg(mySpotColor ? 1 : 0),
        QStringLiteral("          Letter spacing: %1 mm").arg(LMDesignStyleXml::decimalText(myLetterSpacing)),
        QStringLiteral("          Line heigth: %1").arg(LMDesignStyleXml::decimalText(myLineHeight)),
    }
        .join(QLatin1Char('\n'));
}

bool operator==(const LMDesignStyleTextFormat& theA, const LMDesignStyleTextFormat& theB)
{
    return theA.myTextType == theB.myTextType && theA.myFontFamily == theB.myFontFamily
        && theA.myFontSize == theB.myFontSize && theA.myFontWeight == theB.myFontWeight
        && theA.myFontColor == theB.myFontColor && theA.myBackgroundColor == theB.myBackgroundColor
        && sameNumber(theA.myPaddingHorizontal, theB.myPaddingHorizontal)
        && sameNumber(theA.myPaddingVertical, theB.myPaddingVertical) && theA.myHasOutline == theB.myHasOutline
        && (!theA.myHasOutline || theA.myOutline == theB.myOutline)
        && theA.myAlignmentHorizontal == theB.myAlignmentHorizontal
        && theA.myAlignmentVertical == theB.myAlignmentVertical && theA.mySpotColor == theB.mySpotColor
        && sameNumber(theA.myLetterSpacing, theB.myLetterSpacing) && sameNumber(theA.myLineHeight, theB.myLineHeight);
}

namespace {
// One change of one field, made on a default format.
template <typename Setter> LMTextFormatChange fieldChange(LMTextFormat::Field theField, Setter theSetter)
{
    LMTextFormat aFormat;
    theSetter(aFormat);
    return LMTextFormatChange(aFormat, theField);
}
} // namespace

LMTextFormatChange LMDesignStyleTextFormat::textFormatChanges() const
{
    using F = LMTextFormat;
    LMTextFormatChange aChange;
    if (!myFontFamily.isEmpty())
        aChange.merge(fieldChange(F::FontFamily, [this](F& theFormat) { theFormat.setFontFamily(myFontFamily); }));
    if (myFontSize >= 0)
        aChange.merge(fieldChange(F::FontSize, [this](F& theFormat) { theFormat.setFontSize(myFontSize); }));
    aChange.merge(fieldChange(
        F::Bold, [this](F& theFormat) { theFormat.setBold(myFontWeight.contains(QLatin1String("bold"))); }));
    aChange.merge(fieldChange(
        F::Italic, [this](F& theFormat) { theFormat.setItalic(myFontWeight.contains(QLatin1String("italic"))); }));
    if (myFontColor.isValid())
        aChange.merge(fieldChange(F::FontColor, [this](F& theFormat) { theFormat.setFontColor(myFontColor); }));
    if (myBackgroundColor.isValid())
        aChange.merge(
            fieldChange(F::BackgroundColor, [this](F& theFormat) { theFormat.setBackgroundColor(myBackgroundColor); }));
    if (myPaddingHorizontal != -1.0)
        aChange.merge(fieldChange(F::PaddingHorizontal, [this](F& theFormat) {
            theFormat.setPaddingHorizontal(LMDistance(myPaddingHorizontal, LMDistanceUnit::Millimetre));
        }));
    if (myPaddingVertical != -1.0)
        aChange.merge(fieldChange(F::PaddingVertical, [this](F& theFormat) {
            theFormat.setPaddingVertical(LMDistance(myPaddingVertical, LMDistanceUnit::Millimetre));
        }));
    if (myHasOutline)
        aChange.merge(fieldChange(F::Outline, [this](F& theFormat) { theFormat.setOutline(myOutline); }));
    aChange.merge(fieldChange(F::AlignmentHorizontal, [this](F& theFormat) {
        theFormat.setAlignmentHorizontal(myAlignmentHorizontal.toQt());
    }));
    aChange.merge(fieldChange(F::AlignmentVertical,
                              [this](F& theFormat) { theFormat.setAlignmentVertical(myAlignmentVertical.toQt()); }));
    if (mySpotColor) {
        aChange.merge(fieldChange(F::SpotColorText, [](F& theFormat) { theFormat.setSpotColorText(true); }));
        aChange.merge(
            fieldChange(F::SpotColorBackground, [](F& theFormat) { theFormat.setSpotColorBackground(false); }));
    }
    aChange.merge(fieldChange(F::LetterSpacing, [this](F& theFormat) {
        theFormat.setLetterSpacing(LMDistance(myLetterSpacing, LMDistanceUnit::Millimetre));
    }));
    aChange.merge(fieldChange(F::LineHeight,
                              [this](F& theFormat) { theFormat.setLineHeightPercent(qRound(myLineHeight * 100)); }));
    return aChange;
}
