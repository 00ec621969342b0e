#pragma once

#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

class QDebug;

// The page templates of one design that belong together, in page order (the pages of a
// multi-page design). Steps from a page to its neighbours answer the null template at the ends.
class LMTEMPLATES_EXPORT LMTemplateBundle
{
public:
    LMTemplateBundle() = default;
    explicit LMTemplateBundle(const LMUnconfiguredTemplateList& theTemplates) : myTemplates(theTemplates) { }

    bool empty() const { return myTemplates.isEmpty(); }
    const LMUnconfiguredTemplateList& templates() const { return myTemplates; }
    bool contains(const LMUnconfiguredTemplate& theTemplate) const { return myTemplates.contains(theTemplate); }

    // The null template when the bundle is empty.
    LMUnconfiguredTemplate firstTemplate() const;
    // The neighbour in page order; the null template for an invalid or foreign template and at
    // the end.
    LMUnconfiguredTemplate nextTemplate(const LMUnconfiguredTemplate& theTemplate) const;
    LMUnconfiguredTemplate previousTemplate(const LMUnconfiguredTemplate& theTemplate) const;
    bool hasNextTemplate(const LMUnconfiguredTemplate& theTemplate) const;
    bool hasPreviousTemplate(const LMUnconfiguredTemplate& theTemplate) const;
    // One page, and one more for every template that has a next one.
    int countNeededPages() const;

    void remove(const LMUnconfiguredTemplate& theTemplate);
    // Appends the templates of the bundle the registry knows for the template (the template
    // alone when it has none); templates already in this bundle are not added twice, so that
    // the steps between pages stay unambiguous.
    void append(const LMUnconfiguredTemplate& theTemplate);

    friend bool operator==(const LMTemplateBundle& theA, const LMTemplateBundle& theB)
    {
        return theA.myTemplates == theB.myTemplates;
    }
    friend bool operator!=(const LMTemplateBundle& theA, const LMTemplateBundle& theB) { return !(theA == theB); }

private:
    // The position of the template, or -1 when it is invalid or not in the bundle.
    qsizetype indexOf(const LMUnconfiguredTemplate& theTemplate) const;

    LMUnconfiguredTemplateList myTemplates;
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateBundle& theBundle);
