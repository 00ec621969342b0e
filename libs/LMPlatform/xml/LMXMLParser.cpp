#include "LMXMLParser.h"

#include "LMPlatformLogging.h"

#include <QDomAttr>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

QDomAttr attributeOf(const QDomElement& theElement, const QString& theName)
{
    // attributeNode() is not const, though it changes nothing.
    return QDomElement(theElement).attributeNode(theName);
}

QDomAttr attributeOf(const QDomNamedNodeMap& theAttributes, const QString& theName)
{
    return theAttributes.namedItem(theName).toAttr();
}

// The parsed value of the attribute, or nothing when it is missing or malformed.
template <typename Parse>
auto valueOf(const QDomAttr& theAttribute, Parse theParse) -> decltype(theParse(QStringView()))
{
    if (theAttribute.isNull())
        return std::nullopt;
    const QString aText = theAttribute.value();
    auto aValue = theParse(aText);
    if (!aValue) {
        qCDebug(lcPlatformXml).noquote() << QStringLiteral("malformed value \"%1\" of attribute %2 of <%3>")
                                                .arg(aText, theAttribute.name(), theAttribute.ownerElement().tagName());
    }
    return aValue;
}

std::optional<int> parseHexDigit(char16_t theChar)
{
    if (theChar >= u'0' && theChar <= u'9')
        return theChar - u'0';
    if (theChar >= u'a' && theChar <= u'f')
        return theChar - u'a' + 10;
    if (theChar >= u'A' && theChar <= u'F')
        return theChar - u'A' + 10;
    return std::nullopt;
}

// "width" and "height" of the SVG user space: the last two of the four numbers of a viewBox.
std::optional<QSizeF> viewBoxSize(const QDomAttr& theAttribute)
{
    if (theAttribute.isNull())
        return std::nullopt;
    static const QRegularExpression aSeparators(QStringLiteral("[\\s,]+"));
    const QStringList aParts = theAttribute.value().trimmed().split(aSeparators, Qt::SkipEmptyParts);
    if (aParts.size() != 4)
        return std::nullopt;
    const std::optional<double> aWidth = LMXMLParser::parseDouble(aParts.at(2));
    const std::optional<double> aHeight = LMXMLParser::parseDouble(aParts.at(3));
    if (!aWidth || !aHeight)
        return std::nullopt;
    return QSizeF(*aWidth, *aHeight);
}

template <typename Source>
QRectF readRectFFrom(const Source& theSource, const QRectF& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, double theFallback) {
        return valueOf(attributeOf(theSource, thePrefix + theWord), &LMXMLParser::parseDouble).value_or(theFallback);
    };
    return QRectF(aRead(LMXMLParser::WORD_X, theDefault.x()), aRead(LMXMLParser::WORD_Y, theDefault.y()),
                  aRead(LMXMLParser::WORD_WIDTH, theDefault.width()),
                  aRead(LMXMLParser::WORD_HEIGHT, theDefault.height()));
}

template <typename Source>
QRect readRectFrom(const Source& theSource, const QRect& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, int theFallback) {
        return valueOf(attributeOf(theSource, thePrefix + theWord), &LMXMLParser::parseInt).value_or(theFallback);
    };
    return QRect(aRead(LMXMLParser::WORD_X, theDefault.x()), aRead(LMXMLParser::WORD_Y, theDefault.y()),
                 aRead(LMXMLParser::WORD_WIDTH, theDefault.width()),
                 aRead(LMXMLParser::WORD_HEIGHT, theDefault.height()));
}

template <typename Source>
QSizeF readSizeFFrom(const Source& theSource, const QSizeF& theDefault, const QString& thePrefix)
{
    const std::optional<double> aWidth
        = valueOf(attributeOf(theSource, thePrefix + LMXMLParser::WORD_WIDTH), &LMXMLParser::parseDouble);
    const std::optional<double> aHeight
        = valueOf(attributeOf(theSource, thePrefix + LMXMLParser::WORD_HEIGHT), &LMXMLParser::parseDouble);
    QSizeF aFallback = theDefault;
    if ((!aWidth || !aHeight) && thePrefix.isEmpty()) {
        if (const std::optional<QSizeF> aViewBox
            = viewBoxSize(attributeOf(theSource, QString(LMXMLParser::WORD_VIEW_BOX))))
            aFallback = *aViewBox;
    }
    return QSizeF(aWidth.value_or(aFallback.width()), aHeight.value_or(aFallback.height()));
}

template <typename Source>
QSize readSizeFrom(const Source& theSource, const QSize& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, int theFallback) {
        return valueOf(attributeOf(theSource, thePrefix + theWord), &LMXMLParser::parseInt).value_or(theFallback);
    };
    return QSize(aRead(LMXMLParser::WORD_WIDTH, theDefault.width()),
                 aRead(LMXMLParser::WORD_HEIGHT, theDefault.height()));
}

