#pragma once

#include "LMRatedTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QList>

// Orders templates by how close their colour is to a wanted colour: greys first (by brightness
// distance), then coloured templates by hue distance, lack of saturation and lack of brightness.
class LMTEMPLATES_EXPORT LMTemplateRater
{
public:
    LMTemplateRater(const QColor& theColor, const LMTemplateContext& theContext);
    virtual ~LMTemplateRater();

    // The templates in rating order; unchanged for an invalid reference colour.
    LMTemplateList rate(const LMTemplateList& theTemplates) const;
    LMRatedTemplate rateTemplate(const LMConfiguredTemplate& theTemplate) const;
    QColor measureColor(const LMConfiguredTemplate& theTemplate) const;
    // Greys are negative, so they rank before every coloured template.
    int measureDistance(const QColor& theColor) const;
    void prepareCache(const LMTemplateList& theTemplates) const;
    QList<LMRatedTemplate> prepareList(const LMTemplateList& theTemplates) const;
    static LMTemplateList extractTemplates(const QList<LMRatedTemplate>& theRated);

    const QColor& color() const { return myColor; }
    const LMTemplateContext& context() const { return myContext; }

private:
    QColor myColor;
    LMTemplateContext myContext;
};
