#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Thumbnail creation rules of a template.
enum class LMAutoThumbOptionEnum : qint32 {
    Automatic = 0,
    Layout = 1,
    Background = 2,
    // The default thumbnail job; frames and wallholders use it too.
    Default = 5
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMAutoThumbOptionEnum)

// How the thumbnail of a template is made when the template brings none of its own.
class LMTEMPLATES_EXPORT LMAutoThumbOption : public LMEnumWrapper<LMAutoThumbOptionEnum>
{
public:
    LMAutoThumbOption() = default;
    LMAutoThumbOption(LMAutoThumbOptionEnum theValue) : LMEnumWrapper(theValue) { }
    LMAutoThumbOption(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAutoThumbOption(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
