#pragma once

#include "LMProductRestriction.h"
#include "LMSpaceMagnitude.h"
#include "LMTemplatesExport.h"

// The product restriction a template's "filter" element describes: orientations, article classes,
// cover types and page bindings, plus the smallest product size the template is made for.
class LMTEMPLATES_EXPORT LMIndirectArticleDescription : public LMProductRestriction
{
public:
    LMIndirectArticleDescription() = default;

    // True when neither a property nor a minimum size restricts.
    bool isEmpty() const { return LMProductRestriction::isEmpty() && !myMinimumSize.isValid(); }

    LMSpaceMagnitude minimumSize() const { return myMinimumSize; }
    void setMinimumSize(const LMSpaceMagnitude& theSize) { myMinimumSize = theSize; }

    friend bool operator==(const LMIndirectArticleDescription& theA, const LMIndirectArticleDescription& theB)
    {
        return static_cast<const LMProductRestriction&>(theA) == static_cast<const LMProductRestriction&>(theB)
            && theA.myMinimumSize == theB.myMinimumSize;
    }
    friend bool operator!=(const LMIndirectArticleDescription& theA, const LMIndirectArticleDescription& theB)
    {
        return !(theA == theB);
    }

private:
    LMSpaceMagnitude myMinimumSize;
};
