#include "LMTemplateWallholder.h"

#include "LMXMLElement.h"

#include <QDomElement>

LMTemplateWallholder::LMTemplateWallholder(const LMXMLElement& theElement, QObject* theParent)
    : LMTemplate(LMJigTypeEnum::Wallholder, theParent), myConfig(LMTemplateWallholderConfig::fromXml(theElement))
{
    setTemplateLayerType(LMTemplateLayerTypeEnum::Wallholder);
}

LMTemplateWallholder::LMTemplateWallholder(const LMTemplateWallholder& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplate(theOther, theMirrorRule), myConfig(theOther.myConfig)
{
}

LMTemplateWallholder::~LMTemplateWallholder() = default;

std::unique_ptr<LMTemplate> LMTemplateWallholder::cloneTemplate(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateWallholder>(*this, theMirrorRule);
}

void LMTemplateWallholder::readAttributes(const LMXMLElement& theElement)
{
    myConfig = LMTemplateWallholderConfig::fromXml(theElement);
}

QString LMTemplateWallholder::basicDragAndDropHint() const
{
    return myConfig.basicDragAndDropHint();
}
