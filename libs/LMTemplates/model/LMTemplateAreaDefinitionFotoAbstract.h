#pragma once

#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplatesExport.h"

// The photo-holding areas proper: photos, photo backgrounds, QR codes and smart layouts.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFotoAbstract : public LMTemplateAreaDefinitionFotoContainer
{
protected:
    LMTemplateAreaDefinitionFotoAbstract(const LMRotatedRect& theRect, const LMAreaAbility& theAbilities,
                                         const LMAreaDecoration& theDecoration,
                                         const LMAreaPositioningConstraint& theConstraint,
                                         const LMImageFXs& theImageFXs, const QSizeF& thePageSize,
                                         const LMAreaCreationRule& theCreationRule,
                                         const LMAreaAssociationId& theAssociationId = LMAreaAssociationId());
    LMTemplateAreaDefinitionFotoAbstract(const LMAreaDescription& theDescription,
                                         const LMAreaPositioningConstraint& theConstraint,
                                         const LMAreaAssociationId& theAssociationId = LMAreaAssociationId());
    LMTemplateAreaDefinitionFotoAbstract(const LMTemplateAreaDefinitionFotoAbstract& theOther,
                                         const LMMirrorRule& theMirrorRule);
    LMTemplateAreaDefinitionFotoAbstract(const QDomElement& theElement, const QSizeF& thePageSize,
                                         const QString& theBasePath, const LMAreaAbility& theDefaultAbilities,
                                         const LMAreaCreationRule& theDefaultCreationRule);
};
