#include "LMTemplateWallholder.h"

#include <QDomElement>

LMTemplateWallholder::LMTemplateWallholder(const QDomElement& theElement, QObject* theParent)
    : LMTemplate(LMJigTypeEnum::Wallholder, theParent),
      myConfig(LMTemplateWallholderConfig::fromXml(theElement.attributes()))
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

void LMTemplateWallholder::readAttributes(const QDomNamedNodeMap& theAttributes)
{
    myConfig = LMTemplateWallholderConfig::fromXml(theAttributes);
}

QString LMTemplateWallholder::basicDragAndDropHint() const
{
    return myConfig.basicDragAndDropHint();
}
