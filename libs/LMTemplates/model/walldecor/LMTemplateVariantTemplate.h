#pragma once

#include "LMTemplate.h"
#include "LMTemplatesExport.h"
#include "LMTemplateVariantTemplateConfig.h"

class LMXMLElement;

// A product variant shown inside a surrounding picture (a room, a wall). The picture is named by
// the template element relative to the template's folder.
class LMTEMPLATES_EXPORT LMTemplateVariantTemplate : public LMTemplate
{
    Q_OBJECT

public:
    // The layer type stays unset: a variant template is no layer of the page.
    LMTemplateVariantTemplate(const LMXMLElement& theElement, const QString& theFolderPath,
                              QObject* theParent = nullptr);
    LMTemplateVariantTemplate(const LMTemplateVariantTemplate& theOther, const LMMirrorRule& theMirrorRule);
    ~LMTemplateVariantTemplate() override;

    std::unique_ptr<LMTemplate> cloneTemplate(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    // The editable area and "surrounding" of the element, relative to the folder it was made with.
    void readAttributes(const LMXMLElement& theElement) override;

    const QString& folderPath() const { return myFolderPath; }
    LMTemplateVariantTemplateConfig templateVariantConfig() const override { return myConfig; }
    void setTemplateVariantConfig(const LMTemplateVariantTemplateConfig& theConfig) { myConfig = theConfig; }

    bool isRemoveItem() const override { return myConfig.isRemoveItem(); }
    QString basicDragAndDropHint() const override;

private:
    QString myFolderPath;
    LMTemplateVariantTemplateConfig myConfig;
};
