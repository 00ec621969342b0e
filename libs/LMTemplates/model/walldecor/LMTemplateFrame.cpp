#include "LMTemplateFrame.h"

#include "LMXMLElement.h"

LMTemplateFrame::LMTemplateFrame(QObject* theParent) : LMTemplate(LMJigTypeEnum::Frame, theParent)
{
    setTemplateLayerType(LMTemplateLayerTypeEnum::Frame);
}

LMTemplateFrame::LMTemplateFrame(const LMTemplateFrame& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplate(theOther, theMirrorRule), myMaterial(theOther.myMaterial)
{
}

LMTemplateFrame::~LMTemplateFrame() = default;

std::unique_ptr<LMTemplate> LMTemplateFrame::cloneTemplate(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateFrame>(*this, theMirrorRule);
}

void LMTemplateFrame::readAttributes(const LMXMLElement& theElement)
{
    myMaterial = LMFrameMaterial::fromXml(theElement);
}

QString LMTemplateFrame::basicDragAndDropHint() const
{
    return myMaterial.basicDragAndDropHint();
}
