#include "LMTemplateFilterRule.h"

LM_DEFINE_ENUM_TABLE(LMTemplateFilterRule)

void LMTemplateFilterRule::fillTable(Table* theTable) const
{
    using E = LMTemplateFilterRuleEnum;
    theTable->insert(QStringLiteral("orientation"), E::Orientation);
    theTable->insert(QStringLiteral("type"), E::Type);
    theTable->insert(QStringLiteral("product"), E::Product);
    theTable->insert(QStringLiteral("pagetype"), E::PageType);
    theTable->insert(QStringLiteral("subcategory"), E::Subcategory);
    theTable->insert(QStringLiteral("intendetAlignment"), E::IntendedAlignment);
    theTable->insert(QStringLiteral("intendedAlignment"), E::IntendedAlignment);
    theTable->insert(QStringLiteral("visible"), E::Visible);
    theTable->insert(QStringLiteral("binding"), E::Binding);
    theTable->insert(QStringLiteral("minimum_size"), E::MinimumSize);
    theTable->insert(QStringLiteral("arrangement"), E::Arrangement);
    theTable->insert(QStringLiteral("pageBinding"), E::PageBinding);
    theTable->insert(QStringLiteral("refinement"), E::Refinement);
    theTable->insert(QStringLiteral("art_id"), E::ArtId);
    theTable->insert(QStringLiteral("theme"), E::Theme);
    // By design the word is entered twice: reading gives 16, while 11 still writes "arrangement".
    theTable->insert(QStringLiteral("arrangement"), E::Theme);
}
