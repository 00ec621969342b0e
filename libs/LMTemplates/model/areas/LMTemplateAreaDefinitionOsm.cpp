#include "LMTemplateAreaDefinitionOsm.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDomDocument>

#include <algorithm>

namespace {
const QString STR_EFFECT = QStringLiteral("effect");
const QString STR_GEO_POSITION = QStringLiteral("geoPosition");
const QString STR_ID = QStringLiteral("id");
const QString STR_LAT = QStringLiteral("lat");
const QString STR_LON = QStringLiteral("lon");
} // namespace

LMTemplateAreaDefinitionOsm::LMTemplateAreaDefinitionOsm(const LMTemplateAreaDefinitionOsm& theOther,
                                                         const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionCroppable(theOther, theMirrorRule), myContent(theOther.myContent),
      myEffect(theOther.myEffect), myGeoPositions(theOther.myGeoPositions)
{
}

LMTemplateAreaDefinitionOsm::LMTemplateAreaDefinitionOsm(const LMXMLElement& theElement, const QSizeF& thePageSize)
    : LMTemplateAreaDefinitionCroppable(theElement, thePageSize, LMAreaAbilityEnum::FotoDefault,
                                        LMAreaCreationRuleEnum::Default),
      myContent(LMOsmContent::fromXml(theElement)), myEffect(theElement.attribute(STR_EFFECT))
{
    for (LMXMLElement aPosition = theElement.firstChildElement(STR_GEO_POSITION); !aPosition.isNull();
         aPosition = aPosition.nextSiblingElement(STR_GEO_POSITION)) {
        setGeoPosition(LMAreaAssociationId(aPosition.attribute(STR_ID)),
                       QPointF(LMModelXml::doubleAttribute(aPosition, STR_LON, 0.0),
                               LMModelXml::doubleAttribute(aPosition, STR_LAT, 0.0)));
    }
}

void LMTemplateAreaDefinitionOsm::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionCroppable::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    anElement.setAttribute(STR_EFFECT, myEffect.encode());
    myContent.buildXML(anElement);
    QList<LMAreaAssociationId> anIds = myGeoPositions.keys();
    std::sort(anIds.begin(), anIds.end());
    for (const LMAreaAssociationId& anId : std::as_const(anIds)) {
        QDomElement aPosition = theParent.ownerDocument().createElement(STR_GEO_POSITION);
        aPosition.setAttribute(STR_ID, anId.id());
        aPosition.setAttribute(STR_LAT, LMModelXml::doubleText(myGeoPositions.value(anId).y()));
        aPosition.setAttribute(STR_LON, LMModelXml::doubleText(myGeoPositions.value(anId).x()));
        anElement.appendChild(aPosition);
    }
}

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionOsm::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionOsm>(*this, theMirrorRule);
}

LMAreaAssociationIdList LMTemplateAreaDefinitionOsm::associations() const
{
    return myContent.positions();
}

void LMTemplateAreaDefinitionOsm::setGeoPosition(const LMAreaAssociationId& theId, const QPointF& thePosition)
{
    if (!theId.isEmpty())
        myGeoPositions.insert(theId, thePosition);
}
