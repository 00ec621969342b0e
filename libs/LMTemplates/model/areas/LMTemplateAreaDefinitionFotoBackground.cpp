#include "LMTemplateAreaDefinitionFotoBackground.h"

#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_BACKGROUND_POSITION = QStringLiteral("backgroundPosition");
} // namespace

LMTemplateAreaDefinitionFotoBackground::LMTemplateAreaDefinitionFotoBackground(
    const LMTemplateAreaDefinitionFotoBackground& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoAbstract(theOther, theMirrorRule), myBackgroundPosition(theOther.myBackgroundPosition)
{
}

LMTemplateAreaDefinitionFotoBackground::LMTemplateAreaDefinitionFotoBackground(const LMXMLElement& theElement,
                                                                               const QSizeF& thePageSize,
                                                                               const QString& theBasePath)
    : LMTemplateAreaDefinitionFotoAbstract(theElement, thePageSize, theBasePath, defaultAbilities(),
                                           LMAreaCreationRuleEnum::Default),
      myBackgroundPosition(theElement.attribute(STR_BACKGROUND_POSITION))
{
}

void LMTemplateAreaDefinitionFotoBackground::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionFotoAbstract::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    anElement.setAttribute(STR_BACKGROUND_POSITION, myBackgroundPosition.encode());
}

std::unique_ptr<LMTemplateAreaDefinition>
LMTemplateAreaDefinitionFotoBackground::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionFotoBackground>(*this, theMirrorRule);
}
