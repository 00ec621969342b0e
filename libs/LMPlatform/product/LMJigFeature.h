#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMJigFeatureEnum : qint32 {
    None = 0,
    Layout = 1,
    Design = 2,
    Background = 4,
    Clipart = 8,
    Mask = 16,
    Frame = 32,
    Passepartout = 64
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMJigFeatureEnum)

// What a design element contributes to a page (layout, design, background ...), with the German
// word the user interface shows for it.
class LMPLATFORM_EXPORT LMJigFeature : public LMEnumWrapper<LMJigFeatureEnum>
{
public:
    LMJigFeature() = default;
    LMJigFeature(LMJigFeatureEnum theValue) : LMEnumWrapper(theValue) { }
    LMJigFeature(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMJigFeature(int theValue) : LMEnumWrapper(fromInt(theValue)) { }
    explicit LMJigFeature(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The user's word for the feature (translation context "LMJigFeature"); several features are
    // joined by ", "; empty for none.
    QString describe() const;

    void fillTable(Table* theTable) const override;
};
