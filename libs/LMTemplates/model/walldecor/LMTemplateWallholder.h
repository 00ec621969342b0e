#pragma once

#include "LMTemplate.h"
#include "LMTemplatesExport.h"
#include "LMTemplateWallholderConfig.h"

class LMXMLElement;

// A hanging system for a wall decor product, described by the attributes of its template
// element; the null wallholder stands for hanging nothing.
class LMTEMPLATES_EXPORT LMTemplateWallholder : public LMTemplate
{
    Q_OBJECT

public:
    // The configuration comes from the element's attributes; a null element gives a wallholder
    // read from no attributes, which is not the null configuration.
    explicit LMTemplateWallholder(const LMXMLElement& theElement, QObject* theParent = nullptr);
    LMTemplateWallholder(const LMTemplateWallholder& theOther, const LMMirrorRule& theMirrorRule);
    ~LMTemplateWallholder() override;

    std::unique_ptr<LMTemplate> cloneTemplate(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    // "isNull", "diameter", "distancex" and "distancey" of the element.
    void readAttributes(const LMXMLElement& theElement) override;

    LMTemplateWallholderConfig wallholderConfig() const override { return myConfig; }
    void setWallholderConfig(const LMTemplateWallholderConfig& theConfig) { myConfig = theConfig; }

    bool isRemoveItem() const override { return myConfig.isRemoveItem(); }
    QString basicDragAndDropHint() const override;

private:
    LMTemplateWallholderConfig myConfig;
};
