#include "LMInstallationSettings.h"

#include "LMConfigItem.h"
#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMInstallationSettings)

namespace {
const QString STR_MUST_GENERATE_WHITE_LIST = QStringLiteral("Installation/MustGenerateWhiteList");
} // namespace

LMInstallationSettings::LMInstallationSettings() = default;

LMInstallationSettings::~LMInstallationSettings() = default;

bool LMInstallationSettings::mustGenerateWhiteList() const
{
    LMConfigItem<bool> anItem(STR_MUST_GENERATE_WHITE_LIST, false);
    load(&anItem);
    return anItem.value();
}

bool LMInstallationSettings::setMustGenerateWhiteList(bool theMust)
{
    return save(LMConfigItem<bool>(STR_MUST_GENERATE_WHITE_LIST, theMust));
}
