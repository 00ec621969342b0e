#include "LMTemplateAreaDefinitionClipart.h"

#include "LMDecorationLookup.h"
#include "LMModelXml.h"
#include "LMTemplatesLogging.h"

#include <QDomElement>

namespace {
const QString STR_UNIQUE_NAME = QStringLiteral("uniqueName");
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");
} // namespace

LMTemplateAreaDefinitionClipart::LMTemplateAreaDefinitionClipart(const LMTemplateAreaDefinitionClipart& theOther,
                                                                 const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myClipart(theOther.myClipart.mirrored(theMirrorRule)),
      myKeepAspectRatio(theOther.myKeepAspectRatio)
{
}

LMTemplateAreaDefinitionClipart::LMTemplateAreaDefinitionClipart(const QDomElement& theElement,
                                                                 const QSizeF& thePageSize)
    : LMTemplateAreaDefinition(theElement, thePageSize, LMAreaAbilityEnum::FotoDefault,
                               LMAreaCreationRuleEnum::Default),
      myKeepAspectRatio(LMModelXml::boolAttribute(theElement, STR_KEEP_ASPECT_RATIO, true))
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
        myClipart = LMConfiguredDecorationTemplate(anId, LMClipartConfiguration::fromXml(theElement));
}

void LMTemplateAreaDefinitionClipart::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    if (myClipart.isValid()) {
        myClipart.designElementId().toXML(anElement);
        myClipart.configuration().buildXML(anElement);
    }
    anElement.setAttribute(STR_KEEP_ASPECT_RATIO, LMModelXml::boolText(myKeepAspectRatio));
}

std::unique_ptr<LMTemplateAreaDefinition>
LMTemplateAreaDefinitionClipart::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionClipart>(*this, theMirrorRule);
}

bool LMTemplateAreaDefinitionClipart::hasClipart() const
{
    return myClipart.isValid();
}
