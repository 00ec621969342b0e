#include "LMColorReplacementInstructions.h"

#include "LMXMLElement.h"

#include <QDomElement>
#include <QRegularExpression>

#include <functional>

namespace {
const QString STR_COLOR_REPLACEMENT = QStringLiteral("colorReplacement");
const QString STR_FROM = QStringLiteral("from");
const QString STR_TO = QStringLiteral("to");

// A fill or stroke colour, as attribute (fill="#f00") or style property (fill:#f00).
const QRegularExpression& colorPattern()
{
    static const QRegularExpression ourPattern(
        QStringLiteral(R"(((?:fill|stroke)\s*(?:=\s*["']|:\s*))([#A-Za-z0-9]+))"));
    return ourPattern;
}

QByteArray rewriteColors(const QByteArray& theSvg, const std::function<QColor(const QColor&)>& theMap)
{
    const QString aText = QString::fromUtf8(theSvg);
    QString aResult;
    aResult.reserve(aText.size());
    qsizetype aLast = 0;
    QRegularExpressionMatchIterator anIt = colorPattern().globalMatch(aText);
    while (anIt.hasNext()) {
        const QRegularExpressionMatch aMatch = anIt.next();
        const QColor aColor(aMatch.captured(2));
        if (!aColor.isValid())
            continue;
        aResult += QStringView(aText).mid(aLast, aMatch.capturedStart(2) - aLast);
        aResult += theMap(aColor).name();
        aLast = aMatch.capturedEnd(2);
    }
    aResult += QStringView(aText).mid(aLast);
    return aResult.toUtf8();
}
} // namespace

void LMColorReplacementInstructions::add(const QColor& theFrom, const QColor& theTo)
{
    for (Replacement& aReplacement : myReplacements) {
        if (aReplacement.first == theFrom) {
            aReplacement.second = theTo;
            return;
        }
    }
    myReplacements.append(Replacement(theFrom, theTo));
}

QColor LMColorReplacementInstructions::replaced(const QColor& theColor) const
{
    for (const Replacement& aReplacement : myReplacements) {
        if (aReplacement.first.rgb() == theColor.rgb())
            return aReplacement.second;
    }
    return theColor;
}

QByteArray LMColorReplacementInstructions::apply(const QByteArray& theSvg) const
{
    if (myReplacements.isEmpty())
        return theSvg;
    return rewriteColors(theSvg, [this](const QColor& theColor) { return replaced(theColor); });
}

QByteArray LMColorReplacementInstructions::applyUniformColor(const QByteArray& theSvg, const QColor& theColor)
{
    return rewriteColors(theSvg, [theColor](const QColor&) { return theColor; });
}

QList<QColor> LMColorReplacementInstructions::colorsOf(const QByteArray& theSvg)
{
    QList<QColor> aColors;
    rewriteColors(theSvg, [&aColors](const QColor& theColor) {
        if (!aColors.contains(theColor))
            aColors.append(theColor);
        return theColor;
    });
    return aColors;
}

LMColorReplacementInstructions LMColorReplacementInstructions::fromXML(const LMXMLElement& theElement)
{
    LMColorReplacementInstructions anInstructions;
    for (LMXMLElement aChild = theElement.firstChildElement(STR_COLOR_REPLACEMENT); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_COLOR_REPLACEMENT)) {
        const QColor aFrom(aChild.attribute(STR_FROM));
        const QColor aTo(aChild.attribute(STR_TO));
        if (aFrom.isValid() && aTo.isValid())
            anInstructions.add(aFrom, aTo);
    }
    return anInstructions;
}

void LMColorReplacementInstructions::toXML(QDomElement& theElement) const
{
    for (const Replacement& aReplacement : myReplacements) {
        QDomElement aChild = theElement.ownerDocument().createElement(STR_COLOR_REPLACEMENT);
        aChild.setAttribute(STR_FROM, aReplacement.first.name());
        aChild.setAttribute(STR_TO, aReplacement.second.name());
        theElement.appendChild(aChild);
    }
}
