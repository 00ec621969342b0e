#include "LMBackgroundStrategy.h"

#include "LMTemplate.h"
#include "LMTemplateRegistry.h"
#include "LMXMLBuilder.h"
#include "LMXMLParser.h"

#include <QDomDocument>
#include <QDomElement>

#include <algorithm>

namespace {
const QString STR_BACKGROUND = QStringLiteral("background");
const QString STR_FLAGS = QStringLiteral("flags");
const QString STR_CATEGORY = QStringLiteral("category");
const QString STR_DISTRIBUTION = QStringLiteral("distribution");
const QString STR_FREQUENCY = QStringLiteral("selectAnotherBackgroundFrequency");
const QString STR_HUES = QStringLiteral("hues");
const QString STR_HUE = QStringLiteral("hue");
const QString STR_VALUE = QStringLiteral("value");
const QString STR_TEMPLATES = QStringLiteral("templates");
const QString STR_TEMPLATE = QStringLiteral("template");
const QString STR_ID = QStringLiteral("id");
} // namespace

LMBackgroundStrategy::LMBackgroundStrategy()
{
    setDefaultHues();
}

LMBackgroundStrategy::LMBackgroundStrategy(const QDomElement& theElement)
{
    setDefaultHues();
    myBackgroundFlags = LMXMLParser::intAttribute(theElement, STR_FLAGS, White | Black);
    myBackgroundCategory = theElement.attribute(STR_CATEGORY);
    const int aDistribution = LMXMLParser::intAttribute(theElement, STR_DISTRIBUTION, Implicit);
    myDistributionStrategy = aDistribution == NearestNeighbour || aDistribution == RoundRobin
        ? LMTemplateDistributionStrategy(aDistribution)
        : Implicit;
    mySelectAnotherBackgroundFrequency = LMXMLParser::intAttribute(theElement, STR_FREQUENCY, 0);

    const QDomElement aHues = theElement.firstChildElement(STR_HUES);
    if (!aHues.isNull()) {
        myBackgroundHues.clear();
        for (QDomElement aHue = aHues.firstChildElement(); !aHue.isNull(); aHue = aHue.nextSiblingElement())
            myBackgroundHues.insert(LMXMLParser::intAttribute(aHue, STR_VALUE, 0));
    }

    const QDomElement aTemplates = theElement.firstChildElement(STR_TEMPLATES);
    for (QDomElement aChild = aTemplates.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        const LMDesignElementID anId(LMXMLParser::intAttribute(aChild, STR_ID, 0));
        if (anId.isValid()) {
            if (!myExplicitIds.contains(anId))
                myExplicitIds.append(anId);
            continue;
        }
        const QString aName = aChild.attribute(STR_VALUE);
        if (aName.isEmpty())
            continue;
        registerTemplate(LMConfiguredTemplate(LMTemplateRegistry::instance()->findTemplateByName(aName)));
    }
}

LMBackgroundStrategy::~LMBackgroundStrategy() = default;

int LMBackgroundStrategy::backgroundFlags(const LMArticle& theArticle) const
{
    if (!LMTemplateRegistry::instance()->allMultiColorBackgrounds(theArticle).isEmpty())
        return myBackgroundFlags;
    return myBackgroundFlags & (White | Black);
}

LMBackgroundStrategy::LMTemplateDistributionStrategy LMBackgroundStrategy::distributionStrategyImplicit() const
{
    if (myDistributionStrategy != Implicit)
        return myDistributionStrategy;
    const qsizetype aCount = myExplicitIds.size() + myRegisteredTemplates.size();
    if (aCount == 0 || aCount > 4)
        return RoundRobin;
    return thereAreImplicitBackgrounds() ? RoundRobin : NearestNeighbour;
}

void LMBackgroundStrategy::setDefaultHues()
{
    myBackgroundHues.clear();
    for (int aHue = 0; aHue < 360; aHue += 30)
        myBackgroundHues.insert(aHue);
}

void LMBackgroundStrategy::setExplicitBackgrounds(const LMTemplateList& theTemplates)
{
    myRegisteredTemplates.clear();
    myExplicitIds.clear();
    for (const LMConfiguredTemplate& aTemplate : theTemplates)
        registerTemplate(aTemplate);
}

