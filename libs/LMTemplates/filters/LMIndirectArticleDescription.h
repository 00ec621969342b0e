#pragma once

#include "LMProductRestriction.h"
#include "LMTemplatesExport.h"

// The product restriction a template's "filter" element describes: orientations, article classes,
// cover types, page bindings and the smallest product size the template is made for. It is a
// product restriction as it stands, so the articles group keeps every part of it, the minimum
// size included.
class LMTEMPLATES_EXPORT LMIndirectArticleDescription : public LMProductRestriction
{
public:
    LMIndirectArticleDescription() = default;
};
