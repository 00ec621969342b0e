#pragma once

#include "LMTemplateAreaDefinitionMaskable.h"
#include "LMTemplatesExport.h"

// An area whose content (a photo, a map) is cropped to it and may be moved and zoomed inside it.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionCroppable : public LMTemplateAreaDefinitionMaskable
{
protected:
    LMTemplateAreaDefinitionCroppable(const LMRotatedRect& theRect, const LMAreaAbility& theAbilities,
                                      const LMAreaDecoration& theDecoration,
                                      const LMAreaPositioningConstraint& theConstraint, const LMImageFXs& theImageFXs,
                                      const QSizeF& thePageSize, const LMAreaCreationRule& theCreationRule,
                                      const LMAreaAssociationId& theAssociationId = LMAreaAssociationId());
    LMTemplateAreaDefinitionCroppable(const LMAreaDescription& theDescription,
                                      const LMAreaPositioningConstraint& theConstraint,
                                      const LMAreaAssociationId& theAssociationId = LMAreaAssociationId());
    LMTemplateAreaDefinitionCroppable(const LMTemplateAreaDefinitionCroppable& theOther,
                                      const LMMirrorRule& theMirrorRule);
    LMTemplateAreaDefinitionCroppable(const QDomElement& theElement, const QSizeF& thePageSize,
                                      const LMAreaAbility& theDefaultAbilities,
                                      const LMAreaCreationRule& theDefaultCreationRule);
};
