#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// The rules of a "filter" element of XML template files, by tag name.
enum class LMTemplateFilterRuleEnum : qint32 {
    None = 0,
    Orientation = 2,
    Type = 3,
    Product = 4,
    PageType = 5,
    Subcategory = 6,
    IntendedAlignment = 7,
    Visible = 8,
    Binding = 9,
    MinimumSize = 10,
    // Still written as "arrangement", but the word reads as Theme.
    Arrangement = 11,
    PageBinding = 12,
    Refinement = 14,
    ArtId = 15,
    Theme = 16
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMTemplateFilterRuleEnum)

// Decodes the tag names inside a "filter" element; unknown tags decode to None.
class LMTEMPLATES_EXPORT LMTemplateFilterRule : public LMEnumWrapper<LMTemplateFilterRuleEnum>
{
public:
    LMTemplateFilterRule() = default;
    LMTemplateFilterRule(LMTemplateFilterRuleEnum theValue) : LMEnumWrapper(theValue) { }
    LMTemplateFilterRule(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTemplateFilterRule(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
