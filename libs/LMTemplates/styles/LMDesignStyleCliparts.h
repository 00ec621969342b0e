#pragma once

#include "LMDesignStyleClipart.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"

// The cliparts a rule set puts into the clipart areas of a page ("cliparts").
class LMTEMPLATES_EXPORT LMDesignStyleCliparts : public LMDesignStyleIterableList<LMDesignStyleClipart>
{
public:
    LMDesignStyleCliparts() = default;
    // The list attributes and the valid "clipart" children.
    explicit LMDesignStyleCliparts(const QDomElement& theElement);

    bool isValid() const { return !isEmpty(); }

    // Gives every clipart area the next clipart, as the list attributes say.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                        const LMDesignStyleReferencePoint& thePoint) const;
    // The first clipart that is no "skip" item; null when there is none.
    const LMDesignStyleClipart* firstClipart() const;
    // Appends a "cliparts" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;
};
