#include "LMAreaDefinitionResult.h"

#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"

LMAreaDefinitionResult::LMAreaDefinitionResult(const LMTemplateAreaDefinitionList& theAreas,
                                               const LMConfiguredTemplate& theLayout,
                                               const LMFotoList& theLeftOverFotos, const QString& theUsedPageTemplate)
    : myAreas(theAreas), myLayout(theLayout), myLeftOverFotos(theLeftOverFotos), myUsedPageTemplate(theUsedPageTemplate)
{
}

LMAreaDefinitionResult::~LMAreaDefinitionResult() = default;

LMFotoList LMAreaDefinitionResult::fotos() const
{
    LMFotoList aFotos;
    for (const LMTemplateAreaDefinition* anArea : myAreas) {
        const LMFoto aFoto = anArea->foto();
        if (aFoto.isValid())
            aFotos.append(aFoto);
    }
    return aFotos;
}

int LMAreaDefinitionResult::countFotoAreas() const
{
    return myLayout->areaDefinitions().count(LMAreaTypeEnum::Foto);
}

const LMTemplateAreaDefinitionSmartLayout* LMAreaDefinitionResult::findSmartLayout() const
{
    for (const LMTemplateAreaDefinition* anArea : myAreas) {
        if (anArea->areaType() == LMAreaType(LMAreaTypeEnum::SmartLayout))
            return static_cast<const LMTemplateAreaDefinitionSmartLayout*>(anArea);
    }
    return nullptr;
}

LMTemplateList LMAreaDefinitionResult::backgroundTemplates() const
{
    LMTemplateList aTemplates;
    for (const LMTemplateAreaDefinition* anArea : myAreas) {
        if (anArea->areaType() == LMAreaType(LMAreaTypeEnum::Background))
            aTemplates.append(anArea->templates());
    }
    return aTemplates;
}

bool LMAreaDefinitionResult::contains(const LMConfiguredTemplate& theLayout,
                                      const LMConfiguredTemplate& theBackground) const
{
    return myLayout == theLayout && backgroundTemplates().contains(theBackground);
}
