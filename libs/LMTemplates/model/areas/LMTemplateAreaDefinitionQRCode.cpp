#include "LMTemplateAreaDefinitionQRCode.h"

#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_VIDEO = QStringLiteral("video");
} // namespace

LMTemplateAreaDefinitionQRCode::LMTemplateAreaDefinitionQRCode(const LMTemplateAreaDefinitionQRCode& theOther,
                                                               const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoAbstract(theOther, theMirrorRule), myVideo(theOther.myVideo)
{
}

LMTemplateAreaDefinitionQRCode::LMTemplateAreaDefinitionQRCode(const LMXMLElement& theElement,
                                                               const QSizeF& thePageSize, const QString& theBasePath)
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
