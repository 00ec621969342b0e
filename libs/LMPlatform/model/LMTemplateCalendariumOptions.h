#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMTemplateCalendariumOptionsEnum : qint32 { None = 0, Holidays = 1, CustomEvents = 2, All = 3 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMTemplateCalendariumOptionsEnum)

// What the calendar of a template may show besides the dates: public holidays and the user's own
// events, as bits. A template states options explicitly (its metadata) or implies them (its
// calendar areas); effective() combines the two.
class LMPLATFORM_EXPORT LMTemplateCalendariumOptions : public LMEnumWrapper<LMTemplateCalendariumOptionsEnum>
{
public:
    LMTemplateCalendariumOptions() = default;
    LMTemplateCalendariumOptions(LMTemplateCalendariumOptionsEnum theValue) : LMEnumWrapper(theValue) { }
    LMTemplateCalendariumOptions(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTemplateCalendariumOptions(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The explicit options when they name any, else the implicit ones: a template that says what
    // its calendar allows is taken at its word.
    static LMTemplateCalendariumOptions effective(const LMTemplateCalendariumOptions& theExplicit,
                                                  const LMTemplateCalendariumOptions& theImplicit);

    bool allowHolidays() const { return testFlag(LMTemplateCalendariumOptionsEnum::Holidays); }
    bool allowCustomEvents() const { return testFlag(LMTemplateCalendariumOptionsEnum::CustomEvents); }

    void fillTable(Table* theTable) const override;
};
