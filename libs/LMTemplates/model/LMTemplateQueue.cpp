#include "LMTemplateQueue.h"

int LMTemplateQueue::here() const
{
    const int aCount = static_cast<int>(myTemplates.size());
    if (aCount == 0)
        return 0;
    // The position may run far in either direction: it wraps around the list.
    const int aRemainder = myPosition % aCount;
    return aRemainder < 0 ? aRemainder + aCount : aRemainder;
}

LMConfiguredTemplate LMTemplateQueue::currentTemplate() const
{
    if (myTemplates.isEmpty())
        return LMConfiguredTemplate();
    return myTemplates.at(here());
}

LMConfiguredTemplate LMTemplateQueue::dequeueForward()
{
    ++myPosition;
    return currentTemplate();
}

LMConfiguredTemplate LMTemplateQueue::dequeueReverse()
{
    --myPosition;
    return currentTemplate();
}
