#include "LMTemplateWallholderConfig.h"

#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QCoreApplication>
#include <QDebug>

namespace {
const QString STR_IS_NULL = QStringLiteral("isNull");
const QString STR_DIAMETER = QStringLiteral("diameter");
const QString STR_DISTANCE_X = QStringLiteral("distancex");
const QString STR_DISTANCE_Y = QStringLiteral("distancey");
} // namespace

LMTemplateWallholderConfig LMTemplateWallholderConfig::fromXml(const LMXMLElement& theElement)
{
    return LMTemplateWallholderConfig(LMXMLParser::boolAttribute(theElement, STR_IS_NULL, false),
                                      LMXMLParser::intAttribute(theElement, STR_DIAMETER, 0),
                                      LMXMLParser::intAttribute(theElement, STR_DISTANCE_X, 0),
                                      LMXMLParser::intAttribute(theElement, STR_DISTANCE_Y, 0));
}

QString LMTemplateWallholderConfig::basicDragAndDropHint() const
{
    if (isRemoveItem())
        return QCoreApplication::translate("LMTemplateWallholderConfig",
                                           "Ziehen Sie dieses Element auf das Produkt, um die Aufhängung zu "
                                           "entfernen.");
    return QCoreApplication::translate("LMTemplateWallholderConfig",
                                       "Ziehen Sie diese Aufhängung auf das Produkt, um sie hinzuzufügen.");
}

QDebug operator<<(QDebug theDebug, const LMTemplateWallholderConfig& theConfig)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateWallholderConfig(" << (theConfig.isNull() ? "null, " : "") << "diameter "
                       << theConfig.diameter() << ", distance " << theConfig.distanceX() << 'x' << theConfig.distanceY()
                       << ')';
    return theDebug;
}
