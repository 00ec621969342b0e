#include "LMTemplateAreaDefinitionQRCode.h"

#include <QDomElement>

namespace {
const QString STR_VIDEO = QStringLiteral("video");
} // namespace

LMTemplateAreaDefinitionQRCode::LMTemplateAreaDefinitionQRCode(
    const LMRotatedRect& theRect, const LMAreaAbility& theAbilities, const LMAreaDecoration& theDecoration,
    const LMAreaPositioningConstraint& theConstraint, const LMImageFXs& theImageFXs, const QSizeF& thePageSize,
    const LMAreaCreationRule& theCreationRule, const LMAreaAssociationId& theAssociationId)
    : LMTemplateAreaDefinitionFotoAbstract(theRect, theAbilities, theDecoration, theConstraint, theImageFXs,
                                           thePageSize, theCreationRule, theAssociationId)
{
}

LMTemplateAreaDefinitionQRCode::LMTemplateAreaDefinitionQRCode(const LMAreaDescription& theDescription,
                                                               const LMAreaPositioningConstraint& theConstraint,
                                                               const LMAreaAssociationId& theAssociationId)
    : LMTemplateAreaDefinitionFotoAbstract(theDescription, theConstraint, theAssociationId)
{
}

LMTemplateAreaDefinitionQRCode::LMTemplateAreaDefinitionQRCode(const LMTemplateAreaDefinitionQRCode& theOther,
                                                               const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoAbstract(theOther, theMirrorRule), myVideo(theOther.myVideo)
{
}

LMTemplateAreaDefinitionQRCode::LMTemplateAreaDefinitionQRCode(const QDomElement& theElement, const QSizeF& thePageSize,
                                                               const QString& theBasePath)
    : LMTemplateAreaDefinitionFotoAbstract(theElement, thePageSize, theBasePath, defaultAbilities(),
                                           LMAreaCreationRuleEnum::Default),
      myVideo(LMFoto::fromString(theElement.attribute(STR_VIDEO), theBasePath))
{
}

void LMTemplateAreaDefinitionQRCode::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionFotoAbstract::buildXML(theParent, thePageSize);
    if (myVideo.isValid()) {
        QDomElement anElement = lastAreaElement(theParent);
        anElement.setAttribute(STR_VIDEO, myVideo.url().toString());
    }
}

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionQRCode::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionQRCode>(*this, theMirrorRule);
}

bool LMTemplateAreaDefinitionQRCode::operator==(const LMTemplateAreaDefinitionQRCode& theOther) const
{
    return LMTemplateAreaDefinition::operator==(theOther) && myVideo == theOther.myVideo;
}
