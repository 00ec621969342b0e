#include "LMTemplateAreaDefinitionMaskable.h"

#include "LMDecorationLookup.h"
#include "LMModelXml.h"
#include "LMTemplatesLogging.h"

#include <QDomElement>

namespace {
const QString STR_IMAGE = QStringLiteral("image");
const QString STR_FADING = QStringLiteral("fading");
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");
} // namespace

LMTemplateAreaDefinitionMaskable::LMTemplateAreaDefinitionMaskable(const LMTemplateAreaDefinitionMaskable& theOther,
                                                                   const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myMask(theOther.myMask.mirrored(theMirrorRule)),
      myKeepAspectRatio(theOther.myKeepAspectRatio)
{
}

LMTemplateAreaDefinitionMaskable::LMTemplateAreaDefinitionMaskable(const QDomElement& theElement,
                                                                   const QSizeF& thePageSize,
                                                                   const LMAreaAbility& theDefaultAbilities,
                                                                   const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinition(theElement, thePageSize, theDefaultAbilities, theDefaultCreationRule),
      myKeepAspectRatio(LMModelXml::boolAttribute(theElement, STR_KEEP_ASPECT_RATIO, true))
{
    const QDomElement anImage = theElement.firstChildElement(STR_IMAGE);
    const LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(anImage, STR_FADING);
    if (!anId.isValid())
        return;
    const LMDecorationLookup* aLookup = LMDecorationLookup::installed();
    // Without a registry the id is kept as it is; it is checked once one is installed.
    if (aLookup && !aLookup->containsMask(anId)) {
        qCWarning(lcModel) << "mask not found:" << anId.id();
        return;
    }
    myMask = LMConfiguredDecorationTemplate(anId, LMClipartConfiguration::fromXml(anImage));
}

void LMTemplateAreaDefinitionMaskable::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    anElement.setAttribute(STR_KEEP_ASPECT_RATIO, LMModelXml::boolText(myKeepAspectRatio));
    if (!myMask.isValid())
        return;
    QDomElement anImage = LMModelXml::ensureChild(anElement, STR_IMAGE);
    anImage.setAttribute(STR_FADING, myMask.designElementId().id());
    if (myMask.configuration().hasChanges())
        myMask.configuration().buildXML(anImage);
}
