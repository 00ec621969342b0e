#include "LMTemplateVariantTemplate.h"

#include "LMXMLElement.h"

#include <QDomElement>

LMTemplateVariantTemplate::LMTemplateVariantTemplate(const LMXMLElement& theElement, const QString& theFolderPath,
                                                     QObject* theParent)
    : LMTemplate(LMJigTypeEnum::VariantTemplate, theParent), myFolderPath(theFolderPath),
      myConfig(LMTemplateVariantTemplateConfig::fromXml(theElement, theFolderPath))
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

void LMTemplateVariantTemplate::readAttributes(const LMXMLElement& theElement)
{
    myConfig = LMTemplateVariantTemplateConfig::fromXml(theElement, myFolderPath);
}

QString LMTemplateVariantTemplate::basicDragAndDropHint() const
{
    return myConfig.basicDragAndDropHint();
}
