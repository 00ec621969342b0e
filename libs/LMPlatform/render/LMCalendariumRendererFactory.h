#pragma once

#include "LMCalendariumRenderer.h"
#include "LMPlatformExport.h"

#include <memory>

// Makes the renderer of a calendar area's layout.
class LMPLATFORM_EXPORT LMCalendariumRendererFactory
{
public:
    // By the appearance's layout, without case and blanks: "strip" draws one row of the month's
    // days (for wide, low areas), anything else ("grid", empty, unknown) the month grid. Never null.
    static std::unique_ptr<LMCalendariumRenderer> createRenderer(const LMCalendariumAppearance& theAppearance,
                                                                 const LMCalendariumPreviewParameters& theParameters);
};
