#include "LMDesignStyleClipart.h"

#include "LMDesignStyleXml.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");
const QString STR_PRODUCTION_ID = QStringLiteral("productionId");
const QString STR_UNIQUE_NAME = QStringLiteral("uniqueName");
} // namespace

LMDesignStyleClipart::LMDesignStyleClipart(const QDomElement& theElement)
    : myConfiguration(LMConfiguredDecorationTemplate::fromDesignStyleXml(theElement)),
      myKeepAspectRatio(LMXMLParser::boolAttribute(theElement, STR_KEEP_ASPECT_RATIO, true)),
      myProductionId(theElement.attribute(STR_PRODUCTION_ID)), myUniqueName(theElement.attribute(STR_UNIQUE_NAME))
{
}

size_t LMDesignStyleClipart::hash() const
{
    return qHashMulti(0, myConfiguration.hash(), myKeepAspectRatio, myProductionId, myUniqueName);
}

void LMDesignStyleClipart::buildXML(QDomElement& theElement) const
{
    myConfiguration.toDesignStyleXml(theElement);
    if (!myKeepAspectRatio)
        theElement.setAttribute(STR_KEEP_ASPECT_RATIO, LMDesignStyleXml::boolText(false));
    if (!myProductionId.isEmpty())
        theElement.setAttribute(STR_PRODUCTION_ID, myProductionId);
    if (!myUniqueName.isEmpty())
        theElement.setAttribute(STR_UNIQUE_NAME, myUniqueName);
}

QString LMDesignStyleClipart::toDebugString() const
{
    if (!isValid())
        return QStringLiteral("        Clipart: skip");
    return QStringList { myConfiguration.toDebugString(),
                         QStringLiteral("          Production ID: %1").arg(myProductionId),
                         QStringLiteral("          Unique Name: %1").arg(myUniqueName),
                         QStringLiteral("          KeepAspectRatio: %1").arg(myKeepAspectRatio ? 1 : 0) }
        .join(QLatin1Char('\n'));
}
