#include "LMSVGTransformReader.h"

#include "LMMath.h"
#include "LMPlatformLogging.h"

#include <QDomElement>
#include <QtMath>
#include <QVarLengthArray>

#include <cmath>
#include <optional>

namespace {

const QString STR_TRANSFORM = QStringLiteral("transform");

// Walks the text of one transform list. The grammar is SVG's: functions separated by blanks
// and/or one comma, arguments separated the same way, numbers that may touch ("10-5", ".5.5").
class TransformScanner
{
public:
    explicit TransformScanner(QStringView theText) : myText(theText) { }

    bool atEnd() const { return myPosition >= myText.size(); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(myText[myPosition]))
            ++myPosition;
    }

    // Blanks, at most one comma, blanks. Returns whether anything was skipped.
    bool skipSeparator()
    {
        const qsizetype aStart = myPosition;
        skipBlanks();
        if (!atEnd() && myText[myPosition] == u',') {
            ++myPosition;
            skipBlanks();
        }
        return myPosition != aStart;
    }

    bool take(char16_t theChar)
    {
        if (atEnd() || myText[myPosition] != theChar)
            return false;
        ++myPosition;
        return true;
    }

    QStringView name()
    {
        const qsizetype aStart = myPosition;
        while (!atEnd() && isAsciiLetter(myText[myPosition]))
            ++myPosition;
        return myText.sliced(aStart, myPosition - aStart);
    }

    std::optional<double> number()
    {
        const qsizetype aLength = LMSVGTransformReader::numberLength(myText.sliced(myPosition));
        if (aLength == 0)
            return std::nullopt;
        const QStringView aNumber = myText.sliced(myPosition, aLength);
        myPosition += aLength;
        return LMMath::parseDouble(aNumber);
    }

private:
    static bool isBlank(QChar theChar)
    {
        return theChar == u' ' || theChar == u'\t' || theChar == u'\n' || theChar == u'\r';
    }
    static bool isAsciiLetter(QChar theChar)
    {
        return (theChar >= u'a' && theChar <= u'z') || (theChar >= u'A' && theChar <= u'Z');
    }
    QStringView myText;
    qsizetype myPosition = 0;
};

QTransform skew(double theXDegrees, double theYDegrees)
{
    return QTransform(1.0, std::tan(qDegreesToRadians(theYDegrees)), std::tan(qDegreesToRadians(theXDegrees)), 1.0, 0.0,
                      0.0);
}

// The matrix of one function, or nothing when the name or the number of arguments is wrong.
std::optional<QTransform> functionMatrix(QStringView theName, const QVarLengthArray<double, 6>& theArguments)
{
    const qsizetype aCount = theArguments.size();
    if (theName == u"matrix" && aCount == 6) {
        return QTransform(theArguments[0], theArguments[1], theArguments[2], theArguments[3], theArguments[4],
                          theArguments[5]);
    }
    if (theName == u"translate" && (aCount == 1 || aCount == 2))
        return QTransform::fromTranslate(theArguments[0], aCount == 2 ? theArguments[1] : 0.0);
    if (theName == u"scale" && (aCount == 1 || aCount == 2))
        return QTransform::fromScale(theArguments[0], aCount == 2 ? theArguments[1] : theArguments[0]);
    if (theName == u"rotate" && (aCount == 1 || aCount == 3)) {
        // QTransform::rotate keeps quarter turns exact, which composed template groups rely on.
        QTransform aRotation;
        if (aCount == 3)
            aRotation.translate(theArguments[1], theArguments[2]);
        aRotation.rotate(theArguments[0]);
        if (aCount == 3)
            aRotation.translate(-theArguments[1], -theArguments[2]);
        return aRotation;
    }
    if (theName == u"skewX" && aCount == 1)
        return skew(theArguments[0], 0.0);
    if (theName == u"skewY" && aCount == 1)
        return skew(0.0, theArguments[0]);
    return std::nullopt;
}

std::optional<QTransform> parseList(QStringView theText)
{
    TransformScanner aScanner(theText);
    QTransform aResult;
    aScanner.skipBlanks();
    bool aFirst = true;
    while (!aScanner.atEnd()) {
        if (!aFirst) {
            // Functions may touch ("translate(1)scale(2)"), or stand apart by blanks and one comma.
            aScanner.skipSeparator();
            if (aScanner.atEnd())
                return std::nullopt; // a trailing comma
        }
        aFirst = false;
        const QStringView aName = aScanner.name();
        aScanner.skipBlanks();
        if (aName.isEmpty() || !aScanner.take(u'('))
            return std::nullopt;
        aScanner.skipBlanks();
        QVarLengthArray<double, 6> anArguments;
        while (!aScanner.take(u')')) {
            if (!anArguments.isEmpty())
                aScanner.skipSeparator();
            const std::optional<double> aNumber = aScanner.number();
            if (!aNumber || anArguments.size() == 6)
                return std::nullopt;
            anArguments.append(*aNumber);
            aScanner.skipBlanks();
        }
        const std::optional<QTransform> aMatrix = functionMatrix(aName, anArguments);
        if (!aMatrix)
            return std::nullopt;
        // The rightmost function acts first: with row vectors it stands leftmost in the product.
        aResult = *aMatrix * aResult;
        aScanner.skipBlanks();
    }
    return aResult;
}

} // namespace

qsizetype LMSVGTransformReader::numberLength(QStringView theText)
{
    qsizetype aPosition = 0;
    const auto aSkipDigits = [&] {
        const qsizetype aStart = aPosition;
        while (aPosition < theText.size() && theText[aPosition] >= u'0' && theText[aPosition] <= u'9')
            ++aPosition;
        return aPosition - aStart;
    };
    const auto aSkipSign = [&] {
        if (aPosition < theText.size() && (theText[aPosition] == u'+' || theText[aPosition] == u'-'))
            ++aPosition;
    };
    aSkipSign();
    const qsizetype anIntegerDigits = aSkipDigits();
    qsizetype aFractionDigits = 0;
    if (aPosition < theText.size() && theText[aPosition] == u'.') {
        ++aPosition;
        aFractionDigits = aSkipDigits();
    }
    if (anIntegerDigits + aFractionDigits == 0)
        return 0;
    if (aPosition < theText.size() && (theText[aPosition] == u'e' || theText[aPosition] == u'E')) {
        const qsizetype anExponentStart = aPosition;
        ++aPosition;
        aSkipSign();
        if (aSkipDigits() == 0)
            aPosition = anExponentStart; // "3em": the number ends before the letter
    }
    return aPosition;
}

QTransform LMSVGTransformReader::parse(QStringView theText)
{
    const std::optional<QTransform> aTransform = parseList(theText);
    if (aTransform)
        return *aTransform;
    qCWarning(lcPlatformRender).noquote()
        << QStringLiteral("malformed SVG transform \"%1\" read as identity").arg(theText.toString());
    return QTransform();
}

QTransform LMSVGTransformReader::transformMatrix(const QDomElement& theElement)
{
    QTransform aResult;
    for (QDomElement anElement = theElement; !anElement.isNull(); anElement = anElement.parentNode().toElement()) {
        const QDomAttr aTransform = anElement.attributeNode(STR_TRANSFORM);
        if (!aTransform.isNull())
            aResult = aResult * parse(aTransform.value());
    }
    return aResult;
}
