#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMBorderPositionEnum : qint32 { None = 0, Inside = 1, Outside = 2, Center = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMBorderPositionEnum)

// Where the border of an area runs: inside the area's edge, outside it, or centred on it.
class LMPLATFORM_EXPORT LMBorderPosition : public LMEnumWrapper<LMBorderPositionEnum>
{
public:
    LMBorderPosition() = default;
    LMBorderPosition(LMBorderPositionEnum theValue) : LMEnumWrapper(theValue) { }
    LMBorderPosition(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMBorderPosition(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The position of a border that keeps a gap to its area: such a border can only run outside.
    LMBorderPosition adaptToOffset() const;

    void fillTable(Table* theTable) const override;
};
