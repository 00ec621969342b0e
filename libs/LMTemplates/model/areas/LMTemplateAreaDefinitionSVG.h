#pragma once

#include "LMSVGImageAbstract.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplatesExport.h"

#include <memory>

class LMXMLElement;

// A vector graphic area: a piece of SVG drawn as part of the design, optionally recoloured by a
// named CSS sheet. Valid only with an image.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionSVG : public LMTemplateAreaDefinition
{
public:
    using LMTemplateAreaDefinition::LMTemplateAreaDefinition;
    LMTemplateAreaDefinitionSVG(const LMTemplateAreaDefinitionSVG& theOther, const LMMirrorRule& theMirrorRule);
    // Reads "cssSheet", "customCssSheet" and the image: "svgImageType" 1 is a plain image, 2 a
    // calendar image; any other type leaves the area without image (and invalid) and warns.
    LMTemplateAreaDefinitionSVG(const LMXMLElement& theElement, const QSizeF& thePageSize);
    ~LMTemplateAreaDefinitionSVG() override;

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::SVG; }
    // Also needs an image that could be read.
    bool isValid() const override;

    const LMSVGImageAbstract* svgImage() const { return myImage.get(); }
    void setSvgImage(std::unique_ptr<LMSVGImageAbstract> theImage) { myImage = std::move(theImage); }
    const QString& defaultCssSheet() const { return myDefaultCssSheet; }
    void setDefaultCssSheet(const QString& theName) { myDefaultCssSheet = theName; }
    const QString& customCssSheet() const { return myCustomCssSheet; }
    void setCustomCssSheet(const QString& theName) { myCustomCssSheet = theName; }

private:
    std::unique_ptr<LMSVGImageAbstract> myImage;
    QString myDefaultCssSheet;
    QString myCustomCssSheet;
};
