#include "LMAreaBackgroundAlignment.h"

#include "LMMirrorRule.h"

LM_DEFINE_ENUM_TABLE(LMAreaBackgroundAlignment)

void LMAreaBackgroundAlignment::fillTable(Table* theTable) const
{
    using E = LMAreaBackgroundAlignmentEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("left"), E::Left);
    theTable->insert(QStringLiteral("center"), E::Center);
    theTable->insert(QStringLiteral("right"), E::Right);
    theTable->insert(QStringLiteral("full"), E::FullOnEachPage);
}

LMAreaBackgroundAlignment LMAreaBackgroundAlignment::mirrored(const LMMirrorRule& theRule) const
{
    if (!theRule.flipsX())
        return *this;
    if (myValue == Int(LMAreaBackgroundAlignmentEnum::Left))
        return LMAreaBackgroundAlignmentEnum::Right;
    if (myValue == Int(LMAreaBackgroundAlignmentEnum::Right))
        return LMAreaBackgroundAlignmentEnum::Left;
    return *this;
}
