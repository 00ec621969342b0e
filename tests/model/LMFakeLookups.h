#pragma once

#include "LMDecorationLookup.h"
#include "LMTemplateLookup.h"

#include <QMap>
#include <QSet>

// Stand-ins for the template and decoration registries, installed by the tests that read areas
// which name templates or decorations.
class FakeTemplateLookup : public LMTemplateLookup
{
public:
    explicit FakeTemplateLookup(const QStringList& theNames)
    {
        // Distinct addresses that stand for templates; they are never dereferenced.
        for (int i = 0; i < theNames.size(); ++i)
            myTemplates.insert(theNames.at(i), reinterpret_cast<LMTemplate*>(&myStorage[i]));
    }
    LMTemplateReference findTemplateByName(const QString& theName) const override
    {
        LMTemplate* aTemplate = myTemplates.value(theName);
        return aTemplate ? LMTemplateReference(aTemplate, theName) : LMTemplateReference();
    }
    LMTemplateReference reference(const QString& theName) const { return findTemplateByName(theName); }

private:
    char myStorage[16] = {};
    QMap<QString, LMTemplate*> myTemplates;
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
