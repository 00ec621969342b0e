#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

#include <QList>

enum class LMCategoryTypeEnum : qint32 {
    None = 0,
    Subcategory = 1,
    Internal = 2,
    Theme = 4,
    SpotColor = 8,
    Primary = 16,
    Feature = 32
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMCategoryTypeEnum)

// The axis along which a design element is categorised: its subcategories, internal markers,
// themes, spot colours, primary category and features.
class LMPLATFORM_EXPORT LMCategoryType : public LMEnumWrapper<LMCategoryTypeEnum>
{
public:
    LMCategoryType() = default;
    LMCategoryType(LMCategoryTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMCategoryType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMCategoryType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The single types named by this value, lowest bit first.
    QList<LMCategoryType> singleTypes() const;

    void fillTable(Table* theTable) const override;
};
