#pragma once

#include "LMConfiguredDecorationTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplatesExport.h"

// An area whose content may be cut by a mask (a "fading" in the file vocabulary).
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionMaskable : public LMTemplateAreaDefinition
{
public:
    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;

    const LMConfiguredDecorationTemplate& mask() const { return myMask; }
    void setMask(const LMConfiguredDecorationTemplate& theMask) { myMask = theMask; }
    bool hasMask() const { return myMask.isValid(); }
    bool keepsAspectRatio() const { return myKeepAspectRatio; }
    void setKeepAspectRatio(bool theKeep) { myKeepAspectRatio = theKeep; }

protected:
    using LMTemplateAreaDefinition::LMTemplateAreaDefinition;
    LMTemplateAreaDefinitionMaskable(const LMTemplateAreaDefinitionMaskable& theOther,
                                     const LMMirrorRule& theMirrorRule);
    // Reads the mask from the child "image": its id from "fading" (checked with the installed
    // LMDecorationLookup) and its configuration; "keepAspectRatio" from the area.
    LMTemplateAreaDefinitionMaskable(const QDomElement& theElement, const QSizeF& thePageSize,
                                     const LMAreaAbility& theDefaultAbilities,
                                     const LMAreaCreationRule& theDefaultCreationRule);

private:
    LMConfiguredDecorationTemplate myMask;
    bool myKeepAspectRatio = true;
};
