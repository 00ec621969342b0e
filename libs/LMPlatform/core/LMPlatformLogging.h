#pragma once

#include "LMPlatformExport.h"

#include <QLoggingCategory>

// Logging categories of the platform stand-ins, one per folder ("lm.platform.<folder>"),
// for messages whose text is the platform's own. Enabled from the warning level up.
LMPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatformCore)
LMPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatformXml)
LMPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatformProduct)
LMPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatformModel)
LMPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatformFoto)
LMPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatformRender)
