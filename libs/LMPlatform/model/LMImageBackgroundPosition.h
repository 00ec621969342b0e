#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMImageBackgroundPositionEnum : qint32 { Fill = 0, Fit = 1, Center = 2, Tile = 3, Stretch = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMImageBackgroundPositionEnum)

// How a photo fills a photo background area.
class LMPLATFORM_EXPORT LMImageBackgroundPosition : public LMEnumWrapper<LMImageBackgroundPositionEnum>
{
public:
    LMImageBackgroundPosition() = default;
    LMImageBackgroundPosition(LMImageBackgroundPositionEnum theValue) : LMEnumWrapper(theValue) { }
    LMImageBackgroundPosition(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMImageBackgroundPosition(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
