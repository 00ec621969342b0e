#include "LMTemplateAreaDefinitionPictured.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");
} // namespace

LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured(const LMTemplateAreaDefinitionPictured& theOther,
                                                                   const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myPicture(theOther.myPicture.mirrored(theMirrorRule)),
      myKeepAspectRatio(theOther.myKeepAspectRatio)
{
}

LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured(const LMXMLElement& theElement,
                                                                   const QSizeF& thePageSize,
                                                                   const LMAreaAbility& theDefaultAbilities,
                                                                   const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinition(theElement, thePageSize, theDefaultAbilities, theDefaultCreationRule),
      myKeepAspectRatio(LMModelXml::boolAttribute(theElement, STR_KEEP_ASPECT_RATIO, true))
{
}

void LMTemplateAreaDefinitionPictured::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    lastAreaElement(theParent).setAttribute(STR_KEEP_ASPECT_RATIO, LMModelXml::boolText(myKeepAspectRatio));
}
