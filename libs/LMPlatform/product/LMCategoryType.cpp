#include "LMCategoryType.h"

LM_DEFINE_ENUM_TABLE(LMCategoryType)

QList<LMCategoryType> LMCategoryType::singleTypes() const
{
    QList<LMCategoryType> aList;
    for (Int aBit = 1; aBit <= Int(LMCategoryTypeEnum::Feature); aBit <<= 1) {
        if (myValue & aBit)
            aList.append(LMCategoryType(fromInt(aBit)));
    }
    return aList;
}

void LMCategoryType::fillTable(Table* theTable) const
{
    using E = LMCategoryTypeEnum;
    theTable->insert(QStringLiteral("subcategory"), E::Subcategory);
    theTable->insert(QStringLiteral("internal"), E::Internal);
    theTable->insert(QStringLiteral("theme"), E::Theme);
    theTable->insert(QStringLiteral("spotcolor"), E::SpotColor);
    theTable->insert(QStringLiteral("primary"), E::Primary);
    theTable->insert(QStringLiteral("feature"), E::Feature);
}
