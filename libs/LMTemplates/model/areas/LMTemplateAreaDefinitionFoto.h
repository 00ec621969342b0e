#pragma once

#include "LMTemplateAreaDefinitionFotoAbstract.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A photo area: the slot of one photo (or video) of the user.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFoto : public LMTemplateAreaDefinitionFotoAbstract
{
public:
    using LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract;
    LMTemplateAreaDefinitionFoto(const LMTemplateAreaDefinitionFoto& theOther, const LMMirrorRule& theMirrorRule);
    // Reads "adjustAspectRatioForVideo" besides what every photo container reads.
    LMTemplateAreaDefinitionFoto(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                 const QString& theBasePath = QString());

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::Foto; }

    // A video placed here changes the area to its own aspect ratio.
    bool adjustAspectRatioForVideo() const { return myAdjustAspectRatioForVideo; }
    void setAdjustAspectRatioForVideo(bool theAdjust) { myAdjustAspectRatioForVideo = theAdjust; }

private:
    bool myAdjustAspectRatioForVideo = false;
};
