#include "LMTemplateAreaDefinitionFoto.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_ADJUST_ASPECT_RATIO_FOR_VIDEO = QStringLiteral("adjustAspectRatioForVideo");
} // namespace

LMTemplateAreaDefinitionFoto::LMTemplateAreaDefinitionFoto(const LMTemplateAreaDefinitionFoto& theOther,
                                                           const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoAbstract(theOther, theMirrorRule),
      myAdjustAspectRatioForVideo(theOther.myAdjustAspectRatioForVideo)
{
}

LMTemplateAreaDefinitionFoto::LMTemplateAreaDefinitionFoto(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                                           const QString& theBasePath)
    : LMTemplateAreaDefinitionFotoAbstract(theElement, thePageSize, theBasePath, defaultAbilities(),
                                           LMAreaCreationRuleEnum::Default),
      myAdjustAspectRatioForVideo(LMModelXml::boolAttribute(theElement, STR_ADJUST_ASPECT_RATIO_FOR_VIDEO, false))
{
}

void LMTemplateAreaDefinitionFoto::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    // The creation rule is written with the area's description.
    LMTemplateAreaDefinitionFotoAbstract::buildXML(theParent, thePageSize);
    if (myAdjustAspectRatioForVideo) {
        QDomElement anElement = lastAreaElement(theParent);
        anElement.setAttribute(STR_ADJUST_ASPECT_RATIO_FOR_VIDEO, LMModelXml::boolText(true));
    }
}

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionFoto::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionFoto>(*this, theMirrorRule);
}
