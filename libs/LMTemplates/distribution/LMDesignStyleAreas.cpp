#include "LMDesignStyleAreas.h"

#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"

#include <algorithm>

QList<LMTemplateAreaDefinition*> LMDesignStyleAreas::all(const LMTemplateAreaDefinitionList& theAreas)
{
    QList<LMTemplateAreaDefinition*> anAreas;
    anAreas.reserve(theAreas.count());
    for (LMTemplateAreaDefinition* anArea : theAreas) {
        anAreas.append(anArea);
        const auto* aSmartLayout = dynamic_cast<const LMTemplateAreaDefinitionSmartLayout*>(anArea);
        if (aSmartLayout == nullptr)
            continue;
        for (LMTemplateAreaDefinition* aChild : aSmartLayout->children()) {
            const bool aListHasIt = std::any_of(theAreas.begin(), theAreas.end(), [aChild](const auto* theOther) {
                return theOther->rotatedRect() == aChild->rotatedRect() && theOther->areaType() == aChild->areaType();
            });
            if (!aListHasIt)
                anAreas.append(aChild);
        }
    }
    return anAreas;
}

QList<LMTemplateAreaDefinition*> LMDesignStyleAreas::ofType(const LMTemplateAreaDefinitionList& theAreas,
                                                            const LMAreaType& theType)
{
    QList<LMTemplateAreaDefinition*> anAreas = all(theAreas);
    anAreas.removeIf([&theType](const LMTemplateAreaDefinition* theArea) { return !theArea->isType(theType); });
    return anAreas;
}

QList<LMTemplateAreaDefinitionFotoContainer*>
LMDesignStyleAreas::fotoAreasInFillingOrder(const LMTemplateAreaDefinitionList& theAreas)
{
    QList<LMTemplateAreaDefinitionFotoContainer*> aFotoAreas;
    for (LMTemplateAreaDefinition* anArea : ofType(theAreas, LMAreaTypeEnum::Foto)) {
        if (auto* aContainer = dynamic_cast<LMTemplateAreaDefinitionFotoContainer*>(anArea))
            aFotoAreas.append(aContainer);
    }
    std::stable_sort(aFotoAreas.begin(), aFotoAreas.end(),
                     [](const auto* theA, const auto* theB) { return theA->coveredArea() > theB->coveredArea(); });
    return aFotoAreas;
}