template <typename Source>
QMarginsF readMarginsFrom(const Source& theSource, const QMarginsF& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, double theFallback) {
        return valueOf(attributeOf(theSource, thePrefix + theWord), &LMXMLParser::parseDouble).value_or(theFallback);
    };
    return QMarginsF(aRead(LMXMLParser::WORD_LEFT, theDefault.left()), aRead(LMXMLParser::WORD_TOP, theDefault.top()),
                     aRead(LMXMLParser::WORD_RIGHT, theDefault.right()),
                     aRead(LMXMLParser::WORD_BOTTOM, theDefault.bottom()));
}

std::optional<LMAngle> parseAngle(QStringView theText)
{
    const std::optional<double> aDegrees = LMXMLParser::parseDouble(theText);
    if (!aDegrees)
        return std::nullopt;
    const double aRounded = std::round(*aDegrees);
    if (aRounded < double(std::numeric_limits<int>::min()) || aRounded > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return LMAngle(int(aRounded));
}

std::optional<LMDistance> parseDistance(QStringView theText)
{
    bool anOk = false;
    const LMDistance aDistance = LMDistance::fromString(theText.toString(), &anOk);
    return anOk ? std::optional<LMDistance>(aDistance) : std::nullopt;
}

} // namespace

std::optional<bool> LMXMLParser::parseBool(QStringView theText)
{
    const QStringView aText = theText.trimmed();
    for (const auto aWord : { QLatin1StringView("true"), QLatin1StringView("yes"), QLatin1StringView("1") }) {
        if (aText.compare(aWord, Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const auto aWord : { QLatin1StringView("false"), QLatin1StringView("no"), QLatin1StringView("0") }) {
        if (aText.compare(aWord, Qt::CaseInsensitive) == 0)
            return false;
    }
    return std::nullopt;
}

std::optional<int> LMXMLParser::parseInt(QStringView theText)
{
    bool anOk = false;
    const int aValue = fastDecodeInt(theText, &anOk);
    return anOk ? std::optional<int>(aValue) : std::nullopt;
}

int LMXMLParser::fastDecodeInt(QStringView theText, bool* theOk)
{
    const QStringView aText = theText.trimmed();
    qsizetype anIndex = 0;
    bool aNegative = false;
    if (!aText.isEmpty() && (aText.front() == u'-' || aText.front() == u'+')) {
        aNegative = aText.front() == u'-';
        ++anIndex;
    }
    // The magnitude may reach 2^31 for a negative value, so that INT_MIN fits.
    qint64 aValue = 0;
    const qint64 aLimit = aNegative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    bool anOk = anIndex < aText.size();
    for (; anOk && anIndex < aText.size(); ++anIndex) {
        const char16_t aChar = aText[anIndex].unicode();
        anOk = aChar >= u'0' && aChar <= u'9';
        if (anOk) {
            aValue = aValue * 10 + (aChar - u'0');
            anOk = aValue <= aLimit;
        }
    }
    if (theOk)
        *theOk = anOk;
    return anOk ? int(aNegative ? -aValue : aValue) : 0;
}

std::optional<QColor> LMXMLParser::parseColor(QStringView theText)
{
    const QStringView aText = theText.trimmed();
    if (aText.isEmpty())
        return std::nullopt;
    if (aText.front() == u'#') {
        const qsizetype aDigits = aText.size() - 1;
        if (aDigits != 3 && aDigits != 6 && aDigits != 8)
            return std::nullopt;
        for (const QChar aChar : aText.sliced(1)) {
            if (!parseHexDigit(aChar.unicode()))
                return std::nullopt;
        }
    } else if (!QColor::isValidColorName(aText)) {
        return std::nullopt;
    }
    const QColor aColor = QColor::fromString(aText);
    return aColor.isValid() ? std::optional<QColor>(aColor) : std::nullopt;
}

std::optional<QColor> LMXMLParser::parseColorEx(QStringView theText)
{
    const QStringView aText = theText.trimmed();
    const qsizetype aComma = aText.lastIndexOf(u',');
    if (aComma < 0)
        return parseColor(aText);
    std::optional<QColor> aColor = parseColor(aText.first(aComma));
    const QStringView anAlpha = aText.sliced(aComma + 1);
    if (!aColor || anAlpha.isEmpty() || anAlpha.size() > 2)
        return std::nullopt;
    int aValue = 0;
    for (const QChar aChar : anAlpha) {
        const std::optional<int> aDigit = parseHexDigit(aChar.unicode());
        if (!aDigit)
            return std::nullopt;
        aValue = aValue * 16 + *aDigit;
    }
    aColor->setAlpha(aValue);
    return aColor;
}

QString LMXMLParser::attribute(const QDomElement& theElement, const QString& theName, const QString& theDefault)
{
    const QDomAttr anAttribute = attributeOf(theElement, theName);
    return anAttribute.isNull() ? theDefault : anAttribute.value();
}

QString LMXMLParser::attribute(const QDomNamedNodeMap& theAttributes, const QString& theName, const QString& theDefault)
{
    const QDomAttr anAttribute = attributeOf(theAttributes, theName);
    return anAttribute.isNull() ? theDefault : anAttribute.value();
}

bool LMXMLParser::boolAttribute(const QDomElement& theElement, const QString& theName, bool theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseBool).value_or(theDefault);
}

bool LMXMLParser::boolAttribute(const QDomNamedNodeMap& theAttributes, const QString& theName, bool theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseBool).value_or(theDefault);
}

