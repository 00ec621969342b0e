#include "LMTemplateAreaDefinitionCalendarium.h"

#include "LMXMLElement.h"

#include <QDomElement>

LMTemplateAreaDefinitionCalendarium::LMTemplateAreaDefinitionCalendarium(
    const LMTemplateAreaDefinitionCalendarium& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myAppearance(theOther.myAppearance),
      myLegacy(theOther.myLegacy)
{
}

LMTemplateAreaDefinitionCalendarium::LMTemplateAreaDefinitionCalendarium(const LMXMLElement& theElement,
                                                                         const QSizeF& thePageSize, bool theLegacy)
    : LMTemplateAreaDefinition(theElement, thePageSize, LMAreaAbilityEnum::FotoDefault,
                               LMAreaCreationRuleEnum::Default),
      myAppearance(LMCalendariumAppearance::fromXml(theElement)), myLegacy(theLegacy)
{
}

void LMTemplateAreaDefinitionCalendarium::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    myAppearance.buildXML(anElement);
}

std::unique_ptr<LMTemplateAreaDefinition>
LMTemplateAreaDefinitionCalendarium::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionCalendarium>(*this, theMirrorRule);
}
