#include "LMTextFormatChange.h"

#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

namespace {
const QString STR_TEXT_FORMAT = QStringLiteral("textformat");
} // namespace

void LMTextFormatChange::merge(const LMTextFormatChange& theOther)
{
    myFormat.merge(theOther.myFormat, theOther.myFields);
    myFields |= theOther.myFields;
}

LMTextFormat LMTextFormatChange::appliedTo(const LMTextFormat& theFormat) const
{
    LMTextFormat aResult = theFormat;
    aResult.merge(myFormat, myFields);
    return aResult;
}

void LMTextFormatChange::scaleFontSize(double theFactor)
{
    if (myFields & LMTextFormat::FontSize)
        myFormat.scaleFontSize(theFactor);
}

LMTextFormatChange LMTextFormatChange::fromXml(const LMXMLElement& theParent)
{
    const LMXMLElement anElement = theParent.firstChildElement(STR_TEXT_FORMAT);
    if (anElement.isNull())
        return LMTextFormatChange();
    LMTextFormat::Fields aFields;
    const LMTextFormat aFormat = LMTextFormat::fromXml(anElement, &aFields);
    return LMTextFormatChange(aFormat, aFields);
}

void LMTextFormatChange::buildXML(QDomElement& theParent) const
{
    if (isEmpty())
        return;
    QDomElement anElement = theParent.ownerDocument().createElement(STR_TEXT_FORMAT);
    myFormat.buildXML(anElement, myFields);
    theParent.appendChild(anElement);
}

bool operator==(const LMTextFormatChange& theA, const LMTextFormatChange& theB)
{
    if (theA.myFields != theB.myFields)
        return false;
    // Only the fields the changes set matter: compare both applied to the same blank format.
    return theA.appliedTo(LMTextFormat()) == theB.appliedTo(LMTextFormat());
}

QDebug operator<<(QDebug theDebug, const LMTextFormatChange& theChange)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTextFormatChange(fields " << theChange.fields().toInt() << ", " << theChange.format()
                       << ')';
    return theDebug;
}
