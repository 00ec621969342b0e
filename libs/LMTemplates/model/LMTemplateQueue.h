#pragma once

#include "LMConfiguredTemplate.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

// A cursor over a list of templates that never ends: it wraps around in both directions, for
// callers that step through templates ("next layout", "previous layout").
class LMTEMPLATES_EXPORT LMTemplateQueue
{
public:
    LMTemplateQueue() = default;
    explicit LMTemplateQueue(const LMTemplateList& theTemplates) : myTemplates(theTemplates) { }

    bool isEmpty() const { return myTemplates.isEmpty(); }
    const LMTemplateList& templates() const { return myTemplates; }
    // Empties the list; the position stays.
    void clear() { myTemplates.clear(); }

    // The position brought into the list; 0 for an empty queue.
    int here() const;
    // The template at here(); a default template when the queue is empty.
    LMConfiguredTemplate currentTemplate() const;
    LMConfiguredTemplate dequeueForward();
    LMConfiguredTemplate dequeueReverse();

private:
    LMTemplateList myTemplates;
    int myPosition = 0;
};
