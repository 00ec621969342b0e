#include "LMTemplateFilterVariantTemplate.h"

#include "LMTemplate.h"
#include "LMUnconfiguredTemplate.h"

LMTemplateFilterVariantTemplate::LMTemplateFilterVariantTemplate(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::VariantTemplate)
{
}

LMTemplateFilterVariantTemplate::~LMTemplateFilterVariantTemplate() = default;

bool LMTemplateFilterVariantTemplate::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return checkBasics(theTemplate) && checkTemplateVisibility(theTemplate) && checkConstraints(theTemplate, true, true)
        && checkSubcategory(theTemplate) && parameter().currentPageNumber() == 0 && checkRequiredVariant(theTemplate);
}
