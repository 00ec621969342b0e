#pragma once

#include "LMEffect.h"
#include "LMOsmContent.h"
#include "LMTemplateAreaDefinitionCroppable.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A map area: a piece of map with the markers of the areas tied to it.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionOsm : public LMTemplateAreaDefinitionCroppable
{
public:
    using LMTemplateAreaDefinitionCroppable::LMTemplateAreaDefinitionCroppable;
    LMTemplateAreaDefinitionOsm(const LMTemplateAreaDefinitionOsm& theOther, const LMMirrorRule& theMirrorRule);
    // Reads the child "map", "effect" and the "geoPosition" children.
    LMTemplateAreaDefinitionOsm(const LMXMLElement& theElement, const QSizeF& thePageSize);

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::Osm; }
    // The positions of the map content's markers.
    LMAreaAssociationIdList associations() const override;

    const LMOsmContent& content() const { return myContent; }
    void setContent(const LMOsmContent& theContent) { myContent = theContent; }
    const LMEffect& effect() const { return myEffect; }
    void setEffect(const LMEffect& theEffect) { myEffect = theEffect; }
    // Where on the map the content ids of the template point (such as the map's own centre).
    const LMAreaAssociationIdList& geoPositions() const { return myGeoPositions; }
    void setGeoPosition(const LMAreaAssociationId& theId, const QPointF& thePosition);

private:
    LMOsmContent myContent;
    LMEffect myEffect;
    LMAreaAssociationIdList myGeoPositions;
};
