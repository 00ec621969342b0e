#include "LMTemplateAreaDefinitionClipart.h"

#include "LMDecorationLookup.h"
#include "LMTemplatesLogging.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_UNIQUE_NAME = QStringLiteral("uniqueName");
} // namespace

LMTemplateAreaDefinitionClipart::LMTemplateAreaDefinitionClipart(const LMXMLElement& theElement,
                                                                 const QSizeF& thePageSize)
    : LMTemplateAreaDefinitionPictured(theElement, thePageSize, LMAreaAbilityEnum::FotoDefault,
                                       LMAreaCreationRuleEnum::Default)
{
    LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(theElement);
    if (!anId.isValid() && theElement.hasAttribute(STR_UNIQUE_NAME)) {
        const QString aName = theElement.attribute(STR_UNIQUE_NAME);
        const LMDecorationLookup* aLookup = LMDecorationLookup::installed();
        anId = aLookup ? aLookup->findClipartByUniqueName(aName) : LMDesignElementID();
        if (!anId.isValid())
            qCWarning(lcModel) << "clipart not found:" << aName;
    }
    if (anId.isValid())
        setPicture(LMConfiguredDecorationTemplate(anId, LMClipartConfiguration::fromXml(theElement)));
}

void LMTemplateAreaDefinitionClipart::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionPictured::buildXML(theParent, thePageSize);
    if (!clipart().isValid())
        return;
    QDomElement anElement = lastAreaElement(theParent);
    clipart().designElementId().toXML(anElement);
    clipart().configuration().buildXML(anElement);
}

std::unique_ptr<LMTemplateAreaDefinition>
LMTemplateAreaDefinitionClipart::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionClipart>(*this, theMirrorRule);
}

bool LMTemplateAreaDefinitionClipart::hasClipart() const
{
    return clipart().isValid();
}
