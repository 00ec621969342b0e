#pragma once

#include "LMDesignStyleClipart.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"

// The passepartouts (masks and mask frames) a rule set puts on the maskable areas of a page
// ("passepartouts").
class LMTEMPLATES_EXPORT LMDesignStyleMasks : public LMDesignStyleIterableList<LMDesignStyleClipart>
{
public:
    LMDesignStyleMasks() = default;
    // The list attributes and the valid "passepartout" children; one that says "skip" keeps its
    // place as the empty item.
    explicit LMDesignStyleMasks(const QDomElement& theElement);

    bool isValid() const { return !isEmpty(); }

    // Gives every area that takes a mask (photo and map areas; a smart layout passes it on to its
    // photo areas instead) the next passepartout, as the list attributes say.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                        const LMDesignStyleReferencePoint& thePoint) const;
    // Appends a "passepartouts" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;
};
