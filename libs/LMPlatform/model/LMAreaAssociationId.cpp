#include "LMAreaAssociationId.h"

#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_ASSOCIATION_ID = QStringLiteral("associationId");
} // namespace

LMAreaAssociationId LMAreaAssociationId::fromXml(const LMXMLElement& theElement)
{
    return LMAreaAssociationId(theElement.attribute(STR_ASSOCIATION_ID));
}

void LMAreaAssociationId::buildXML(QDomElement& theElement) const
{
    if (!isEmpty())
        theElement.setAttribute(STR_ASSOCIATION_ID, myId);
}

QDebug operator<<(QDebug theDebug, const LMAreaAssociationId& theId)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAreaAssociationId(" << theId.id() << ')';
    return theDebug;
}
