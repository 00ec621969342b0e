#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMAreaAbilityEnum : qint32 {
    None = 0,
    Move = 1,
    Resize = 2,
    Delete = 4,
    Rotate = 8,
    Scale = 16,
    ExchangeContent = 32,
    ZoomContent = 64,
    MoveContent = 128,
    RotateContent = 256,
    ImageEffects = 512,
    ReplaceFoto = 1024,
    Border = 2048,
    Shadow = 4096,
    Corners = 8192,
    Mask = 16384,
    Recolor = 32768,
    Snap = 65536,
    Copy = 131072,
    Arrange = 262144,
    Flip = 524288,
    Crop = 1048576,
    DropFoto = 2097152,
    AutoFill = 4194304,
    Geometry = 27,
    FotoDefault = 6799359,
    FotoFix = 4701183,
    FotoLocked = 6799332,
    BackgroundDefault = 2398432
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAreaAbilityEnum)

// What the user may do with an area in the editor, as bits. The lowest five bits with the
// rotation (mask 0x1B: move, resize, rotate, scale) are the geometry a locked layout takes away.
class LMPLATFORM_EXPORT LMAreaAbility : public LMEnumWrapper<LMAreaAbilityEnum>
{
public:
    LMAreaAbility() = default;
    LMAreaAbility(LMAreaAbilityEnum theValue) : LMEnumWrapper(theValue) { }
    LMAreaAbility(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAreaAbility(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
