#pragma once

#include "LMConfiguredTemplate.h"
#include "LMTemplatesExport.h"

// A template with the value it was rated with; lower values rank first.
class LMTEMPLATES_EXPORT LMRatedTemplate
{
public:
    LMRatedTemplate() = default;
    LMRatedTemplate(const LMConfiguredTemplate& theTemplate, int theValue) : myTemplate(theTemplate), myValue(theValue)
    {
    }
    virtual ~LMRatedTemplate();

    const LMConfiguredTemplate& configuredTemplate() const { return myTemplate; }
    int value() const { return myValue; }

    // By value; equal values by the templates' own order.
    friend bool operator<(const LMRatedTemplate& theA, const LMRatedTemplate& theB)
    {
        if (theA.myValue != theB.myValue)
            return theA.myValue < theB.myValue;
        return theA.myTemplate < theB.myTemplate;
    }
    friend bool operator==(const LMRatedTemplate& theA, const LMRatedTemplate& theB)
    {
        return theA.myTemplate == theB.myTemplate && theA.myValue == theB.myValue;
    }
    friend bool operator!=(const LMRatedTemplate& theA, const LMRatedTemplate& theB) { return !(theA == theB); }

private:
    LMConfiguredTemplate myTemplate;
    int myValue = 0;
};
