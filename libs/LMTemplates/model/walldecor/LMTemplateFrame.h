#pragma once

#include "LMFrameMaterial.h"
#include "LMTemplate.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A frame for a wall decor product, with the material it is made of; the frame of the remove
// material stands for leaving the frame away.
class LMTEMPLATES_EXPORT LMTemplateFrame : public LMTemplate
{
    Q_OBJECT

public:
    explicit LMTemplateFrame(QObject* theParent = nullptr);
    LMTemplateFrame(const LMTemplateFrame& theOther, const LMMirrorRule& theMirrorRule);
    ~LMTemplateFrame() override;

    std::unique_ptr<LMTemplate> cloneTemplate(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    // "material" of the element.
    void readAttributes(const LMXMLElement& theElement) override;

    bool hasFrame() const override { return !myMaterial.isRemoveItem(); }
    LMFrameMaterial frameMaterial() const override { return myMaterial; }
    void setFrameMaterial(const LMFrameMaterial& theMaterial) { myMaterial = theMaterial; }

    bool isRemoveItem() const override { return myMaterial.isRemoveItem(); }
    QString basicDragAndDropHint() const override;

private:
    LMFrameMaterial myMaterial;
};
