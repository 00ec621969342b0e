#include "LMTemplateFrameGlass.h"

#include "LMXMLElement.h"
#include "LMXMLParser.h"

namespace {
const QString STR_MATERIAL = QStringLiteral("material");
const QString STR_NONE = QStringLiteral("none");
} // namespace

LMTemplateFrameGlass::LMTemplateFrameGlass(QObject* theParent) : LMTemplate(LMJigTypeEnum::FrameGlass, theParent)
{
    setTemplateLayerType(LMTemplateLayerTypeEnum::FrameGlass);
}

LMTemplateFrameGlass::LMTemplateFrameGlass(const LMTemplateFrameGlass& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplate(theOther, theMirrorRule), myMaterial(theOther.myMaterial)
{
}

LMTemplateFrameGlass::~LMTemplateFrameGlass() = default;

std::unique_ptr<LMTemplate> LMTemplateFrameGlass::cloneTemplate(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateFrameGlass>(*this, theMirrorRule);
}

void LMTemplateFrameGlass::readAttributes(const LMXMLElement& theElement)
{
    myMaterial = LMFrameGlassMaterial(LMXMLParser::attribute(theElement, STR_MATERIAL, STR_NONE));
}

QString LMTemplateFrameGlass::basicDragAndDropHint() const
{
    if (isRemoveItem())
        return tr("Ziehen Sie dieses Element auf das Produkt, um das Glas zu entfernen.");
    return tr("Ziehen Sie dieses Glas auf das Produkt, um Ihr Bild zu schützen.");
}
