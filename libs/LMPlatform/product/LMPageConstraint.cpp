#include "LMPageConstraint.h"

bool LMPageConstraint::isPageType(const LMPageType& thePageType) const
{
    return thePageType.isValid() && (myPageTypes.value() & thePageType.value()) == thePageType.value();
}

bool LMPageConstraint::matches(const LMPageConstraint& theOther) const
{
    return !myPageTypes.isValid() || !theOther.myPageTypes.isValid() || myPageTypes.intersects(theOther.myPageTypes);
}
