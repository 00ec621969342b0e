#pragma once

#include "LMCategorization.h"
#include "LMSmartLayoutConfiguration.h"
#include "LMTemplateAreaDefinitionFotoAbstract.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

class LMXMLElement;

// A smart layout area: a region of the page that arranges the photo areas given to it as its
// children by itself, with its spacing and configuration.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionSmartLayout : public LMTemplateAreaDefinitionFotoAbstract
{
public:
    using LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract;
    LMTemplateAreaDefinitionSmartLayout(const LMTemplateAreaDefinitionSmartLayout& theOther,
                                        const LMMirrorRule& theMirrorRule);
    // Reads "active", the "layoutArea" children (readXml) and the areas it arranges, written as the
    // elements of its child "children" (as buildXML writes them).
    LMTemplateAreaDefinitionSmartLayout(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                        const QString& theBasePath = QString());

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::SmartLayout; }

    // Takes the geometry and configuration from the element's "layoutArea" children (the last one
    // wins): the rectangle from "x", "y", "width", "height", shrunk by the margins of its child
    // "padding" unless the configuration is elegant, both normalised by the page size. Returns
    // false, changing nothing, when there is no "layoutArea".
    bool readXml(const LMXMLElement& theElement, const QSizeF& thePageSize);

    bool isActive() const { return myActive; }
    void setActive(bool theActive) { myActive = theActive; }
    const LMTemplateAreaDefinitionList& children() const { return myChildren; }
    void setChildren(const LMTemplateAreaDefinitionList& theChildren) { myChildren = theChildren; }
    void setChildren(LMTemplateAreaDefinitionList&& theChildren) { myChildren = std::move(theChildren); }
    void addChild(std::unique_ptr<LMTemplateAreaDefinition> theChild) { myChildren.append(std::move(theChild)); }
    const LMCategorization& categorization() const { return myCategorization; }
    void setCategorization(const LMCategorization& theCategorization) { myCategorization = theCategorization; }
    const LMUnconfiguredTemplateList& relatedTemplates() const { return myRelatedTemplates; }
    void setRelatedTemplates(const LMUnconfiguredTemplateList& theTemplates) { myRelatedTemplates = theTemplates; }
    const LMSmartLayoutConfiguration& configuration() const { return myConfiguration; }
    void setConfiguration(const LMSmartLayoutConfiguration& theConfiguration) { myConfiguration = theConfiguration; }
    // The spacing and elegant paddings are those of the configuration.
    const LMDistance& spacing() const { return myConfiguration.spacing(); }
    void setSpacing(const LMDistance& theSpacing) { myConfiguration.setSpacing(theSpacing); }
    const QMarginsF& elegantPaddings() const { return myConfiguration.elegantPaddings(); }

private:
    bool myActive = false;
    LMTemplateAreaDefinitionList myChildren;
    LMCategorization myCategorization;
    LMUnconfiguredTemplateList myRelatedTemplates;
    LMSmartLayoutConfiguration myConfiguration;
};
