#pragma once

#include "LMCalendariumAppearance.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A calendar area: where the calendar of a calendar product goes and how it looks.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionCalendarium : public LMTemplateAreaDefinition
{
public:
    using LMTemplateAreaDefinition::LMTemplateAreaDefinition;
    LMTemplateAreaDefinitionCalendarium(const LMTemplateAreaDefinitionCalendarium& theOther,
                                        const LMMirrorRule& theMirrorRule);
    // Reads the child "calendar". Legacy areas come from old XML templates, whose calendars
    // take their look from the product rather than from the area.
    LMTemplateAreaDefinitionCalendarium(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                        bool theLegacy = false);

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::Calendarium; }

    const LMCalendariumAppearance& appearance() const { return myAppearance; }
    void setAppearance(const LMCalendariumAppearance& theAppearance) { myAppearance = theAppearance; }
    bool isLegacy() const { return myLegacy; }

private:
    LMCalendariumAppearance myAppearance;
    bool myLegacy = false;
};
