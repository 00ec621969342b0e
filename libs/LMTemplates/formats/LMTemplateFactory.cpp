#include "LMTemplateFactory.h"

#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMThematicCategory.h"
#include "LMXMLParser.h"

#include <QDomElement>

LMTemplateFactory::~LMTemplateFactory() = default;

QString LMTemplateFactory::attribute(const QDomElement& theElement, const QString& theName, const QString& theDefault)
{
    return attribute(theElement.attributes(), theName, theDefault);
}

QString LMTemplateFactory::attribute(const QDomNamedNodeMap& theAttributes, const QString& theName,
                                     const QString& theDefault)
{
    return LMXMLParser::attribute(theAttributes, theName, theDefault);
}

int LMTemplateFactory::intAttribute(const QDomElement& theElement, const QString& theName, int theDefault)
{
    return intAttribute(theElement.attributes(), theName, theDefault);
}

int LMTemplateFactory::intAttribute(const QDomNamedNodeMap& theAttributes, const QString& theName, int theDefault)
{
    if (!theAttributes.contains(theName))
        return theDefault;
    // A number the file got wrong counts as 0, not as the default.
    return LMXMLParser::parseInt(theAttributes.namedItem(theName).nodeValue()).value_or(0);
}

bool LMTemplateFactory::boolAttribute(const QDomElement& theElement, const QString& theName, bool theDefault)
{
    return boolAttribute(theElement.attributes(), theName, theDefault);
}

bool LMTemplateFactory::boolAttribute(const QDomNamedNodeMap& theAttributes, const QString& theName, bool theDefault)
{
    if (!theAttributes.contains(theName))
        return theDefault;
    return LMXMLParser::parseBool(theAttributes.namedItem(theName).nodeValue()).value_or(false);
}

void LMTemplateFactory::addSpotColorCategory(LMTemplate* theTemplate, const LMSpotColor& theSpotColor)
{
    Q_ASSERT_X(theTemplate, "LMTemplateFactory::addSpotColorCategory", "no template");
    const LMThematicCategory aCategory = LMThematicCategory::fromSpotColor(theSpotColor);
    if (aCategory.isEmpty())
        return;
    const LMCategoryType aType(LMCategoryTypeEnum::SpotColor);
    LMThematicCategorySet aSet = theTemplate->thematicCategories(aType);
    aSet.insert(aCategory);
    theTemplate->setThematicCategories(aType, aSet);
}
