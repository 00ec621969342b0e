#pragma once

#include "LMDesignStyleLayouts.h"
#include "LMOrientation.h"
#include "LMTemplatesExport.h"

#include <QStringList>

class QDomElement;

// What a template of a design style gives the pages of one or more orientations ("orientation"):
// the layouts to build them from and the names of the rule sets to apply, in order.
class LMTEMPLATES_EXPORT LMDesignStyleLayoutRuleSetBundle
{
public:
    LMDesignStyleLayoutRuleSetBundle() = default;
    LMDesignStyleLayoutRuleSetBundle(const LMOrientation& theOrientation, const LMDesignStyleLayouts& theLayouts,
                                     const QStringList& theRuleSetNames)
        : myOrientation(theOrientation), myLayouts(theLayouts), myRuleSetNames(theRuleSetNames)
    {
    }
    // An "orientation" element (another name: a warning, and the bundle stays invalid): "value",
    // the "layouts" child and the "name" of each "ruleset" child.
    explicit LMDesignStyleLayoutRuleSetBundle(const QDomElement& theElement);

    const LMOrientation& orientation() const { return myOrientation; }
    const LMDesignStyleLayouts& layouts() const { return myLayouts; }
    const QStringList& ruleSetNames() const { return myRuleSetNames; }
    // An orientation and layouts.
    bool isValid() const { return myOrientation.isValid() && !myLayouts.isNull(); }

    // Appends an "orientation" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleLayoutRuleSetBundle& theA, const LMDesignStyleLayoutRuleSetBundle& theB)
    {
        return theA.myOrientation == theB.myOrientation && theA.myLayouts == theB.myLayouts
            && theA.myRuleSetNames == theB.myRuleSetNames;
    }
    friend bool operator!=(const LMDesignStyleLayoutRuleSetBundle& theA, const LMDesignStyleLayoutRuleSetBundle& theB)
    {
        return !(theA == theB);
    }

private:
    LMOrientation myOrientation;
    LMDesignStyleLayouts myLayouts;
    QStringList myRuleSetNames;
};
