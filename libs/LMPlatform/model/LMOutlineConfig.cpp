#include "LMOutlineConfig.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

namespace {
const QString STR_OUTLINE = QStringLiteral("outline");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_COLOR = QStringLiteral("color");
} // namespace

LMOutlineConfig LMOutlineConfig::fromXml(const LMXMLElement& theParent)
{
    const LMXMLElement anElement = theParent.firstChildElement(STR_OUTLINE);
    if (anElement.isNull())
        return LMOutlineConfig();
    return LMOutlineConfig(LMModelXml::distanceAttribute(anElement, STR_WIDTH),
                           LMModelXml::colorAttribute(anElement, STR_COLOR));
}

void LMOutlineConfig::buildXML(QDomElement& theParent) const
{
    if (!isValid())
        return;
    QDomElement anElement = theParent.ownerDocument().createElement(STR_OUTLINE);
    anElement.setAttribute(STR_WIDTH, myWidth.toString());
    anElement.setAttribute(STR_COLOR, LMModelXml::colorText(myColor));
    theParent.appendChild(anElement);
}

QDebug operator<<(QDebug theDebug, const LMOutlineConfig& theOutline)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMOutlineConfig(" << theOutline.width() << ", " << theOutline.color() << ')';
    return theDebug;
}
