#pragma once

#include "LMTemplateAreaDefinitionMaskable.h"
#include "LMTemplatesExport.h"

// An area whose content (a photo, a map) is cropped to it and may be moved and zoomed inside it.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionCroppable : public LMTemplateAreaDefinitionMaskable
{
protected:
    using LMTemplateAreaDefinitionMaskable::LMTemplateAreaDefinitionMaskable;
};
