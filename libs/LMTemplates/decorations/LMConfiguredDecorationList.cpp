#include "LMConfiguredDecorationList.h"

LMConfiguredDecorationList::LMConfiguredDecorationList(const LMAbstractDecorationList& theDecorations)
{
    reserve(theDecorations.size());
    for (LMAbstractDecoration* aDecoration : theDecorations)
        append(LMConfiguredDecoration(aDecoration));
}

LMConfiguredDecorationList::~LMConfiguredDecorationList() = default;

LMAbstractDecorationList LMConfiguredDecorationList::abstractDecorations() const
{
    LMAbstractDecorationList aDecorations;
    for (const LMConfiguredDecoration& aDecoration : *this)
        aDecorations.append(aDecoration.decoration());
    return aDecorations;
}

void LMConfiguredDecorationList::rotate(int theCount)
{
    if (isEmpty())
        return;
    const int aSteps = theCount % int(size());
    for (int aStep = 0; aStep < aSteps; ++aStep)
        append(takeFirst());
}
