#include "LMReloadableResourcesManager.h"

#include "LMDirectoryConfig.h"
#include "LMSingletonDefinition.h"

#include <QFileInfo>

LM_DEFINE_SINGLETON(LMReloadableResourcesManager)

namespace {
const QString STR_DESIGN_LOGO = QStringLiteral("logos/design-logo.svg");
} // namespace

QString LMReloadableResourcesManager::designLogo() const
{
    const QString aPath = LMDirectoryConfig::instance()->contentPath(STR_DESIGN_LOGO);
    return QFileInfo(aPath).isFile() ? aPath : QString();
}
