#include "LMDesignTypeMap.h"

#include "LMTemplate.h"

#include <algorithm>

bool LMDesignTypeMap::compareTemplates(const LMConfiguredTemplate& theA, const LMConfiguredTemplate& theB)
{
    return theA->designElementID() < theB->designElementID();
}

QList<LMConfiguredTemplate> LMDesignTypeMap::sortedKeys() const
{
    QList<LMConfiguredTemplate> aKeys = keys();
    std::stable_sort(aKeys.begin(), aKeys.end(), compareTemplates);
    return aKeys;
}

LMDesignTypeMap LMDesignTypeMap::filterOnlyValid() const
{
    using E = LMJigTypeEnum;
    LMDesignTypeMap aResult;
    for (const E aPriority : { E::SvgTemplate, E::Background, E::Layout, E::Clipart, E::Mask, E::Unknown }) {
        for (auto anIt = cbegin(); anIt != cend(); ++anIt) {
            if (anIt.value().second == aPriority && !aResult.contains(anIt.key()))
                aResult.insert(anIt.key(), anIt.value());
        }
    }
    return aResult;
}
