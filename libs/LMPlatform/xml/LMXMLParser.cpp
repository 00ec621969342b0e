#include "LMXMLParser.h"

#include "LMPlatformLogging.h"

#include <QDomAttr>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

void logMalformed(QStringView theText, const QString& theName, QStringView theTag)
{
    qCDebug(lcPlatformXml).noquote()
        << QStringLiteral("malformed value \"%1\" of attribute %2 of <%3>").arg(theText, theName, theTag);
}

// The parsed value of the attribute thePrefix + theWord, or of theName, of either kind of
// element; nothing when it is missing or malformed (logged at debug level).
template <typename Parse>
auto valueOf(const QDomElement& theElement, const QString& theName, Parse theParse) -> decltype(theParse(QStringView()))
{
    // attributeNode() is not const, though it changes nothing.
    const QDomAttr anAttribute = QDomElement(theElement).attributeNode(theName);
    if (anAttribute.isNull())
        return std::nullopt;
    const QString aText = anAttribute.value();
    auto aValue = theParse(aText);
    if (!aValue)
        logMalformed(aText, theName, theElement.tagName());
    return aValue;
}

// A DOM lookup takes a QString: the words read without a prefix (geometry of every SVG element)
// are made once instead of on each read.
const QString* unprefixedWord(QLatin1StringView theWord)
{
    static const QString ourWords[]
        = { LMXMLParser::WORD_X,      LMXMLParser::WORD_Y,      LMXMLParser::WORD_WIDTH,
            LMXMLParser::WORD_HEIGHT, LMXMLParser::WORD_LEFT,   LMXMLParser::WORD_TOP,
            LMXMLParser::WORD_RIGHT,  LMXMLParser::WORD_BOTTOM, LMXMLParser::WORD_VIEW_BOX };
    for (const QString& aWord : ourWords)
        if (aWord == theWord)
            return &aWord;
    return nullptr;
}

template <typename Parse>
auto valueOf(const QDomElement& theElement, QStringView thePrefix, QLatin1StringView theWord, Parse theParse)
    -> decltype(theParse(QStringView()))
{
    if (thePrefix.isEmpty())
        if (const QString* aWord = unprefixedWord(theWord))
            return valueOf(theElement, *aWord, theParse);
    return valueOf(theElement, thePrefix.toString() + theWord, theParse);
}

template <typename Parse>
auto valueOf(const LMXMLElement& theElement, QStringView thePrefix, QLatin1StringView theWord, Parse theParse)
    -> decltype(theParse(QStringView()))
{
    const std::optional<QStringView> aText = theElement.findAttribute(thePrefix, theWord);
    if (!aText)
        return std::nullopt;
    auto aValue = theParse(*aText);
    if (!aValue)
        logMalformed(*aText, thePrefix.toString() + theWord, theElement.tagName());
    return aValue;
}

template <typename Parse>
auto valueOf(const LMXMLElement& theElement, const QString& theName, Parse theParse)
    -> decltype(theParse(QStringView()))
{
    return valueOf(theElement, theName, QLatin1StringView(), theParse);
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
std::optional<QSizeF> viewBoxSize(QStringView theText)
{
    static const QRegularExpression aSeparators(QStringLiteral("[\\s,]+"));
    const QList<QStringView> aParts = theText.trimmed().split(aSeparators, Qt::SkipEmptyParts);
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
        return valueOf(theSource, thePrefix, theWord, &LMXMLParser::parseDouble).value_or(theFallback);
    };
    return QRectF(aRead(LMXMLParser::WORD_X, theDefault.x()), aRead(LMXMLParser::WORD_Y, theDefault.y()),
                  aRead(LMXMLParser::WORD_WIDTH, theDefault.width()),
                  aRead(LMXMLParser::WORD_HEIGHT, theDefault.height()));
}

template <typename Source>
QRect readRectFrom(const Source& theSource, const QRect& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, int theFallback) {
        return valueOf(theSource, thePrefix, theWord, &LMXMLParser::parseInt).value_or(theFallback);
    };
    return QRect(aRead(LMXMLParser::WORD_X, theDefault.x()), aRead(LMXMLParser::WORD_Y, theDefault.y()),
                 aRead(LMXMLParser::WORD_WIDTH, theDefault.width()),
                 aRead(LMXMLParser::WORD_HEIGHT, theDefault.height()));
}

template <typename Source>
QSizeF readSizeFFrom(const Source& theSource, const QSizeF& theDefault, const QString& thePrefix)
{
    const std::optional<double> aWidth
        = valueOf(theSource, thePrefix, LMXMLParser::WORD_WIDTH, &LMXMLParser::parseDouble);
    const std::optional<double> aHeight
        = valueOf(theSource, thePrefix, LMXMLParser::WORD_HEIGHT, &LMXMLParser::parseDouble);
    QSizeF aFallback = theDefault;
    if ((!aWidth || !aHeight) && thePrefix.isEmpty()) {
        const auto aViewBox = valueOf(theSource, QStringView(), LMXMLParser::WORD_VIEW_BOX, &viewBoxSize);
        if (aViewBox)
            aFallback = *aViewBox;
    }
    return QSizeF(aWidth.value_or(aFallback.width()), aHeight.value_or(aFallback.height()));
}

template <typename Source>
QSize readSizeFrom(const Source& theSource, const QSize& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, int theFallback) {
        return valueOf(theSource, thePrefix, theWord, &LMXMLParser::parseInt).value_or(theFallback);
    };
    return QSize(aRead(LMXMLParser::WORD_WIDTH, theDefault.width()),
                 aRead(LMXMLParser::WORD_HEIGHT, theDefault.height()));
}

