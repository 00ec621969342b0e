#include "LMDesignStyleCornerSets.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplateAreaDefinition.h"

#include "LMDesignStyleXml.h"

namespace {
const QString STR_CORNERSETS = QStringLiteral("cornersets");
const QString STR_CORNERS = QStringLiteral("corners");
const QString STR_TYPE = QStringLiteral("type");
} // namespace

LMDesignStyleCornerSets::LMDesignStyleCornerSets(const QDomElement& theElement)
    : myAreaType(theElement.attribute(STR_TYPE))
{
    if (myAreaType.isValid())
        readList(theElement, STR_CORNERS, true);
}

void LMDesignStyleCornerSets::buildXML(QDomElement& theParent) const
{
    QDomElement aList = writeList(theParent, STR_CORNERSETS, STR_CORNERS);
    aList.setAttribute(STR_TYPE, LMDesignStyleXml::wordsOf(myAreaType));
}

QString LMDesignStyleCornerSets::toDebugString() const
{
    return debugString(QStringLiteral("      Corner Sets: %1").arg(LMDesignStyleXml::wordsOf(myAreaType)));
}

LMTemplateAreaDefinitionList
LMDesignStyleCornerSets::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                const LMDesignStyleReferencePoint& thePoint) const
{
    applyPerArea(LMDesignStyleAreas::ofType(theAreas, myAreaType), thePoint,
                 [](LMTemplateAreaDefinition& theArea, const LMDesignStyleCornerSet& theCorners) {
                     LMDesignStyleAreas::changeDecoration(theArea, [&](LMAreaDecoration& theDecoration) {
                         theDecoration.setCorners(theCorners.cornersConfig());
                     });
                 });
    return theAreas;
}
