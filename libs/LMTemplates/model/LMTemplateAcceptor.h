#pragma once

#include "LMTemplatesExport.h"

class LMUnconfiguredTemplate;

// Whether a template may be offered: what every template filter answers. The filters live on a
// higher floor and implement this; template lists and their process-wide acceptance hooks take it.
class LMTEMPLATES_EXPORT LMTemplateAcceptor
{
public:
    virtual ~LMTemplateAcceptor();
    // Called from several threads at once when lists are filtered in parallel.
    virtual bool acceptTemplate(const LMUnconfiguredTemplate& theTemplate) const = 0;

protected:
    LMTemplateAcceptor() = default;
    LMTemplateAcceptor(const LMTemplateAcceptor&) = default;
    LMTemplateAcceptor& operator=(const LMTemplateAcceptor&) = default;
};
