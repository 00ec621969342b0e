#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"

// Photo states of a photo area, a bit set.
enum class LMTemplateAreaDefinitionFotoStatusEnum : qint32 { None = 0, Preview = 1, Printable = 2, Fix = 4 };
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMTemplateAreaDefinitionFotoStatusEnum)

// The state of the photo in a photo area, as template files mark it: a preview stand-in, a
// printable photo, or a photo fixed by the design.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFotoStatus
    : public LMEnumWrapper<LMTemplateAreaDefinitionFotoStatusEnum>
{
public:
    LMTemplateAreaDefinitionFotoStatus() = default;
    LMTemplateAreaDefinitionFotoStatus(LMTemplateAreaDefinitionFotoStatusEnum theValue) : LMEnumWrapper(theValue) { }
    LMTemplateAreaDefinitionFotoStatus(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTemplateAreaDefinitionFotoStatus(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
