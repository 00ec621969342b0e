#pragma once

#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplate.h"

// The seam through which areas and drag data find templates by name (a background area names its
// templates in its XML; a dragged template list carries unique names). The template registry, which lives on a higher
// floor, installs itself here when it is created; until then names stay unresolved.
class LMTEMPLATES_EXPORT LMTemplateLookup
{
public:
    virtual ~LMTemplateLookup();

    // The template with that name (or unique name); the null template when there is none. Called from any
    // thread.
    virtual LMUnconfiguredTemplate findTemplateByName(const QString& theName) const = 0;

    // Installs the lookup for the whole process; null uninstalls. The lookup must outlive its
    // installation.
    static void install(const LMTemplateLookup* theLookup);
    static const LMTemplateLookup* installed();

protected:
    LMTemplateLookup() = default;
};
