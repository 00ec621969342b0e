#pragma once

#include "LMImageBackgroundPosition.h"
#include "LMTemplateAreaDefinitionFotoAbstract.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A photo used as the page background, with the way it fills the area.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFotoBackground : public LMTemplateAreaDefinitionFotoAbstract
{
public:
    using LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract;
    LMTemplateAreaDefinitionFotoBackground(const LMTemplateAreaDefinitionFotoBackground& theOther,
                                           const LMMirrorRule& theMirrorRule);
    // Reads "backgroundPosition" besides what every photo container reads.
    LMTemplateAreaDefinitionFotoBackground(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                           const QString& theBasePath = QString());

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::FotoBackground; }

    const LMImageBackgroundPosition& backgroundPosition() const { return myBackgroundPosition; }
    void setBackgroundPosition(const LMImageBackgroundPosition& thePosition) { myBackgroundPosition = thePosition; }

private:
    LMImageBackgroundPosition myBackgroundPosition;
};
