#pragma once

#include "LMFrameGlassMaterial.h"
#include "LMTemplate.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// The glass in front of a framed wall decor product; a glass of no material stands for leaving
// the glass away.
class LMTEMPLATES_EXPORT LMTemplateFrameGlass : public LMTemplate
{
    Q_OBJECT

public:
    explicit LMTemplateFrameGlass(QObject* theParent = nullptr);
    LMTemplateFrameGlass(const LMTemplateFrameGlass& theOther, const LMMirrorRule& theMirrorRule);
    ~LMTemplateFrameGlass() override;

    std::unique_ptr<LMTemplate> cloneTemplate(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    // "material" of the element (default "none"); unknown words give no material.
    void readAttributes(const LMXMLElement& theElement) override;

    LMFrameGlassMaterial glassMaterial() const override { return myMaterial; }
    bool hasGlassMaterial(const LMFrameGlassMaterial& theMaterial) const override
    {
        return myMaterial.intersects(theMaterial);
    }
    void setGlassMaterial(const LMFrameGlassMaterial& theMaterial) { myMaterial = theMaterial; }

    bool isRemoveItem() const override { return !myMaterial.isValid(); }
    QString basicDragAndDropHint() const override;

private:
    LMFrameGlassMaterial myMaterial;
};
