#pragma once

#include "LMTemplateAreaDefinitionMaskable.h"
#include "LMTemplatesExport.h"

// An area whose content (a photo, a map) is cropped to it and may be moved and zoomed inside it.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionCroppable : public LMTemplateAreaDefinitionMaskable
{
protected:
    using LMTemplateAreaDefinitionMaskable::LMTemplateAreaDefinitionMaskable;
    LMTemplateAreaDefinitionCroppable(const LMTemplateAreaDefinitionCroppable& theOther,
                                      const LMMirrorRule& theMirrorRule);
    LMTemplateAreaDefinitionCroppable(const QDomElement& theElement, const QSizeF& thePageSize,
                                      const LMAreaAbility& theDefaultAbilities,
                                      const LMAreaCreationRule& theDefaultCreationRule);
};
