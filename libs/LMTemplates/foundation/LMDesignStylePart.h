#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Parts of a design style. The values are numbers, not bits.
enum class LMDesignStylePartEnum : qint32 {
    None = 0,
    Name = 1,
    Description = 2,
    Background = 3,
    Keywords = 4,
    LayoutVariants = 5,
    Passepartout = 6,
    Clipart = 7,
    LayoutFlags = 8,
    Border = 9,
    Shadow = 10,
    Id = 11,
    DesignElementId = 12,
    Fonts = 13,
    Layouts = 14,
    TextFormats = 15,
    Refinement = 16
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDesignStylePartEnum)

// Names one part of a design style, for callers that pick parts of a style by name.
class LMTEMPLATES_EXPORT LMDesignStylePart : public LMEnumWrapper<LMDesignStylePartEnum>
{
public:
    LMDesignStylePart() = default;
    LMDesignStylePart(LMDesignStylePartEnum theValue) : LMEnumWrapper(theValue) { }
    LMDesignStylePart(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDesignStylePart(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
