#pragma once

#include "LMTemplatesExport.h"

#include <memory>

class LMTemplateAreaDefinitionSmartLayout;

// The seam through which the XML readers hand the smart layout of a layout collection to the
// template registry, which lives on a higher floor and installs itself here when it is created.
// Until then such smart layouts are dropped.
class LMTEMPLATES_EXPORT LMSmartLayoutRegistration
{
public:
    virtual ~LMSmartLayoutRegistration();

    // Takes the smart layout, filed under its categorisation. Called from any thread.
    virtual void addSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout) = 0;

    // Installs the registration for the whole process; null uninstalls. It must outlive its
    // installation.
    static void install(LMSmartLayoutRegistration* theRegistration);
    static LMSmartLayoutRegistration* installed();

protected:
    LMSmartLayoutRegistration() = default;
};
