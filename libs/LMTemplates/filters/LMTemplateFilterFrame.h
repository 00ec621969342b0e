#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the frames the product can be framed with, in the wanted orientation and material.
class LMTEMPLATES_EXPORT LMTemplateFilterFrame : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterFrame(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterFrame() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;
    // The remove item passes; every other frame must be in a wanted subcategory.
    bool checkFrameSubcategory(const LMUnconfiguredTemplate& theTemplate) const;
    // Only frames; the remove item passes; otherwise the add-on must exist in the frame's variants.
    bool checkFrameAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkEditorOrientation(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkFrameMaterial(const LMUnconfiguredTemplate& theTemplate) const;
};