int LMXMLParser::intAttribute(const QDomElement& theElement, const QString& theName, int theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseInt).value_or(theDefault);
}

int LMXMLParser::intAttribute(const QDomNamedNodeMap& theAttributes, const QString& theName, int theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseInt).value_or(theDefault);
}

double LMXMLParser::doubleAttribute(const QDomElement& theElement, const QString& theName, double theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseDouble).value_or(theDefault);
}

double LMXMLParser::doubleAttribute(const QDomNamedNodeMap& theAttributes, const QString& theName, double theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseDouble).value_or(theDefault);
}

QColor LMXMLParser::colorAttribute(const QDomElement& theElement, const QString& theName, const QColor& theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseColor).value_or(theDefault);
}

QColor LMXMLParser::colorAttribute(const QDomNamedNodeMap& theAttributes, const QString& theName,
                                   const QColor& theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseColor).value_or(theDefault);
}

QColor LMXMLParser::colorAttributeEx(const QDomElement& theElement, const QString& theName, const QColor& theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseColorEx).value_or(theDefault);
}

QColor LMXMLParser::colorAttributeEx(const QDomNamedNodeMap& theAttributes, const QString& theName,
                                     const QColor& theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseColorEx).value_or(theDefault);
}

LMAngle LMXMLParser::readAngle(const QDomElement& theElement, const QString& theName, LMAngle theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseAngle).value_or(theDefault);
}

LMAngle LMXMLParser::readAngle(const QDomNamedNodeMap& theAttributes, const QString& theName, LMAngle theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseAngle).value_or(theDefault);
}

LMDistance LMXMLParser::readDistance(const QDomElement& theElement, const QString& theName,
                                     const LMDistance& theDefault)
{
    return valueOf(attributeOf(theElement, theName), &parseDistance).value_or(theDefault);
}

LMDistance LMXMLParser::readDistance(const QDomNamedNodeMap& theAttributes, const QString& theName,
                                     const LMDistance& theDefault)
{
    return valueOf(attributeOf(theAttributes, theName), &parseDistance).value_or(theDefault);
}

QRectF LMXMLParser::readRectF(const QDomElement& theElement, const QRectF& theDefault, const QString& thePrefix)
{
    return readRectFFrom(theElement, theDefault, thePrefix);
}

QRectF LMXMLParser::readRectF(const QDomNamedNodeMap& theAttributes, const QRectF& theDefault, const QString& thePrefix)
{
    return readRectFFrom(theAttributes, theDefault, thePrefix);
}

QRect LMXMLParser::readRect(const QDomElement& theElement, const QRect& theDefault, const QString& thePrefix)
{
    return readRectFrom(theElement, theDefault, thePrefix);
}

QRect LMXMLParser::readRect(const QDomNamedNodeMap& theAttributes, const QRect& theDefault, const QString& thePrefix)
{
    return readRectFrom(theAttributes, theDefault, thePrefix);
}

QSizeF LMXMLParser::readSizeF(const QDomElement& theElement, const QSizeF& theDefault, const QString& thePrefix)
{
    return readSizeFFrom(theElement, theDefault, thePrefix);
}

QSizeF LMXMLParser::readSizeF(const QDomNamedNodeMap& theAttributes, const QSizeF& theDefault, const QString& thePrefix)
{
    return readSizeFFrom(theAttributes, theDefault, thePrefix);
}

QSize LMXMLParser::readSize(const QDomElement& theElement, const QSize& theDefault, const QString& thePrefix)
{
    return readSizeFrom(theElement, theDefault, thePrefix);
}

QSize LMXMLParser::readSize(const QDomNamedNodeMap& theAttributes, const QSize& theDefault, const QString& thePrefix)
{
    return readSizeFrom(theAttributes, theDefault, thePrefix);
}

QMarginsF LMXMLParser::readMargins(const QDomElement& theElement, const QMarginsF& theDefault, const QString& thePrefix)
{
    return readMarginsFrom(theElement, theDefault, thePrefix);
}

QMarginsF LMXMLParser::readMargins(const QDomNamedNodeMap& theAttributes, const QMarginsF& theDefault,
                                   const QString& thePrefix)
{
    return readMarginsFrom(theAttributes, theDefault, thePrefix);
}

QDomElement LMXMLParser::nextElement(const QDomElement& theElement, const QString& theTagName)
{
    return theElement.isNull() ? QDomElement() : theElement.nextSiblingElement(theTagName);
}
