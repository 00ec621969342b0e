#pragma once

#include "LMConfiguredTemplate.h"
#include "LMJigType.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QMap>
#include <QPair>

// Configured templates, each with the template and jig type it stands for, as a design offers
// them (its layouts, backgrounds, cliparts ...); ordered and filtered by kind.
class LMTEMPLATES_EXPORT LMDesignTypeMap : public QMap<LMConfiguredTemplate, QPair<LMConfiguredTemplate, LMJigType>>
{
public:
    LMDesignTypeMap() = default;

    // a comes before b by design element id.
    static bool compareTemplates(const LMConfiguredTemplate& theA, const LMConfiguredTemplate& theB);
    // The keys by ascending design element id.
    QList<LMConfiguredTemplate> sortedKeys() const;
    // Only the entries of the design kinds (SVG templates, backgrounds, layouts, cliparts, masks,
    // unknown), taken kind by kind in that order of priority; a key already taken is skipped.
    LMDesignTypeMap filterOnlyValid() const;
};
