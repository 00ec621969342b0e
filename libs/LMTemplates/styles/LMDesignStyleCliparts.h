#pragma once

#include "LMDesignStyleClipart.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplatesExport.h"

// The cliparts a rule set puts into the clipart areas of a page ("cliparts").
class LMTEMPLATES_EXPORT LMDesignStyleCliparts : public LMDesignStyleIterableList<LMDesignStyleClipart>
{
public:
    LMDesignStyleCliparts() = default;
    // The list attributes and the valid "clipart" children.
    explicit LMDesignStyleCliparts(const QDomElement& theElement);

    bool isValid() const { return !isEmpty(); }
    // Appends a "cliparts" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;
};
