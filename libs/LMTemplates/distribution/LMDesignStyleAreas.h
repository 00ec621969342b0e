#pragma once

#include "LMAreaDecoration.h"
#include "LMAreaType.h"
#include "LMTemplatesExport.h"

#include <QList>

class LMTemplateAreaDefinition;
class LMTemplateAreaDefinitionFotoContainer;
class LMTemplateAreaDefinitionList;

// The areas of a page that a design style works on: the areas of the list and the areas its
// smart layouts arrange. A layout of an SVG page keeps its photo areas in both places; such a
// child (on the rectangle of an area of the list) counts once, as the area of the list.
class LMTEMPLATES_EXPORT LMDesignStyleAreas
{
public:
    // In list order, each smart layout followed by its children.
    static QList<LMTemplateAreaDefinition*> all(const LMTemplateAreaDefinitionList& theAreas);
    // Those sharing a bit with the area type ("all" thus every area).
    static QList<LMTemplateAreaDefinition*> ofType(const LMTemplateAreaDefinitionList& theAreas,
                                                   const LMAreaType& theType);
    // The photo areas in the order in which the layout distributor fills them: by descending
    // covered area, equal ones in list order.
    static QList<LMTemplateAreaDefinitionFotoContainer*>
    fotoAreasInFillingOrder(const LMTemplateAreaDefinitionList& theAreas);
    // Changes one part of the area's decoration: theChange(decoration) on a copy, which the area
    // then takes.
    template <typename Area, typename Change> static void changeDecoration(Area& theArea, Change theChange)
    {
        LMAreaDecoration aDecoration = theArea.decoration();
        theChange(aDecoration);
        theArea.setDecoration(aDecoration);
    }
};
