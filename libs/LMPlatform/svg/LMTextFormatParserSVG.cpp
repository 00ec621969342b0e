#include "LMTextFormatParserSVG.h"

#include "LMMath.h"
#include "LMPlatformLogging.h"
#include "LMSVGTransformReader.h"

#include <QDomElement>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

// The attribute of an element's own declarations.
const QString STR_STYLE = QStringLiteral("style");
const QString STR_FONT_FAMILY = QStringLiteral("font-family");
const QString STR_FONT_SIZE = QStringLiteral("font-size");
const QString STR_FONT_WEIGHT = QStringLiteral("font-weight");
const QString STR_FONT_STYLE = QStringLiteral("font-style");
const QString STR_FILL = QStringLiteral("fill");
const QString STR_TEXT_ANCHOR = QStringLiteral("text-anchor");
const QString STR_TEXT_ALIGN = QStringLiteral("text-align");
const QString STR_LETTER_SPACING = QStringLiteral("letter-spacing");
const QString STR_LINE_HEIGHT = QStringLiteral("line-height");

const QRegularExpression& rgbExpression()
{
    static const QRegularExpression anExpression(
        QStringLiteral(R"(^rgba?\(\s*([\d.]+)(%?)\s*,\s*([\d.]+)(%?)\s*,\s*([\d.]+)(%?)\s*(?:,\s*([\d.]+)\s*)?\)$)"),
        QRegularExpression::CaseInsensitiveOption);
    return anExpression;
}

