#include "LMDesignStyleCliparts.h"

namespace {
const QString STR_CLIPARTS = QStringLiteral("cliparts");
const QString STR_CLIPART = QStringLiteral("clipart");
} // namespace

LMDesignStyleCliparts::LMDesignStyleCliparts(const QDomElement& theElement)
{
    readList(theElement, STR_CLIPART, false);
}

void LMDesignStyleCliparts::buildXML(QDomElement& theParent) const
{
    writeList(theParent, STR_CLIPARTS, STR_CLIPART);
}

QString LMDesignStyleCliparts::toDebugString() const
{
    return debugString(QStringLiteral("      Cliparts:"));
}
