#pragma once

#include "LMDesignStyleBackground.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateContext.h"
#include "LMTemplatesExport.h"

// The backgrounds of a rule set ("backgrounds"): one of them goes on each page.
class LMTEMPLATES_EXPORT LMDesignStyleBackgrounds : public LMDesignStyleIterableList<LMDesignStyleBackground>
{
public:
    LMDesignStyleBackgrounds() = default;
    // The list attributes and the valid "background" children.
    explicit LMDesignStyleBackgrounds(const QDomElement& theElement);

    bool isValid() const { return !isEmpty(); }

    // Puts the page's background (one choice per page) on the first background area, or on a new
    // one covering the page, aligned to its side of the spread. A background the template registry
    // does not know for the context's article: the warning "background with id %1 not found" and
    // the areas as they are.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                        const LMTemplateContext& theContext,
                                                        const LMDesignStyleReferencePoint& thePoint) const;
    // Appends a "backgrounds" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;
};
