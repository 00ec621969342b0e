#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Materials of a frame glass.
enum class LMFrameGlassMaterialEnum : qint32 { None = 0, Laminated = 1, Glass = 2 };
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMFrameGlassMaterialEnum)

// The material of a frame glass template; 0 when the file names none or an unknown one.
class LMTEMPLATES_EXPORT LMFrameGlassMaterial : public LMEnumWrapper<LMFrameGlassMaterialEnum>
{
public:
    LMFrameGlassMaterial() = default;
    LMFrameGlassMaterial(LMFrameGlassMaterialEnum theValue) : LMEnumWrapper(theValue) { }
    LMFrameGlassMaterial(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMFrameGlassMaterial(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
