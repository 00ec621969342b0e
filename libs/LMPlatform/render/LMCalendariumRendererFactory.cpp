#include "LMCalendariumRendererFactory.h"

#include "LMCalendariumGridRenderer_p.h"
#include "LMCalendariumStripRenderer_p.h"

namespace {
const QString STR_STRIP = QStringLiteral("strip");
} // namespace

std::unique_ptr<LMCalendariumRenderer>
LMCalendariumRendererFactory::createRenderer(const LMCalendariumAppearance& theAppearance,
                                             const LMCalendariumPreviewParameters& theParameters)
{
    if (theAppearance.layout().trimmed().compare(STR_STRIP, Qt::CaseInsensitive) == 0)
        return std::make_unique<LMCalendariumStripRenderer>(theAppearance, theParameters);
    return std::make_unique<LMCalendariumGridRenderer>(theAppearance, theParameters);
}
