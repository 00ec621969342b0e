#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMEffectEnum : qint32 { None = 0, Grayscale = 1, Sepia = 2, Invert = 4, Pastel = 8 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMEffectEnum)

// The colour effect of a map area.
class LMPLATFORM_EXPORT LMEffect : public LMEnumWrapper<LMEffectEnum>
{
public:
    LMEffect() = default;
    LMEffect(LMEffectEnum theValue) : LMEnumWrapper(theValue) { }
    LMEffect(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMEffect(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
