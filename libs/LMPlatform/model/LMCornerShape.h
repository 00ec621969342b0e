#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMCornerShapeEnum : qint32 { None = 0, Default = 1, Convex = 2, Concave = 4, Bevelled = 8, Notched = 16 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMCornerShapeEnum)

// The shape a corner of an area is cut to.
class LMPLATFORM_EXPORT LMCornerShape : public LMEnumWrapper<LMCornerShapeEnum>
{
public:
    LMCornerShape() = default;
    LMCornerShape(LMCornerShapeEnum theValue) : LMEnumWrapper(theValue) { }
    LMCornerShape(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMCornerShape(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
