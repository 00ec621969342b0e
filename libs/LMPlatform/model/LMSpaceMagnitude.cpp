#include "LMSpaceMagnitude.h"

#include <cmath>

LM_DEFINE_ENUM_TABLE(LMSpaceMagnitude)

void LMSpaceMagnitude::fillTable(Table* theTable) const
{
    using E = LMSpaceMagnitudeEnum;
    theTable->insert(QStringLiteral("small"), E::Small);
    theTable->insert(QStringLiteral("medium"), E::Medium);
    theTable->insert(QStringLiteral("large"), E::Large);
    theTable->insert(QStringLiteral("xlarge"), E::ExtraLarge);
    theTable->insert(QStringLiteral("extra_large"), E::ExtraLarge);
}

LMEnumWrapper<LMSpaceMagnitudeEnum> LMSpaceMagnitude::fromText(const QString& theText)
{
    const QString aText = theText.trimmed();
    bool aNumber = false;
    const int aValue = aText.toInt(&aNumber);
    if (aNumber)
        return fromInt(aValue >= 1 && aValue <= Int(LMSpaceMagnitudeEnum::ExtraLarge) ? aValue : 0);
    // One word only: the classes are no bits that a list could combine.
    return fromInt(enumToStringTable().containsString(aText) ? decodeCSV(aText) : 0);
}

LMSpaceMagnitude LMSpaceMagnitude::estimateByAreaSizes(double theSmallestShareOfPage)
{
    if (!std::isfinite(theSmallestShareOfPage) || theSmallestShareOfPage <= 0)
        return LMSpaceMagnitude();
    if (theSmallestShareOfPage >= 0.2)
        return LMSpaceMagnitudeEnum::Small;
    if (theSmallestShareOfPage >= 0.08)
        return LMSpaceMagnitudeEnum::Medium;
    if (theSmallestShareOfPage >= 0.03)
        return LMSpaceMagnitudeEnum::Large;
    return LMSpaceMagnitudeEnum::ExtraLarge;
}
