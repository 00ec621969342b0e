#include "LMDesignStyleListAttributes.h"

#include "LMDesignStyleXml.h"
#include "LMXMLParser.h"

#include <QDomElement>

namespace {
const QString STR_ITERATE = QStringLiteral("iterate");
const QString STR_ORDER = QStringLiteral("order");
const QString STR_RESET = QStringLiteral("reset");
const QString STR_SKIP = QStringLiteral("skip");
const QString STR_TRUE = QStringLiteral("true");

} // namespace

LMDesignStyleListAttributes::LMDesignStyleListAttributes(const QDomElement& theElement)
    : myIterate(theElement.attribute(STR_ITERATE)), myOrder(theElement.attribute(STR_ORDER)),
      myReset(theElement.attribute(STR_RESET))
{
}

void LMDesignStyleListAttributes::buildXML(QDomElement& theElement) const
{
    theElement.setAttribute(STR_ITERATE, LMDesignStyleXml::wordsOf(myIterate));
    theElement.setAttribute(STR_ORDER, LMDesignStyleXml::wordsOf(myOrder));
    if (myReset != LMDesignStyleListReset())
        theElement.setAttribute(STR_RESET, LMDesignStyleXml::wordsOf(myReset));
}

QStringList LMDesignStyleListAttributes::toDebugLines() const
{
    return QStringList { QStringLiteral("        Iterate: %1").arg(LMDesignStyleXml::wordsOf(myIterate)),
                         QStringLiteral("        Order: %1").arg(LMDesignStyleXml::wordsOf(myOrder)),
                         QStringLiteral("        Reset: %1").arg(LMDesignStyleXml::wordsOf(myReset)) };
}

bool LMDesignStyleListAttributes::isSkipped(const QDomElement& theItem)
{
    return LMXMLParser::boolAttribute(theItem, STR_SKIP, false);
}

void LMDesignStyleListAttributes::markSkipped(QDomElement& theItem)
{
    theItem.setAttribute(STR_SKIP, STR_TRUE);
}
