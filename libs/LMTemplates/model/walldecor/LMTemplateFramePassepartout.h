#pragma once

#include "LMTemplate.h"
#include "LMTemplateFramePassepartoutConfig.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A passepartout (mat) between frame and photo, with its colour and opening; the passepartout
// of a free price class stands for leaving the mat away.
class LMTEMPLATES_EXPORT LMTemplateFramePassepartout : public LMTemplate
{
    Q_OBJECT

public:
    explicit LMTemplateFramePassepartout(QObject* theParent = nullptr);
    LMTemplateFramePassepartout(const LMTemplateFramePassepartout& theOther, const LMMirrorRule& theMirrorRule);
    ~LMTemplateFramePassepartout() override;

    std::unique_ptr<LMTemplate> cloneTemplate(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    // "color", "width" and "height" of the element.
    void readAttributes(const LMXMLElement& theElement) override;

    LMTemplateFramePassepartoutConfig framePassepartoutConfig() const override { return myConfig; }
    void setFramePassepartoutConfig(const LMTemplateFramePassepartoutConfig& theConfig) { myConfig = theConfig; }

    // Only the paid passepartouts are a mat; the free one is the choice of none.
    bool isRemoveItem() const override { return priceClass().isFree(); }
    QString basicDragAndDropHint() const override;

private:
    LMTemplateFramePassepartoutConfig myConfig;
};
