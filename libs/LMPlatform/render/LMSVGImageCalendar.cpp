#include "LMSVGImageCalendar.h"

#include "LMXMLElement.h"

#include <QDomDocument>

namespace {
const QString STR_CSS_SHEET = QStringLiteral("cssSheet");
const QString STR_NAME = QStringLiteral("name");
const QString STR_STYLE = QStringLiteral("style");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_TEXT_CSS = QStringLiteral("text/css");
} // namespace

LMSVGImageCalendar::LMSVGImageCalendar(const QByteArray& theData, const QMap<QString, QString>& theCssSheets)
    : LMSVGImageAbstract(theData), myCssSheets(theCssSheets)
{
}

std::unique_ptr<LMSVGImageAbstract> LMSVGImageCalendar::clone() const
{
    return std::make_unique<LMSVGImageCalendar>(*this);
}

QString LMSVGImageCalendar::renderVariant() const
{
    return myCssSheets.contains(myCurrentCssSheet) ? myCurrentCssSheet : QString();
}

QByteArray LMSVGImageCalendar::renderData() const
{
    const auto aSheet = myCssSheets.constFind(myCurrentCssSheet);
    if (aSheet == myCssSheets.cend())
        return data();
    QDomDocument aDocument;
    if (!aDocument.setContent(data()))
        return data();
    // Qt SVG applies a style sheet only to what follows it, and of two rules of equal weight in
    // different sheets the one of the earlier sheet wins: the chosen sheet goes first.
    QDomElement aRoot = aDocument.documentElement();
    QDomElement aStyle = aDocument.createElementNS(aRoot.namespaceURI(), STR_STYLE);
    aStyle.setAttribute(STR_TYPE, STR_TEXT_CSS);
    aStyle.appendChild(aDocument.createTextNode(*aSheet));
    aRoot.insertBefore(aStyle, aRoot.firstChild());
    return aDocument.toByteArray(-1);
}

void LMSVGImageCalendar::buildXML(QDomElement& theParent) const
{
    LMSVGImageAbstract::buildXML(theParent);
    QDomDocument aDocument = theParent.ownerDocument();
    for (auto anIt = myCssSheets.cbegin(); anIt != myCssSheets.cend(); ++anIt) {
        QDomElement aSheet = aDocument.createElement(STR_CSS_SHEET);
        aSheet.setAttribute(STR_NAME, anIt.key());
        aSheet.appendChild(aDocument.createTextNode(anIt.value()));
        theParent.appendChild(aSheet);
    }
}

std::unique_ptr<LMSVGImageCalendar> LMSVGImageCalendar::fromXml(const LMXMLElement& theParent)
{
    QMap<QString, QString> aSheets;
    for (LMXMLElement aSheet = theParent.firstChildElement(STR_CSS_SHEET); !aSheet.isNull();
         aSheet = aSheet.nextSiblingElement(STR_CSS_SHEET)) {
        const QString aName = aSheet.attribute(STR_NAME);
        if (!aName.isEmpty())
            aSheets.insert(aName, aSheet.text());
    }
    return std::make_unique<LMSVGImageCalendar>(svgDataFromXml(theParent), aSheets);
}

bool LMSVGImageCalendar::equals(const LMSVGImageAbstract& theOther) const
{
    if (!LMSVGImageAbstract::equals(theOther))
        return false;
    const auto& anOther = static_cast<const LMSVGImageCalendar&>(theOther);
    return myCssSheets == anOther.myCssSheets && myCurrentCssSheet == anOther.myCurrentCssSheet
        && myLegacyStrokeWidth == anOther.myLegacyStrokeWidth;
}
