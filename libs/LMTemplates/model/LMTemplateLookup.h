#pragma once

#include "LMTemplateReference.h"
#include "LMTemplatesExport.h"

// The seam through which areas find templates by name (a background area names its templates in
// its XML). The template registry, which lives on a higher floor, installs itself here when it
// is created; until then names stay unresolved.
class LMTEMPLATES_EXPORT LMTemplateLookup
{
public:
    virtual ~LMTemplateLookup();

    // The template with that name; an invalid reference when there is none. Called from any
    // thread.
    virtual LMTemplateReference findTemplateByName(const QString& theName) const = 0;

    // Installs the lookup for the whole process; null uninstalls. The lookup must outlive its
    // installation.
    static void install(const LMTemplateLookup* theLookup);
    static const LMTemplateLookup* installed();

protected:
    LMTemplateLookup() = default;
};