LMTemplateList LMBackgroundStrategy::explicitBackgrounds() const
{
    LMTemplateList aResult = myRegisteredTemplates;
    for (const LMDesignElementID& anId : myExplicitIds) {
        const LMConfiguredTemplate aTemplate(LMTemplateRegistry::instance()->findBackgroundByID(anId));
        if (aTemplate.isValid() && !aResult.contains(aTemplate))
            aResult.append(aTemplate);
    }
    return aResult;
}

void LMBackgroundStrategy::registerTemplate(const LMConfiguredTemplate& theTemplate)
{
    if (theTemplate.isValid() && !myRegisteredTemplates.contains(theTemplate))
        myRegisteredTemplates.append(theTemplate);
}

bool LMBackgroundStrategy::thereAreMultiColorBackgrounds() const
{
    return !myBackgroundHues.isEmpty() && (myBackgroundFlags & MultiColor) != 0;
}

bool LMBackgroundStrategy::thereAreImplicitNoneMulticolorBackgrounds() const
{
    return (myBackgroundFlags & ~MultiColor) != 0;
}

bool LMBackgroundStrategy::thereAreImplicitBackgrounds() const
{
    return thereAreMultiColorBackgrounds() || thereAreImplicitNoneMulticolorBackgrounds();
}

bool LMBackgroundStrategy::thereAreExplicitBackgrounds() const
{
    return !myExplicitIds.isEmpty() || !myRegisteredTemplates.isEmpty();
}

bool LMBackgroundStrategy::isUseful() const
{
    return thereAreImplicitBackgrounds() || thereAreExplicitBackgrounds();
}

void LMBackgroundStrategy::buildXML(QDomNode& theParent) const
{
    QDomDocument aDocument = theParent.ownerDocument();
    if (aDocument.isNull())
        aDocument = theParent.toDocument();
    QDomElement anElement = aDocument.createElement(STR_BACKGROUND);
    LMXMLBuilder::addAttribute(anElement, STR_FLAGS, myBackgroundFlags);
    LMXMLBuilder::addAttribute(anElement, STR_CATEGORY, myBackgroundCategory);
    LMXMLBuilder::addAttribute(anElement, STR_DISTRIBUTION, int(myDistributionStrategy));
    LMXMLBuilder::addAttribute(anElement, STR_FREQUENCY, mySelectAnotherBackgroundFrequency);

    QDomElement aHues = aDocument.createElement(STR_HUES);
    QList<int> aSorted(myBackgroundHues.cbegin(), myBackgroundHues.cend());
    std::sort(aSorted.begin(), aSorted.end());
    for (int aHue : aSorted) {
        QDomElement anHueElement = aDocument.createElement(STR_HUE);
        LMXMLBuilder::addAttribute(anHueElement, STR_VALUE, aHue);
        aHues.appendChild(anHueElement);
    }
    anElement.appendChild(aHues);

    QDomElement aTemplates = aDocument.createElement(STR_TEMPLATES);
    for (const LMConfiguredTemplate& aTemplate : myRegisteredTemplates) {
        QDomElement aChild = aDocument.createElement(STR_TEMPLATE);
        LMXMLBuilder::addAttribute(aChild, STR_VALUE, aTemplate.uniqueName());
        if (!aTemplate->isMultiColor())
            LMXMLBuilder::addAttribute(aChild, STR_ID, aTemplate->backgroundID().id());
        aTemplates.appendChild(aChild);
    }
    for (const LMDesignElementID& anId : myExplicitIds) {
        QDomElement aChild = aDocument.createElement(STR_TEMPLATE);
        LMXMLBuilder::addAttribute(aChild, STR_ID, anId.id());
        aTemplates.appendChild(aChild);
    }
    anElement.appendChild(aTemplates);
    theParent.appendChild(anElement);
}

bool operator==(const LMBackgroundStrategy& theA, const LMBackgroundStrategy& theB)
{
    return theA.myBackgroundFlags == theB.myBackgroundFlags && theA.myBackgroundCategory == theB.myBackgroundCategory
        && theA.myDistributionStrategy == theB.myDistributionStrategy
        && theA.mySelectAnotherBackgroundFrequency == theB.mySelectAnotherBackgroundFrequency
        && theA.myBackgroundHues == theB.myBackgroundHues && theA.myExplicitIds == theB.myExplicitIds
        && theA.myRegisteredTemplates == theB.myRegisteredTemplates;
}

size_t qHash(const LMBackgroundStrategy& theStrategy, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theStrategy.totalBackgroundFlags(), theStrategy.backgroundCategoryName(),
                      int(theStrategy.distributionStrategyExplicit()), theStrategy.explicitBackgroundIds().size());
}
