#include "LMPriceClassSet.h"

#include <algorithm>

QList<LMPriceClass> LMPriceClassSet::sorted() const
{
    QList<LMPriceClass> aList(cbegin(), cend());
    std::sort(aList.begin(), aList.end());
    return aList;
}

QStringList LMPriceClassSet::toStringList() const
{
    QStringList aTexts;
    for (const LMPriceClass& aClass : sorted())
        aTexts.append(aClass.toString());
    return aTexts;
}

bool LMPriceClassSet::containsPricedClass() const
{
    return std::any_of(cbegin(), cend(), [](const LMPriceClass& theClass) { return !theClass.isFree(); });
}