template <typename Source>
QMarginsF readMarginsFrom(const Source& theSource, const QMarginsF& theDefault, const QString& thePrefix)
{
    const auto aRead = [&](QLatin1StringView theWord, double theFallback) {
        return valueOf(theSource, thePrefix, theWord, &LMXMLParser::parseDouble).value_or(theFallback);
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
    const QDomAttr anAttribute = QDomElement(theElement).attributeNode(theName);
    return anAttribute.isNull() ? theDefault : anAttribute.value();
}

QString LMXMLParser::attribute(const LMXMLElement& theElement, const QString& theName, const QString& theDefault)
{
    return theElement.attribute(theName, theDefault);
}

bool LMXMLParser::boolAttribute(const QDomElement& theElement, const QString& theName, bool theDefault)
{
    return valueOf(theElement, theName, &parseBool).value_or(theDefault);
}

bool LMXMLParser::boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault)
{
    return valueOf(theElement, theName, &parseBool).value_or(theDefault);
}

int LMXMLParser::intAttribute(const QDomElement& theElement, const QString& theName, int theDefault)
{
    return valueOf(theElement, theName, &parseInt).value_or(theDefault);
}

int LMXMLParser::intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault)
{
    return valueOf(theElement, theName, &parseInt).value_or(theDefault);
}

double LMXMLParser::doubleAttribute(const QDomElement& theElement, const QString& theName, double theDefault)
{
    return valueOf(theElement, theName, &parseDouble).value_or(theDefault);
}

double LMXMLParser::doubleAttribute(const LMXMLElement& theElement, const QString& theName, double theDefault)
{
    return valueOf(theElement, theName, &parseDouble).value_or(theDefault);
}

QColor LMXMLParser::colorAttribute(const QDomElement& theElement, const QString& theName, const QColor& theDefault)
{
    return valueOf(theElement, theName, &parseColor).value_or(theDefault);
}

QColor LMXMLParser::colorAttribute(const LMXMLElement& theElement, const QString& theName, const QColor& theDefault)
{
    return valueOf(theElement, theName, &parseColor).value_or(theDefault);
}

QColor LMXMLParser::colorAttributeEx(const QDomElement& theElement, const QString& theName, const QColor& theDefault)
{
    return valueOf(theElement, theName, &parseColorEx).value_or(theDefault);
}

QColor LMXMLParser::colorAttributeEx(const LMXMLElement& theElement, const QString& theName, const QColor& theDefault)
{
    return valueOf(theElement, theName, &parseColorEx).value_or(theDefault);
}

LMAngle LMXMLParser::readAngle(const QDomElement& theElement, const QString& theName, LMAngle theDefault)
{
    return valueOf(theElement, theName, &parseAngle).value_or(theDefault);
}

LMAngle LMXMLParser::readAngle(const LMXMLElement& theElement, const QString& theName, LMAngle theDefault)
{
    return valueOf(theElement, theName, &parseAngle).value_or(theDefault);
}

LMDistance LMXMLParser::readDistance(const QDomElement& theElement, const QString& theName,
                                     const LMDistance& theDefault)
{
    return valueOf(theElement, theName, &parseDistance).value_or(theDefault);
}

LMDistance LMXMLParser::readDistance(const LMXMLElement& theElement, const QString& theName,
                                     const LMDistance& theDefault)
{
    return valueOf(theElement, theName, &parseDistance).value_or(theDefault);
}

QRectF LMXMLParser::readRectF(const QDomElement& theElement, const QRectF& theDefault, const QString& thePrefix)
{
    return readRectFFrom(theElement, theDefault, thePrefix);
}

QRectF LMXMLParser::readRectF(const LMXMLElement& theElement, const QRectF& theDefault, const QString& thePrefix)
{
    return readRectFFrom(theElement, theDefault, thePrefix);
}

QRect LMXMLParser::readRect(const QDomElement& theElement, const QRect& theDefault, const QString& thePrefix)
{
    return readRectFrom(theElement, theDefault, thePrefix);
}

QRect LMXMLParser::readRect(const LMXMLElement& theElement, const QRect& theDefault, const QString& thePrefix)
{
    return readRectFrom(theElement, theDefault, thePrefix);
}

QSizeF LMXMLParser::readSizeF(const QDomElement& theElement, const QSizeF& theDefault, const QString& thePrefix)
{
    return readSizeFFrom(theElement, theDefault, thePrefix);
}

QSizeF LMXMLParser::readSizeF(const LMXMLElement& theElement, const QSizeF& theDefault, const QString& thePrefix)
{
    return readSizeFFrom(theElement, theDefault, thePrefix);
}

QSize LMXMLParser::readSize(const QDomElement& theElement, const QSize& theDefault, const QString& thePrefix)
{
    return readSizeFrom(theElement, theDefault, thePrefix);
}

QSize LMXMLParser::readSize(const LMXMLElement& theElement, const QSize& theDefault, const QString& thePrefix)
{
    return readSizeFrom(theElement, theDefault, thePrefix);
}

QMarginsF LMXMLParser::readMargins(const QDomElement& theElement, const QMarginsF& theDefault, const QString& thePrefix)
{
    return readMarginsFrom(theElement, theDefault, thePrefix);
}

QMarginsF LMXMLParser::readMargins(const LMXMLElement& theElement, const QMarginsF& theDefault,
                                   const QString& thePrefix)
{
    return readMarginsFrom(theElement, theDefault, thePrefix);
}

QDomElement LMXMLParser::nextElement(const QDomElement& theElement, const QString& theTagName)
{
    return theElement.isNull() ? QDomElement() : theElement.nextSiblingElement(theTagName);
}
