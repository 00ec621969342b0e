#include "LMTemplateFactory.h"

#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMThematicCategory.h"
#include "LMXMLElement.h"
#include "LMXMLParser.h"

LMTemplateFactory::~LMTemplateFactory() = default;

QString LMTemplateFactory::attribute(const LMXMLElement& theElement, const QString& theName, const QString& theDefault)
{
    return LMXMLParser::attribute(theElement, theName, theDefault);
}

int LMTemplateFactory::intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault)
{
    const std::optional<QStringView> aText = theElement.findAttribute(theName);
    // A number the file got wrong counts as 0, not as the default.
    return aText ? LMXMLParser::parseInt(*aText).value_or(0) : theDefault;
}

bool LMTemplateFactory::boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault)
{
    const std::optional<QStringView> aText = theElement.findAttribute(theName);
    return aText ? LMXMLParser::parseBool(*aText).value_or(false) : theDefault;
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
