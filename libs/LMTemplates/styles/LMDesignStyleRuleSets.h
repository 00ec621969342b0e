#pragma once

#include "LMDesignStyleRuleSet.h"
#include "LMTemplatesExport.h"

#include <QHash>
#include <QStringList>

// The rule sets of a design style ("rulesets"), by name.
class LMTEMPLATES_EXPORT LMDesignStyleRuleSets
{
public:
    LMDesignStyleRuleSets() = default;
    // Every child element is read as a "ruleset"; one without a name is dropped with the warning
    // "skipping unnamed ruleset". A later rule set of a name replaces the earlier.
    explicit LMDesignStyleRuleSets(const QDomElement& theElement);

    // Replaces the rule set of the same name.
    void insert(const LMDesignStyleRuleSet& theRuleSet) { myRuleSets.insert(theRuleSet.name(), theRuleSet); }
    bool contains(const QString& theName) const { return myRuleSets.contains(theName); }
    // An empty, unnamed rule set when there is none of that name.
    LMDesignStyleRuleSet ruleSet(const QString& theName) const { return myRuleSets.value(theName); }
    // The rule set named "default"; without one the warning "no default ruleset found" and an
    // empty rule set.
    LMDesignStyleRuleSet defaultRuleSet() const;
    // Sorted.
    QStringList ruleSetNames() const;
    qsizetype count() const { return myRuleSets.size(); }
    bool isEmpty() const { return myRuleSets.isEmpty(); }

    // Applies the named rule sets in order, each to what the one before left; a name without rule
    // set is skipped with the warning "ruleset '%1' not in list".
    LMTemplateAreaDefinitionList applyRuleSetsToAreaDefinitions(const QStringList& theNames,
                                                                LMTemplateAreaDefinitionList theAreas,
                                                                const LMTemplateContext& theContext,
                                                                const LMDesignStyleReferencePoint& thePoint) const;
    // The text format of the type that the named rule sets make, merged in order: the format
    // together with every field one of them sets. Missing names are warned about as above.
    LMTextFormatChange textFormat(const QStringList& theNames, const LMAreaTextType& theTextType) const;
    // The ids of the valid backgrounds, cliparts and passepartouts of every rule set.
    LMDesignElementIDSet requiredDesignElementIDs() const;
    // The font families of every text format of every rule set.
    QSet<QString> requiredFontFamilies() const;

    // Appends a "rulesets" element with the rule sets in name order.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleRuleSets& theA, const LMDesignStyleRuleSets& theB)
    {
        return theA.myRuleSets == theB.myRuleSets;
    }
    friend bool operator!=(const LMDesignStyleRuleSets& theA, const LMDesignStyleRuleSets& theB)
    {
        return !(theA == theB);
    }

private:
    QHash<QString, LMDesignStyleRuleSet> myRuleSets;
};
