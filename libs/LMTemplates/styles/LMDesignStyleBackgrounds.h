#pragma once

#include "LMDesignStyleBackground.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplatesExport.h"

// The backgrounds of a rule set ("backgrounds"): one of them goes on each page.
class LMTEMPLATES_EXPORT LMDesignStyleBackgrounds : public LMDesignStyleIterableList<LMDesignStyleBackground>
{
public:
    LMDesignStyleBackgrounds() = default;
    // The list attributes and the valid "background" children.
    explicit LMDesignStyleBackgrounds(const QDomElement& theElement);

    bool isValid() const { return !isEmpty(); }
    // Appends a "backgrounds" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;
};