const QRegularExpression& commentExpression()
{
    static const QRegularExpression anExpression(QStringLiteral(R"(/\*.*?\*/)"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    return anExpression;
}

void skipped(const QString& theName, const QString& theValue)
{
    qCDebug(lcPlatformRender) << "CSS value skipped:" << theName << theValue;
}

struct LMLength
{
    double myValue = 0.0;
    QString myUnit;
};

// A CSS number with an optional unit of letters or "%", blanks allowed between: "12", "-1.5e2 pt",
// ".5em", "120%". Read without a regular expression: every text property of every ancestor of a
// text is one.
std::optional<LMLength> readLength(const QString& theValue)
{
    const QStringView aText(theValue);
    const qsizetype anEnd = LMSVGTransformReader::numberLength(aText);
    if (anEnd == 0)
        return std::nullopt;
    const std::optional<double> aValue = LMMath::parseDouble(aText.first(anEnd));
    if (!aValue)
        return std::nullopt;
    qsizetype aUnit = anEnd;
    while (aUnit < aText.size() && QStringView(u" \t\n\v\f\r").contains(aText[aUnit]))
        ++aUnit;
    const QStringView aUnitText = aText.sliced(aUnit);
    if (aUnitText != u"%") {
        for (const QChar aChar : aUnitText)
            if (!((aChar >= u'a' && aChar <= u'z') || (aChar >= u'A' && aChar <= u'Z')))
                return std::nullopt;
    }
    return LMLength { *aValue, aUnitText.toString().toLower() };
}

// Points per unit; user units ("px" or none) follow the document's DPI.
std::optional<double> pointsPerUnit(const QString& theUnit, double theDpi)
{
    if (theUnit.isEmpty() || theUnit == u"px")
        return 72.0 / theDpi;
    if (theUnit == u"pt")
        return 1.0;
    if (theUnit == u"mm")
        return 72.0 / 25.4;
    if (theUnit == u"cm")
        return 72.0 / 2.54;
    if (theUnit == u"in")
        return 72.0;
    if (theUnit == u"pc")
        return 12.0;
    return std::nullopt;
}

std::optional<double> readPoints(const QString& theValue, double theDpi)
{
    const std::optional<LMLength> aLength = readLength(theValue);
    if (!aLength)
        return std::nullopt;
    const std::optional<double> aFactor = pointsPerUnit(aLength->myUnit, theDpi);
    if (!aFactor)
        return std::nullopt;
    return aLength->myValue * *aFactor;
}

std::optional<int> readChannel(const QString& theNumber, bool thePercent)
{
    bool anOk = false;
    const double aValue = theNumber.toDouble(&anOk);
    if (!anOk)
        return std::nullopt;
    const double aScaled = thePercent ? aValue * 255.0 / 100.0 : aValue;
    if (!std::isfinite(aScaled))
        return std::nullopt;
    return LMMath::boundedInt(aScaled, 0, 255, 0);
}

QColor readColor(const QString& theValue)
{
    const QString aLower = theValue.toLower();
    if (aLower == u"none" || aLower == u"transparent")
        return QColor(Qt::transparent);
    const QRegularExpressionMatch aMatch = rgbExpression().match(theValue);
    if (aMatch.hasMatch()) {
        const auto aRed = readChannel(aMatch.captured(1), !aMatch.captured(2).isEmpty());
        const auto aGreen = readChannel(aMatch.captured(3), !aMatch.captured(4).isEmpty());
        const auto aBlue = readChannel(aMatch.captured(5), !aMatch.captured(6).isEmpty());
        if (!aRed || !aGreen || !aBlue)
            return QColor();
        QColor aColor(*aRed, *aGreen, *aBlue);
        if (aMatch.capturedStart(7) >= 0) {
            bool anOk = false;
            const double anAlpha = aMatch.captured(7).toDouble(&anOk);
            if (!anOk)
                return QColor();
            aColor.setAlphaF(float(qBound(0.0, anAlpha, 1.0)));
        }
        return aColor;
    }
    // "#rgb", "#rrggbb" and the colour names of SVG; "#aarrggbb" is no CSS colour.
    if (aLower.startsWith(QLatin1Char('#')) && aLower.size() != 4 && aLower.size() != 7)
        return QColor();
    return QColor::fromString(aLower);
}

// The first family of a font-family list, without quotes.
QString readFontFamily(const QString& theValue)
{
    QString aFirst = theValue.section(QLatin1Char(','), 0, 0).trimmed();
    if (aFirst.size() >= 2
        && ((aFirst.startsWith(QLatin1Char('"')) && aFirst.endsWith(QLatin1Char('"')))
            || (aFirst.startsWith(QLatin1Char('\'')) && aFirst.endsWith(QLatin1Char('\'')))))
        aFirst = aFirst.sliced(1, aFirst.size() - 2).trimmed();
    return aFirst;
}

LMTextFormatChange change(const LMTextFormat& theFormat, LMTextFormat::Field theField)
{
    return LMTextFormatChange(theFormat, LMTextFormat::Fields(theField));
}

} // namespace

const QStringList& LMTextFormatParserSVG::propertyNames()
{
    static const QStringList ourNames = { STR_FONT_FAMILY, STR_FONT_SIZE,  STR_FONT_WEIGHT,    STR_FONT_STYLE, STR_FILL,
                                          STR_TEXT_ANCHOR, STR_TEXT_ALIGN, STR_LETTER_SPACING, STR_LINE_HEIGHT };
    return ourNames;
}

LMTextFormatChange LMTextFormatParserSVG::parseProperty(const QString& theName, const QString& theValue, double theDpi)
{
    Q_ASSERT_X(theDpi > 0.0, "LMTextFormatParserSVG::parseProperty", "the DPI must be positive");
    const QString aName = theName.trimmed().toLower();
    QString aValue = theValue.trimmed();
    if (aValue.endsWith(QLatin1String("!important"), Qt::CaseInsensitive))
        aValue = aValue.chopped(10).trimmed();
    const QString aKeyword = aValue.toLower();
    LMTextFormat aFormat;

    if (aName == STR_FONT_FAMILY) {
        const QString aFamily = readFontFamily(aValue);
        if (!aFamily.isEmpty()) {
            aFormat.setFontFamily(aFamily);
            return change(aFormat, LMTextFormat::FontFamily);
        }
    } else if (aName == STR_FONT_SIZE) {
        const std::optional<double> aPoints = readPoints(aValue, theDpi);
        if (aPoints && *aPoints > 0.0) {
            aFormat.setFontSize(*aPoints);
            return change(aFormat, LMTextFormat::FontSize);
        }
    } else if (aName == STR_FONT_WEIGHT) {
        bool aNumeric = false;
        const int aWeight = aKeyword.toInt(&aNumeric);
        if (aKeyword == u"bold" || aKeyword == u"bolder" || aKeyword == u"normal" || aKeyword == u"lighter"
            || (aNumeric && aWeight >= 1 && aWeight <= 1000)) {
            aFormat.setBold(aKeyword == u"bold" || aKeyword == u"bolder" || (aNumeric && aWeight >= 600));
            return change(aFormat, LMTextFormat::Bold);
        }
    } else if (aName == STR_FONT_STYLE) {
        if (aKeyword == u"italic" || aKeyword == u"oblique" || aKeyword == u"normal") {
            aFormat.setItalic(aKeyword != u"normal");
            return change(aFormat, LMTextFormat::Italic);
        }
    } else if (aName == STR_FILL) {
        const QColor aColor = readColor(aValue);
        if (aColor.isValid()) {
            aFormat.setFontColor(aColor);
            return change(aFormat, LMTextFormat::FontColor);
        }
    } else if (aName == STR_TEXT_ANCHOR || aName == STR_TEXT_ALIGN) {
        Qt::Alignment anAlignment;
        if (aKeyword == u"start" || aKeyword == u"left")
            anAlignment = Qt::AlignLeft;
        else if (aKeyword == u"middle" || aKeyword == u"center")
            anAlignment = Qt::AlignHCenter;
        else if (aKeyword == u"end" || aKeyword == u"right")
            anAlignment = Qt::AlignRight;
        else if (aKeyword == u"justify" && aName == STR_TEXT_ALIGN)
            anAlignment = Qt::AlignJustify;
        if (anAlignment) {
            aFormat.setAlignmentHorizontal(anAlignment);
            return change(aFormat, LMTextFormat::AlignmentHorizontal);
        }
    } else if (aName == STR_LETTER_SPACING) {
        const std::optional<double> aPoints = aKeyword == u"normal" ? 0.0 : readPoints(aValue, theDpi);
        if (aPoints) {
            aFormat.setLetterSpacing(LMDistance(*aPoints * 25.4 / 72.0, LMDistanceUnit::Millimetre));
            return change(aFormat, LMTextFormat::LetterSpacing);
        }
    } else if (aName == STR_LINE_HEIGHT) {
        // A plain number or a percentage of the font size; absolute lengths are not kept.
        const std::optional<LMLength> aLength
            = aKeyword == u"normal" ? LMLength { 1.0, QString() } : readLength(aValue);
        if (aLength && aLength->myValue > 0.0 && (aLength->myUnit.isEmpty() || aLength->myUnit == u"%")) {
            const double aPercent = aLength->myUnit.isEmpty() ? aLength->myValue * 100.0 : aLength->myValue;
            // Kept within what a line height can sensibly be: a hundred times the font size.
            aFormat.setLineHeightPercent(LMMath::boundedInt(aPercent, 1, 10000, 100));
            return change(aFormat, LMTextFormat::LineHeight);
        }
    } else {
        return LMTextFormatChange();
    }
    skipped(aName, theValue);
    return LMTextFormatChange();
}

LMTextFormatChange LMTextFormatParserSVG::parseCSS(const QString& theCssText, double theDpi)
{
    Q_ASSERT_X(theDpi > 0.0, "LMTextFormatParserSVG::parseCSS", "the DPI must be positive");
    QString aText = theCssText;
    aText.remove(commentExpression());

    // The declaration blocks of a sheet, or the whole text when it is a declaration list.
    QStringList aBlocks;
    if (aText.contains(QLatin1Char('{'))) {
        qsizetype aPosition = 0;
        while (true) {
            const qsizetype anOpen = aText.indexOf(QLatin1Char('{'), aPosition);
            if (anOpen < 0)
                break;
            const qsizetype aClose = aText.indexOf(QLatin1Char('}'), anOpen + 1);
            // An unclosed last block runs to the end, as CSS reads it.
            aBlocks.append(aText.sliced(anOpen + 1, (aClose < 0 ? aText.size() : aClose) - anOpen - 1));
            if (aClose < 0)
                break;
            aPosition = aClose + 1;
        }
    } else {
        aBlocks.append(aText);
    }

    LMTextFormatChange aResult;
    for (const QString& aBlock : std::as_const(aBlocks)) {
        const QStringList aDeclarations = aBlock.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& aDeclaration : aDeclarations) {
            const qsizetype aColon = aDeclaration.indexOf(QLatin1Char(':'));
            if (aColon < 0) {
                if (!aDeclaration.trimmed().isEmpty())
                    skipped(aDeclaration.trimmed(), QString());
                continue;
            }
            aResult.merge(parseProperty(aDeclaration.first(aColon), aDeclaration.sliced(aColon + 1), theDpi));
        }
    }
    return aResult;
}

LMTextFormatChange LMTextFormatParserSVG::elementFormat(const QDomElement& theElement, double theDpi)
{
    QList<QDomElement> aPath;
    for (QDomElement anElement = theElement; !anElement.isNull(); anElement = anElement.parentNode().toElement())
        aPath.prepend(anElement);
    // From the document element down, so that nearer elements override what they inherit.
    LMTextFormatChange aResult;
    for (const QDomElement& anElement : std::as_const(aPath)) {
        if (!anElement.hasAttributes())
            continue;
        for (const QString& aName : propertyNames()) {
            if (anElement.hasAttribute(aName))
                aResult.merge(parseProperty(aName, anElement.attribute(aName), theDpi));
        }
        if (anElement.hasAttribute(STR_STYLE))
            aResult.merge(parseCSS(anElement.attribute(STR_STYLE), theDpi));
    }
    return aResult;
}
