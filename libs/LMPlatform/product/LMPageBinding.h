#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMPageBindingEnum : qint32 { None = 0, Glued = 1, LayFlat = 2, Spiral = 4, Stapled = 8, All = 15 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMPageBindingEnum)

// How the pages of a product are bound; designs may be limited to some bindings.
class LMPLATFORM_EXPORT LMPageBinding : public LMEnumWrapper<LMPageBindingEnum>
{
public:
    LMPageBinding() = default;
    LMPageBinding(LMPageBindingEnum theValue) : LMEnumWrapper(theValue) { }
    LMPageBinding(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMPageBinding(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The text of exactly this value, or the texts of its bits joined by ", ".
    QString toString() const;

    void fillTable(Table* theTable) const override;
};
