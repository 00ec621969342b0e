#pragma once

#include "LMConfiguredTemplate.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

class LMTemplateAreaDefinitionSmartLayout;

// The outcome of putting photos into a layout: the filled areas, the layout used, the photos that
// did not fit and the page template the page came from.
class LMTEMPLATES_EXPORT LMAreaDefinitionResult
{
public:
    LMAreaDefinitionResult() = default;
    LMAreaDefinitionResult(const LMTemplateAreaDefinitionList& theAreas, const LMConfiguredTemplate& theLayout,
                           const LMFotoList& theLeftOverFotos = LMFotoList(),
                           const QString& theUsedPageTemplate = QString());
    virtual ~LMAreaDefinitionResult();

    const LMTemplateAreaDefinitionList& templateAreaDefinitionList() const { return myAreas; }
    void setTemplateAreaDefinitionList(const LMTemplateAreaDefinitionList& theAreas) { myAreas = theAreas; }
    const LMConfiguredTemplate& layoutTemplate() const { return myLayout; }
    const LMFotoList& leftOverFotos() const { return myLeftOverFotos; }
    const QString& usedPageTemplate() const { return myUsedPageTemplate; }

    // The valid photos the areas hold, in area order.
    LMFotoList fotos() const;
    // The photo areas of the layout template.
    int countFotoAreas() const;
    bool containsOsmMaps() const { return myAreas.containsOsmMaps(); }
    // The first smart layout area of the list; null when there is none.
    const LMTemplateAreaDefinitionSmartLayout* findSmartLayout() const;
    // The templates the background areas show.
    LMTemplateList backgroundTemplates() const;
    // The layout is this one and the background one of its backgrounds.
    bool contains(const LMConfiguredTemplate& theLayout, const LMConfiguredTemplate& theBackground) const;
    double fontScaleFactor(const QSizeF& theSize) const { return myAreas.scaleFactor(theSize); }

private:
    LMTemplateAreaDefinitionList myAreas;
    LMConfiguredTemplate myLayout;
    LMFotoList myLeftOverFotos;
    QString myUsedPageTemplate;
};
