#include "LMDesignStyleRuleSets.h"

#include <QDomElement>

namespace {
const QString STR_RULESETS = QStringLiteral("rulesets");
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
