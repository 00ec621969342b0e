#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMAreaPositioningConstraintEnum : qint32 {
    Nowhere = 0,
    LeftPage = 1,
    RightPage = 2,
    SpinePage = 4,
    Anywhere = 7
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAreaPositioningConstraintEnum)

// On which pages of a spread an area may stand: left, right, on the spine, as bits. A missing
// or unknown word gives 7, anywhere.
class LMPLATFORM_EXPORT LMAreaPositioningConstraint : public LMEnumWrapper<LMAreaPositioningConstraintEnum>
{
public:
    LMAreaPositioningConstraint() = default;
    LMAreaPositioningConstraint(LMAreaPositioningConstraintEnum theValue) : LMEnumWrapper(theValue) { }
    LMAreaPositioningConstraint(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAreaPositioningConstraint(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The word of this value, or the words of its bits joined by ", "; decodes back to the value.
    QString toText() const;

    void fillTable(Table* theTable) const override;
};
