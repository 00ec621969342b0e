#include "LMTemplateAreaDefinitionMaskable.h"

#include "LMDecorationLookup.h"
#include "LMModelXml.h"
#include "LMTemplatesLogging.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_IMAGE = QStringLiteral("image");
const QString STR_FADING = QStringLiteral("fading");
} // namespace

LMTemplateAreaDefinitionMaskable::LMTemplateAreaDefinitionMaskable(const LMXMLElement& theElement,
                                                                   const QSizeF& thePageSize,
                                                                   const LMAreaAbility& theDefaultAbilities,
                                                                   const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinitionPictured(theElement, thePageSize, theDefaultAbilities, theDefaultCreationRule)
{
    const LMXMLElement anImage = theElement.firstChildElement(STR_IMAGE);
    const LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(anImage, STR_FADING);
    if (!anId.isValid())
        return;
    const LMDecorationLookup* aLookup = LMDecorationLookup::installed();
    // Without a registry the id is kept as it is; it is checked once one is installed.
    if (aLookup && !aLookup->containsMask(anId)) {
        qCWarning(lcModel) << "mask not found:" << anId.id();
        return;
    }
    setPicture(LMConfiguredDecorationTemplate(anId, LMClipartConfiguration::fromXml(anImage)));
}

void LMTemplateAreaDefinitionMaskable::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionPictured::buildXML(theParent, thePageSize);
    if (!hasMask())
        return;
    QDomElement anElement = lastAreaElement(theParent);
    QDomElement anImage = LMModelXml::ensureChild(anElement, STR_IMAGE);
    anImage.setAttribute(STR_FADING, mask().designElementId().id());
    if (mask().configuration().hasChanges())
        mask().configuration().buildXML(anImage);
}
