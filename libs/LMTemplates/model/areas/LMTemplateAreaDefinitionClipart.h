#pragma once

#include "LMTemplateAreaDefinitionPictured.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A clipart area: a free-standing decoration picture, named by its design element id.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionClipart : public LMTemplateAreaDefinitionPictured
{
public:
    using LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured;
    LMTemplateAreaDefinitionClipart(const LMTemplateAreaDefinitionClipart& theOther, const LMMirrorRule& theMirrorRule)
        : LMTemplateAreaDefinitionPictured(theOther, theMirrorRule)
    {
    }
    // Reads the clipart's design element id, or, when that is missing or invalid, finds the
    // clipart named by "uniqueName" through the installed LMDecorationLookup; its configuration
    // ("mirror", "gsel") and "keepAspectRatio".
    LMTemplateAreaDefinitionClipart(const LMXMLElement& theElement, const QSizeF& thePageSize);

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::Clipart; }
    virtual bool hasClipart() const;

    const LMConfiguredDecorationTemplate& clipart() const { return picture(); }
    void setClipart(const LMConfiguredDecorationTemplate& theClipart) { setPicture(theClipart); }
};
