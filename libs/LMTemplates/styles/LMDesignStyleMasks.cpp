#include "LMDesignStyleMasks.h"

namespace {
const QString STR_PASSEPARTOUTS = QStringLiteral("passepartouts");
const QString STR_PASSEPARTOUT = QStringLiteral("passepartout");
} // namespace

LMDesignStyleMasks::LMDesignStyleMasks(const QDomElement& theElement)
{
    readList(theElement, STR_PASSEPARTOUT, true);
}

void LMDesignStyleMasks::buildXML(QDomElement& theParent) const
{
    writeList(theParent, STR_PASSEPARTOUTS, STR_PASSEPARTOUT);
}

QString LMDesignStyleMasks::toDebugString() const
{
    return debugString(QStringLiteral("      Passepartouts:"));
}
