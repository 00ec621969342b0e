#pragma once

#include "LMTemplateAreaDefinitionPictured.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// An area whose content may be cut by a mask (a "fading" in the file vocabulary).
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionMaskable : public LMTemplateAreaDefinitionPictured
{
public:
    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;

    const LMConfiguredDecorationTemplate& mask() const { return picture(); }
    void setMask(const LMConfiguredDecorationTemplate& theMask) { setPicture(theMask); }
    bool hasMask() const { return mask().isValid(); }

protected:
    using LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured;
    // Reads the mask from the child "image": its id from "fading" (checked with the installed
    // LMDecorationLookup) and its configuration; "keepAspectRatio" from the area.
    LMTemplateAreaDefinitionMaskable(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                     const LMAreaAbility& theDefaultAbilities,
                                     const LMAreaCreationRule& theDefaultCreationRule);
};
