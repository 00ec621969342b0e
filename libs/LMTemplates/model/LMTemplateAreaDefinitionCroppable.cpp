#include "LMTemplateAreaDefinitionCroppable.h"

LMTemplateAreaDefinitionCroppable::LMTemplateAreaDefinitionCroppable(
    const LMRotatedRect& theRect, const LMAreaAbility& theAbilities, const LMAreaDecoration& theDecoration,
    const LMAreaPositioningConstraint& theConstraint, const LMImageFXs& theImageFXs, const QSizeF& thePageSize,
    const LMAreaCreationRule& theCreationRule, const LMAreaAssociationId& theAssociationId)
    : LMTemplateAreaDefinitionMaskable(theRect, theAbilities, theDecoration, theConstraint, theImageFXs, thePageSize,
                                       theCreationRule, theAssociationId)
{
}

LMTemplateAreaDefinitionCroppable::LMTemplateAreaDefinitionCroppable(const LMAreaDescription& theDescription,
                                                                     const LMAreaPositioningConstraint& theConstraint,
                                                                     const LMAreaAssociationId& theAssociationId)
    : LMTemplateAreaDefinitionMaskable(theDescription, theConstraint, theAssociationId)
{
}

LMTemplateAreaDefinitionCroppable::LMTemplateAreaDefinitionCroppable(const LMTemplateAreaDefinitionCroppable& theOther,
                                                                     const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionMaskable(theOther, theMirrorRule)
{
}

LMTemplateAreaDefinitionCroppable::LMTemplateAreaDefinitionCroppable(const QDomElement& theElement,
                                                                     const QSizeF& thePageSize,
                                                                     const LMAreaAbility& theDefaultAbilities,
                                                                     const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinitionMaskable(theElement, thePageSize, theDefaultAbilities, theDefaultCreationRule)
{
}
