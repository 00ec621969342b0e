#pragma once

#include "LMDesignStyleClipart.h"
#include "LMDesignStyleIterableList.h"
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
    // Appends a "passepartouts" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;
};
