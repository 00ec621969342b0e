#include "LMOsmContent.h"

#include "LMModelXml.h"
#include "LMRotatedRect.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

#include <algorithm>
#include <cmath>

namespace {
const QString STR_MAP = QStringLiteral("map");
const QString STR_MARKER = QStringLiteral("marker");
const QString STR_ID = QStringLiteral("id");
const QString STR_LAT = QStringLiteral("lat");
const QString STR_LON = QStringLiteral("lon");
const QString STR_ZOOM = QStringLiteral("zoom");
const QString STR_STYLE = QStringLiteral("style");

bool samePoint(const QPointF& theA, const QPointF& theB)
{
    return LMRotatedRect::fuzzyEqual(theA.x(), theB.x()) && LMRotatedRect::fuzzyEqual(theA.y(), theB.y());
}
} // namespace

void LMOsmContent::setPosition(const LMAreaAssociationId& theId, const QPointF& thePosition)
{
    if (!theId.isEmpty())
        myPositions.insert(theId, thePosition);
}

bool LMOsmContent::isValid() const
{
    return myZoom > 0 && std::abs(myCenter.y()) <= 90.0 && std::abs(myCenter.x()) <= 180.0;
}

LMOsmContent LMOsmContent::read(const LMXMLElement& theElement, const QString& thePrefix)
{
    LMOsmContent aContent;
    if (theElement.isNull())
        return aContent;
    aContent.myCenter = QPointF(LMModelXml::doubleAttribute(theElement, thePrefix + STR_LON, 0.0),
                                LMModelXml::doubleAttribute(theElement, thePrefix + STR_LAT, 0.0));
    aContent.myZoom = LMModelXml::doubleAttribute(theElement, thePrefix + STR_ZOOM, 0.0);
    aContent.myStyle = theElement.attribute(thePrefix + STR_STYLE);
    const QString aMarkerTag = thePrefix + STR_MARKER;
    for (LMXMLElement aMarker = theElement.firstChildElement(aMarkerTag); !aMarker.isNull();
         aMarker = aMarker.nextSiblingElement(aMarkerTag)) {
        aContent.setPosition(LMAreaAssociationId(aMarker.attribute(thePrefix + STR_ID)),
                             QPointF(LMModelXml::doubleAttribute(aMarker, thePrefix + STR_LON, 0.0),
                                     LMModelXml::doubleAttribute(aMarker, thePrefix + STR_LAT, 0.0)));
    }
    return aContent;
}

LMOsmContent LMOsmContent::fromXml(const LMXMLElement& theParent)
{
    return read(theParent.firstChildElement(STR_MAP));
}

void LMOsmContent::buildXML(QDomElement& theParent) const
{
    QDomDocument aDocument = theParent.ownerDocument();
    QDomElement anElement = aDocument.createElement(STR_MAP);
    anElement.setAttribute(STR_LAT, LMModelXml::doubleText(myCenter.y()));
    anElement.setAttribute(STR_LON, LMModelXml::doubleText(myCenter.x()));
    anElement.setAttribute(STR_ZOOM, LMModelXml::doubleText(myZoom));
    if (!myStyle.isEmpty())
        anElement.setAttribute(STR_STYLE, myStyle);
    // Sorted, so that the same content always writes the same text.
    QList<LMAreaAssociationId> anIds = myPositions.keys();
    std::sort(anIds.begin(), anIds.end());
    for (const LMAreaAssociationId& anId : std::as_const(anIds)) {
        QDomElement aMarker = aDocument.createElement(STR_MARKER);
        const QPointF aPosition = myPositions.value(anId);
        aMarker.setAttribute(STR_ID, anId.id());
        aMarker.setAttribute(STR_LAT, LMModelXml::doubleText(aPosition.y()));
        aMarker.setAttribute(STR_LON, LMModelXml::doubleText(aPosition.x()));
        anElement.appendChild(aMarker);
    }
    theParent.appendChild(anElement);
}

bool operator==(const LMOsmContent& theA, const LMOsmContent& theB)
{
    if (!samePoint(theA.myCenter, theB.myCenter) || !LMRotatedRect::fuzzyEqual(theA.myZoom, theB.myZoom)
        || theA.myStyle != theB.myStyle || theA.myPositions.size() != theB.myPositions.size())
        return false;
    for (auto anIt = theA.myPositions.cbegin(); anIt != theA.myPositions.cend(); ++anIt) {
        const auto aFound = theB.myPositions.constFind(anIt.key());
        if (aFound == theB.myPositions.cend() || !samePoint(*aFound, anIt.value()))
            return false;
    }
    return true;
}

QDebug operator<<(QDebug theDebug, const LMOsmContent& theContent)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMOsmContent(" << theContent.center() << ", zoom " << theContent.zoom() << ", "
                       << theContent.style() << ", " << theContent.positions().size() << " markers)";
    return theDebug;
}
