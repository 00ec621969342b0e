#include "LMTemplateLayerTypeHash.h"

#include "LMTemplateList.h"

QList<LMTemplateLayerType> LMTemplateLayerTypeHash::keysForTemplate(const LMUnconfiguredTemplate& theTemplate) const
{
    QList<LMTemplateLayerType> aKeys;
    for (auto anIt = cbegin(); anIt != cend(); ++anIt) {
        if (anIt.value().unconfiguredTemplate() == theTemplate)
            aKeys.append(anIt.key());
    }
    return aKeys;
}

LMTemplateList LMTemplateLayerTypeHash::templateList() const
{
    LMTemplateList aList;
    aList.reserve(size());
    for (auto anIt = cbegin(); anIt != cend(); ++anIt)
        aList.append(anIt.value());
    return aList;
}
