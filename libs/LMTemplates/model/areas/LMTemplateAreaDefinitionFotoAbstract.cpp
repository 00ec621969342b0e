#include "LMTemplateAreaDefinitionFotoAbstract.h"

#include "LMXMLElement.h"

LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract(
    const LMTemplateAreaDefinitionFotoAbstract& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoContainer(theOther, theMirrorRule)
{
}

LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract(
    const LMXMLElement& theElement, const QSizeF& thePageSize, const QString& theBasePath,
    const LMAreaAbility& theDefaultAbilities, const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinitionFotoContainer(theElement, thePageSize, theBasePath, theDefaultAbilities,
                                            theDefaultCreationRule)
{
}
