#include "LMTemplatesLogging.h"

Q_LOGGING_CATEGORY(lcFoundation, "lm.templates.foundation", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMetadata, "lm.templates.metadata", QtWarningMsg)
Q_LOGGING_CATEGORY(lcModel, "lm.templates.model", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFilters, "lm.templates.filters", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFormats, "lm.templates.formats", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLoading, "lm.templates.loading", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDecorations, "lm.templates.decorations", QtWarningMsg)
Q_LOGGING_CATEGORY(lcThumbnails, "lm.templates.thumbnails", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDistribution, "lm.templates.distribution", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStyles, "lm.templates.styles", QtWarningMsg)
