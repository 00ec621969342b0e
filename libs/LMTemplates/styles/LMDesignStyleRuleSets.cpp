#include "LMDesignStyleRuleSets.h"

#include <QDomElement>

namespace {
const QString STR_RULESETS = QStringLiteral("rulesets");

void warnMissing(const QString& theName)
{
    qWarning("%s", qUtf8Printable(QStringLiteral("ruleset '%1' not in list").arg(theName)));
}
} // namespace

LMDesignStyleRuleSets::LMDesignStyleRuleSets(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        const LMDesignStyleRuleSet aRuleSet(aChild);
        if (aRuleSet.name().isEmpty()) {
            qWarning("skipping unnamed ruleset");
            continue;
        }
        insert(aRuleSet);
    }
}

LMDesignStyleRuleSet LMDesignStyleRuleSets::defaultRuleSet() const
{
    const auto aFound = myRuleSets.constFind(LMDesignStyleRuleSet::defaultName());
    if (aFound != myRuleSets.cend())
        return *aFound;
    qWarning("no default ruleset found");
    return LMDesignStyleRuleSet();
}

QStringList LMDesignStyleRuleSets::ruleSetNames() const
{
    QStringList aNames = myRuleSets.keys();
    aNames.sort();
    return aNames;
}

void LMDesignStyleRuleSets::buildXML(QDomElement& theParent) const
{
    QDomElement aRuleSets = theParent.ownerDocument().createElement(STR_RULESETS);
    for (const QString& aName : ruleSetNames())
        myRuleSets.value(aName).buildXML(aRuleSets);
    theParent.appendChild(aRuleSets);
}

QString LMDesignStyleRuleSets::toDebugString() const
{
    QStringList aLines;
    for (const QString& aName : ruleSetNames())
        aLines << myRuleSets.value(aName).toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

LMTemplateAreaDefinitionList LMDesignStyleRuleSets::applyRuleSetsToAreaDefinitions(
    const QStringList& theNames, LMTemplateAreaDefinitionList theAreas, const LMTemplateContext& theContext,
    const LMDesignStyleReferencePoint& thePoint) const
{
    for (const QString& aName : theNames) {
        const auto aFound = myRuleSets.constFind(aName);
        if (aFound == myRuleSets.cend()) {
            warnMissing(aName);
            continue;
        }
        theAreas = aFound->applyToAreaDefinitions(std::move(theAreas), theContext, thePoint);
    }
    return theAreas;
}

LMTextFormatChange LMDesignStyleRuleSets::textFormat(const QStringList& theNames,
                                                     const LMAreaTextType& theTextType) const
{
    LMTextFormatChange aChange;
    for (const QString& aName : theNames) {
        const auto aFound = myRuleSets.constFind(aName);
        if (aFound == myRuleSets.cend()) {
            warnMissing(aName);
            continue;
        }
        const LMDesignStyleTextFormat aFormat = aFound->textFormats().textFormat(theTextType);
        if (aFormat.isValid())
            aChange.merge(aFormat.textFormatChanges());
    }
    return aChange;
}

LMDesignElementIDSet LMDesignStyleRuleSets::requiredDesignElementIDs() const
{
    LMDesignElementIDSet anIds;
    for (const LMDesignStyleRuleSet& aRuleSet : myRuleSets)
        anIds.unite(aRuleSet.requiredDesignElementIDs());
    return anIds;
}

QSet<QString> LMDesignStyleRuleSets::requiredFontFamilies() const
{
    QSet<QString> aFamilies;
    for (const LMDesignStyleRuleSet& aRuleSet : myRuleSets)
        aFamilies.unite(aRuleSet.requiredFontFamilies());
    return aFamilies;
}
