#include "LMTemplateAreaDefinitionPictured.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");

// What an area without a picture shows.
const LMConfiguredDecorationTemplate& noPicture()
{
    static const LMConfiguredDecorationTemplate ourNone;
    return ourNone;
}
} // namespace

LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured(const LMTemplateAreaDefinitionPictured& theOther,
                                                                   const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myKeepAspectRatio(theOther.myKeepAspectRatio)
{
    if (theOther.myPicture)
        setPicture(theOther.myPicture->mirrored(theMirrorRule));
}

LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured(const LMTemplateAreaDefinitionPictured& theOther)
    : LMTemplateAreaDefinition(theOther), myKeepAspectRatio(theOther.myKeepAspectRatio)
{
    if (theOther.myPicture)
        myPicture = std::make_unique<const LMConfiguredDecorationTemplate>(*theOther.myPicture);
}

LMTemplateAreaDefinitionPictured::~LMTemplateAreaDefinitionPictured() = default;

LMTemplateAreaDefinitionPictured::LMTemplateAreaDefinitionPictured(const LMXMLElement& theElement,
                                                                   const QSizeF& thePageSize,
                                                                   const LMAreaAbility& theDefaultAbilities,
                                                                   const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinition(theElement, thePageSize, theDefaultAbilities, theDefaultCreationRule),
      myKeepAspectRatio(LMModelXml::boolAttribute(theElement, STR_KEEP_ASPECT_RATIO, true))
{
}

const LMConfiguredDecorationTemplate& LMTemplateAreaDefinitionPictured::picture() const
{
    return myPicture ? *myPicture : noPicture();
}

void LMTemplateAreaDefinitionPictured::setPicture(const LMConfiguredDecorationTemplate& thePicture)
{
    if (thePicture == noPicture())
        myPicture.reset();
    else
        myPicture = std::make_unique<const LMConfiguredDecorationTemplate>(thePicture);
}

void LMTemplateAreaDefinitionPictured::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    lastAreaElement(theParent).setAttribute(STR_KEEP_ASPECT_RATIO, LMModelXml::boolText(myKeepAspectRatio));
}
