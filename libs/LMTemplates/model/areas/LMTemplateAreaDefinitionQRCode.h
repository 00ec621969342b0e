#pragma once

#include "LMTemplateAreaDefinitionFotoAbstract.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// A QR code area: the code that links to a video of the user, printed beside its still.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionQRCode : public LMTemplateAreaDefinitionFotoAbstract
{
public:
    using LMTemplateAreaDefinitionFotoAbstract::LMTemplateAreaDefinitionFotoAbstract;
    LMTemplateAreaDefinitionQRCode(const LMTemplateAreaDefinitionQRCode& theOther, const LMMirrorRule& theMirrorRule);
    // Reads the video's URL from "video" besides what every photo container reads.
    LMTemplateAreaDefinitionQRCode(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                   const QString& theBasePath = QString());

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::QRCode; }
    // Equal as areas, and showing the same video.
    virtual bool operator==(const LMTemplateAreaDefinitionQRCode& theOther) const;
    using LMTemplateAreaDefinition::operator==;

    const LMFoto& video() const { return myVideo; }
    void setVideo(const LMFoto& theVideo) { myVideo = theVideo; }

private:
    LMFoto myVideo;
};
