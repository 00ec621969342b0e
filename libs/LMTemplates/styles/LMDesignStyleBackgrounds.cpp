#include "LMDesignStyleBackgrounds.h"

namespace {
const QString STR_BACKGROUNDS = QStringLiteral("backgrounds");
const QString STR_BACKGROUND = QStringLiteral("background");
} // namespace

LMDesignStyleBackgrounds::LMDesignStyleBackgrounds(const QDomElement& theElement)
{
    readList(theElement, STR_BACKGROUND, false);
}

void LMDesignStyleBackgrounds::buildXML(QDomElement& theParent) const
{
    writeList(theParent, STR_BACKGROUNDS, STR_BACKGROUND);
}

QString LMDesignStyleBackgrounds::toDebugString() const
{
    return debugString(QStringLiteral("      Backgrounds:"));
}
