#include "LMTemplateAreaDefinitionFotoAbstract.h"

LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract(
    const LMRotatedRect& theRect, const LMAreaAbility& theAbilities, const LMAreaDecoration& theDecoration,
    const LMAreaPositioningConstraint& theConstraint, const LMImageFXs& theImageFXs, const QSizeF& thePageSize,
    const LMAreaCreationRule& theCreationRule, const LMAreaAssociationId& theAssociationId)
    : LMTemplateAreaDefinitionFotoContainer(theRect, theAbilities, theDecoration, theConstraint, theImageFXs,
                                            thePageSize, theCreationRule, theAssociationId)
{
}

LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract(
    const LMAreaDescription& theDescription, const LMAreaPositioningConstraint& theConstraint,
    const LMAreaAssociationId& theAssociationId)
    : LMTemplateAreaDefinitionFotoContainer(theDescription, theConstraint, theAssociationId)
{
}

LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract(
    const LMTemplateAreaDefinitionFotoAbstract& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoContainer(theOther, theMirrorRule)
{
}

LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract(
    const QDomElement& theElement, const QSizeF& thePageSize, const QString& theBasePath,
    const LMAreaAbility& theDefaultAbilities, const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinitionFotoContainer(theElement, thePageSize, theBasePath, theDefaultAbilities,
                                            theDefaultCreationRule)
{
}
