#pragma once

#include "LMConfiguredTemplate.h"
#include "LMTemplateLayerType.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QMap>

class LMTemplateList;

// The templates of a page by layer (background, content layers, frame ...), ordered by the
// layer's value.
class LMTEMPLATES_EXPORT LMTemplateLayerTypeHash : public QMap<LMTemplateLayerType, LMConfiguredTemplate>
{
public:
    LMTemplateLayerTypeHash() = default;

    // The layers, in order, whose template is the given one.
    QList<LMTemplateLayerType> keysForTemplate(const LMUnconfiguredTemplate& theTemplate) const;
    // The templates in layer order.
    LMTemplateList templateList() const;
};
