#pragma once

#include "LMConfiguredTemplate.h"
#include "LMDecorationLookup.h"
#include "LMTemplate.h"
#include "LMTemplateLookup.h"

#include <QMap>
#include <QSet>

#include <memory>
#include <vector>

// Stand-ins for the template and decoration registries, installed by the tests that read areas
// which name templates or decorations.
class FakeTemplateLookup : public LMTemplateLookup
{
public:
    // Background templates of those names, owned by the lookup.
    explicit FakeTemplateLookup(const QStringList& theNames)
    {
        for (const QString& aName : theNames) {
            myTemplates.push_back(std::make_unique<LMTemplate>(LMJigTypeEnum::Background));
            myTemplates.back()->setName(aName);
        }
    }
    LMUnconfiguredTemplate findTemplateByName(const QString& theName) const override
    {
        for (const std::unique_ptr<LMTemplate>& aTemplate : myTemplates) {
            if (aTemplate->matchesName(theName))
                return LMUnconfiguredTemplate(aTemplate.get());
        }
        return LMUnconfiguredTemplate();
    }
    LMConfiguredTemplate reference(const QString& theName) const
    {
        return LMConfiguredTemplate(findTemplateByName(theName));
    }

private:
    std::vector<std::unique_ptr<LMTemplate>> myTemplates;
};

class FakeDecorationLookup : public LMDecorationLookup
{
public:
    FakeDecorationLookup(const QMap<QString, int>& theCliparts, const QSet<int>& theMasks)
        : myCliparts(theCliparts), myMasks(theMasks)
    {
    }
    LMDesignElementID findClipartByUniqueName(const QString& theUniqueName) const override
    {
        return LMDesignElementID(myCliparts.value(theUniqueName));
    }
    bool containsMask(const LMDesignElementID& theId) const override { return myMasks.contains(theId.id()); }

private:
    QMap<QString, int> myCliparts;
    QSet<int> myMasks;
};
