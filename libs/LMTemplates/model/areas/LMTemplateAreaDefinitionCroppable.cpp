#include "LMTemplateAreaDefinitionCroppable.h"

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
