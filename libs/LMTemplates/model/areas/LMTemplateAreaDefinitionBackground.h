#pragma once

#include "LMAreaBackgroundAlignment.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateLayerTypeHash.h"
#include "LMTemplatesExport.h"

class LMTemplateLayerType;
class LMXMLElement;

// The background area of a page: the background templates it shows, by layer, how the background
// sits on the spread, and how it is turned.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionBackground : public LMTemplateAreaDefinition
{
public:
    using LMTemplateAreaDefinition::LMTemplateAreaDefinition;
    LMTemplateAreaDefinitionBackground(const LMTemplateAreaDefinitionBackground& theOther,
                                       const LMMirrorRule& theMirrorRule);
    // Reads "templateref" children (resolved through the installed LMTemplateLookup),
    // "alignment" and "rotation".
    LMTemplateAreaDefinitionBackground(const LMXMLElement& theElement, const QSizeF& thePageSize);

    static LMAreaAbility defaultAbilities() { return LMAreaAbilityEnum::BackgroundDefault; }

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::Background; }
    LMTemplateList templates() const override;

    // The referenced templates by layer, in layer order.
    const LMTemplateLayerTypeHash& referencedTemplates() const { return myTemplates; }
    // Sets the template of a layer; an invalid template removes it.
    void setTemplate(const LMTemplateLayerType& theLayer, const LMConfiguredTemplate& theTemplate);
    const LMAreaBackgroundAlignment& alignment() const { return myAlignment; }
    void setAlignment(const LMAreaBackgroundAlignment& theAlignment) { myAlignment = theAlignment; }
    LMAngle backgroundRotation() const { return myRotation; }
    void setBackgroundRotation(LMAngle theRotation) { myRotation = theRotation.normalized(); }

private:
    LMTemplateLayerTypeHash myTemplates;
    LMAreaBackgroundAlignment myAlignment;
    LMAngle myRotation;
};
