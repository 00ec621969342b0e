#include "LMTemplateVariantTemplate.h"

#include <QDomElement>

LMTemplateVariantTemplate::LMTemplateVariantTemplate(const QDomElement& theElement, const QString& theFolderPath,
                                                     QObject* theParent)
    : LMTemplate(LMJigTypeEnum::VariantTemplate, theParent), myFolderPath(theFolderPath),
      myConfig(LMTemplateVariantTemplateConfig::fromXml(theElement.attributes(), theFolderPath))
{
}

LMTemplateVariantTemplate::LMTemplateVariantTemplate(const LMTemplateVariantTemplate& theOther,
                                                     const LMMirrorRule& theMirrorRule)
    : LMTemplate(theOther, theMirrorRule), myFolderPath(theOther.myFolderPath), myConfig(theOther.myConfig)
{
}

LMTemplateVariantTemplate::~LMTemplateVariantTemplate() = default;

std::unique_ptr<LMTemplate> LMTemplateVariantTemplate::cloneTemplate(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateVariantTemplate>(*this, theMirrorRule);
}

void LMTemplateVariantTemplate::readAttributes(const QDomNamedNodeMap& theAttributes)
{
    myConfig = LMTemplateVariantTemplateConfig::fromXml(theAttributes, myFolderPath);
}

QString LMTemplateVariantTemplate::basicDragAndDropHint() const
{
    return myConfig.basicDragAndDropHint();
}
