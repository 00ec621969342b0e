#pragma once

#include "LMFotoInAreaDescription.h"
#include "LMTemplateAreaDefinitionCroppable.h"
#include "LMTemplateAreaDefinitionFotoStatus.h"
#include "LMTemplatesExport.h"

class LMXMLElement;

// An area that may hold a photo: the photo, how it sits in the area, the state the template file
// gives it, and whether automatic image correction and the optimal fill apply.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionFotoContainer : public LMTemplateAreaDefinitionCroppable
{
public:
    static LMAreaAbility defaultAbilities() { return LMAreaAbilityEnum::FotoDefault; }

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    LMFoto foto() const override { return myFoto; }
    virtual void setFoto(const LMFoto& theFoto);

    const LMFotoInAreaDescription& fotoInAreaDescription() const { return myFotoInArea; }
    // Also takes the description's photo and use-ABK flag.
    void setFotoInAreaDescription(const LMFotoInAreaDescription& theDescription);
    const LMTemplateAreaDefinitionFotoStatus& fotoStatus() const { return myFotoStatus; }
    // A photo fixed by the design ("fix") can no longer be exchanged: the abilities become
    // those of a fixed photo.
    void setFotoStatus(const LMTemplateAreaDefinitionFotoStatus& theStatus);
    bool useABK() const { return myUseABK; }
    void setUseABK(bool theUseABK);
    bool optiFillContent() const { return myOptiFillContent; }
    void setOptiFillContent(bool theOptiFill) { myOptiFillContent = theOptiFill; }

protected:
    using LMTemplateAreaDefinitionCroppable::LMTemplateAreaDefinitionCroppable;
    LMTemplateAreaDefinitionFotoContainer(const LMTemplateAreaDefinitionFotoContainer& theOther,
                                          const LMMirrorRule& theMirrorRule);
    // Reads the photo from the child "image" (file names relative to the base path), the photo
    // status from "editor" and "optiFillContent".
    LMTemplateAreaDefinitionFotoContainer(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                          const QString& theBasePath, const LMAreaAbility& theDefaultAbilities,
                                          const LMAreaCreationRule& theDefaultCreationRule);

private:
    LMFoto myFoto;
    LMFotoInAreaDescription myFotoInArea;
    LMTemplateAreaDefinitionFotoStatus myFotoStatus;
    bool myUseABK = true;
    bool myOptiFillContent = false;
};
