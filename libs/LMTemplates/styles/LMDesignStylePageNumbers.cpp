#include "LMDesignStylePageNumbers.h"

#include <QDomElement>

namespace {
const QString STR_PAGENUMBERS = QStringLiteral("pagenumbers");
const QString STR_APPLY = QStringLiteral("apply");
const QString STR_GLOBAL = QStringLiteral("global");
} // namespace

LMDesignStylePageNumbers::LMDesignStylePageNumbers(const QDomElement& theRoot)
    : myEnabled(theRoot.firstChildElement(STR_PAGENUMBERS).attribute(STR_APPLY) == STR_GLOBAL)
{
}

void LMDesignStylePageNumbers::buildXML(QDomElement& theParent) const
{
    if (!myEnabled)
        return;
    QDomElement anElement = theParent.ownerDocument().createElement(STR_PAGENUMBERS);
    anElement.setAttribute(STR_APPLY, STR_GLOBAL);
    theParent.appendChild(anElement);
}

QString LMDesignStylePageNumbers::toDebugString() const
{
    return QStringLiteral(" PageNumbers:\n    enabled: %1")
        .arg(myEnabled ? QStringLiteral("true") : QStringLiteral("false"));
}
