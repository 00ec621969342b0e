#include "LMPlatformLogging.h"

Q_LOGGING_CATEGORY(lcPlatformCore, "lm.platform.core", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatformXml, "lm.platform.xml", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatformProduct, "lm.platform.product", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatformModel, "lm.platform.model", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatformFoto, "lm.platform.foto", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatformRender, "lm.platform.render", QtWarningMsg)
