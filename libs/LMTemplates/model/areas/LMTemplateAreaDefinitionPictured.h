#pragma once

#include "LMConfiguredDecorationTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplatesExport.h"

#include <memory>

class LMXMLElement;

// An area that shows a decoration picture: the clipart it is, or the mask that cuts its content.
// Holds the picture, mirrored with the area, and whether the picture keeps its aspect ratio.
// Most photo areas show no picture: theirs is kept out of line, only when there is one.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionPictured : public LMTemplateAreaDefinition
{
public:
    // Writes "keepAspectRatio"; the picture is written by the kind, in its own vocabulary.
    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;

    bool keepsAspectRatio() const { return myKeepAspectRatio; }
    void setKeepAspectRatio(bool theKeep) { myKeepAspectRatio = theKeep; }

protected:
    using LMTemplateAreaDefinition::LMTemplateAreaDefinition;
    ~LMTemplateAreaDefinitionPictured() override;
    LMTemplateAreaDefinitionPictured(const LMTemplateAreaDefinitionPictured& theOther);
    LMTemplateAreaDefinitionPictured(const LMTemplateAreaDefinitionPictured& theOther,
                                     const LMMirrorRule& theMirrorRule);
    // Reads "keepAspectRatio" (default true); the kind reads its picture.
    LMTemplateAreaDefinitionPictured(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                     const LMAreaAbility& theDefaultAbilities,
                                     const LMAreaCreationRule& theDefaultCreationRule);

    // The empty picture when none is set.
    const LMConfiguredDecorationTemplate& picture() const;
    void setPicture(const LMConfiguredDecorationTemplate& thePicture);

private:
    std::unique_ptr<const LMConfiguredDecorationTemplate> myPicture;
    bool myKeepAspectRatio = true;
};
