#include "LMTemplateFramePassepartout.h"

#include "LMXMLElement.h"

LMTemplateFramePassepartout::LMTemplateFramePassepartout(QObject* theParent)
    : LMTemplate(LMJigTypeEnum::Passepartout, theParent)
{
    setTemplateLayerType(LMTemplateLayerTypeEnum::Passepartout);
}

LMTemplateFramePassepartout::LMTemplateFramePassepartout(const LMTemplateFramePassepartout& theOther,
                                                         const LMMirrorRule& theMirrorRule)
    : LMTemplate(theOther, theMirrorRule), myConfig(theOther.myConfig)
{
}

LMTemplateFramePassepartout::~LMTemplateFramePassepartout() = default;

std::unique_ptr<LMTemplate> LMTemplateFramePassepartout::cloneTemplate(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateFramePassepartout>(*this, theMirrorRule);
}

void LMTemplateFramePassepartout::readAttributes(const LMXMLElement& theElement)
{
    myConfig = LMTemplateFramePassepartoutConfig::fromXml(theElement);
}

QString LMTemplateFramePassepartout::basicDragAndDropHint() const
{
    if (isRemoveItem())
        return tr("Ziehen Sie dieses Element auf das Produkt, um das Passepartout zu entfernen.");
    return myConfig.basicDragAndDropHint();
}
