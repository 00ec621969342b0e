#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Requirements on the layouts the distributor may choose, named by their effect.
enum class LMLayoutFlagsEnum : qint32 {
    None = 0,
    Tight = 1,
    Spacious = 2,
    Panorama = 8,
    // Layouts with text areas are acceptable.
    Texts = 16,
    CrazyRequired = 64,
    CrazyAllowed = 128,
    // The bits of the crazy setting.
    CrazyMask = 224,
    RelaxedSpaciousnessTest = 256,
    // The first requirement given up when nothing fits.
    RelaxedFirst = 512
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMLayoutFlagsEnum)

// The requirements a layout must meet for the automatic distribution, and the order in which they
// are relaxed when no layout meets them. Never read from text: its table is empty.
class LMTEMPLATES_EXPORT LMLayoutFlags : public LMEnumWrapper<LMLayoutFlagsEnum>
{
public:
    LMLayoutFlags() = default;
    LMLayoutFlags(LMLayoutFlagsEnum theValue) : LMEnumWrapper(theValue) { }
    LMLayoutFlags(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMLayoutFlags(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // Adds the bits unless one of them is set already; true when they were added.
    bool relax(const LMEnumWrapper& theOther);
    // Adds the first of RelaxedFirst, Panorama, RelaxedSpaciousnessTest, Tight, Spacious and
    // CrazyAllowed that is not set yet; false when all are set.
    bool relax();
    LMLayoutFlags relaxed() const;

    void fillTable(Table* theTable) const override;
};
