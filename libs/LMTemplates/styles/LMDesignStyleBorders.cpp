#include "LMDesignStyleBorders.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplateAreaDefinition.h"

#include "LMDesignStyleXml.h"

namespace {
const QString STR_BORDERS = QStringLiteral("borders");
const QString STR_BORDER = QStringLiteral("border");
const QString STR_TYPE = QStringLiteral("type");
} // namespace

LMDesignStyleBorders::LMDesignStyleBorders(const QDomElement& theElement) : myAreaType(theElement.attribute(STR_TYPE))
{
    if (myAreaType.isValid())
        readList(theElement, STR_BORDER, true);
}

void LMDesignStyleBorders::buildXML(QDomElement& theParent) const
{
    QDomElement aList = writeList(theParent, STR_BORDERS, STR_BORDER);
    aList.setAttribute(STR_TYPE, LMDesignStyleXml::wordsOf(myAreaType));
}

QString LMDesignStyleBorders::toDebugString() const
{
    return debugString(QStringLiteral("      Borders: %1").arg(LMDesignStyleXml::wordsOf(myAreaType)));
}

LMTemplateAreaDefinitionList
LMDesignStyleBorders::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                             const LMDesignStyleReferencePoint& thePoint) const
{
    applyPerArea(LMDesignStyleAreas::ofType(theAreas, myAreaType), thePoint,
                 [](LMTemplateAreaDefinition& theArea, const LMDesignStyleBorder& theBorder) {
                     LMDesignStyleAreas::changeDecoration(theArea, [&](LMAreaDecoration& theDecoration) {
                         theDecoration.setBorder(theBorder.borderConfig());
                     });
                 });
    return theAreas;
}
