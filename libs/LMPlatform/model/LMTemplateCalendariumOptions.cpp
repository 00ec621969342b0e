#include "LMTemplateCalendariumOptions.h"

LM_DEFINE_ENUM_TABLE(LMTemplateCalendariumOptions)

void LMTemplateCalendariumOptions::fillTable(Table* theTable) const
{
    using E = LMTemplateCalendariumOptionsEnum;
    theTable->insert(QStringLiteral("holidays"), E::Holidays);
    theTable->insert(QStringLiteral("custom_events"), E::CustomEvents);
    theTable->insert(QStringLiteral("all"), E::All);
}

LMTemplateCalendariumOptions LMTemplateCalendariumOptions::effective(const LMTemplateCalendariumOptions& theExplicit,
                                                                     const LMTemplateCalendariumOptions& theImplicit)
{
    return theExplicit.isValid() ? theExplicit : theImplicit;
}
