#pragma once

#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// The photo-holding areas proper: photos, photo backgrounds, QR codes and smart layouts.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFotoAbstract : public LMTemplateAreaDefinitionFotoContainer
{
protected:
    using LMTemplateAreaDefinitionFotoContainer::LMTemplateAreaDefinitionFotoContainer;
    LMTemplateAreaDefinitionFotoAbstract(const LMTemplateAreaDefinitionFotoAbstract& theOther,
                                         const LMMirrorRule& theMirrorRule);
    LMTemplateAreaDefinitionFotoAbstract(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                         const QString& theBasePath, const LMAreaAbility& theDefaultAbilities,
                                         const LMAreaCreationRule& theDefaultCreationRule);
};
