#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMAreaCreationRuleEnum : qint32 {
    None = 0,
    UserOnly = 1,
    Layout = 2,
    Assistant = 4,
    DesignStyle = 8,
    Import = 16,
    Default = 30
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAreaCreationRuleEnum)

// By whom an area may be created or filled automatically, as bits; 30 (layouts, the assistant,
// design styles and imports) unless a file says otherwise.
class LMPLATFORM_EXPORT LMAreaCreationRule : public LMEnumWrapper<LMAreaCreationRuleEnum>
{
public:
    LMAreaCreationRule() = default;
    LMAreaCreationRule(LMAreaCreationRuleEnum theValue) : LMEnumWrapper(theValue) { }
    LMAreaCreationRule(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAreaCreationRule(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
