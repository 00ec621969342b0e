#pragma once

#include "LMAreaAssociationId.h"
#include "LMPlatformExport.h"

#include <QHash>
#include <QPointF>

// Geo positions by association id: where on the map the areas tied to a map area point
// (x longitude, y latitude).
class LMPLATFORM_EXPORT LMAreaAssociationIdList : public QHash<LMAreaAssociationId, QPointF>
{
public:
    LMAreaAssociationIdList() = default;

    // Inserts or replaces every entry of the other list.
    void unite(const LMAreaAssociationIdList& theOther);
};
