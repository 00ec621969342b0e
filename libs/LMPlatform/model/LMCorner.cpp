#include "LMCorner.h"

#include "LMMirrorRule.h"

LM_DEFINE_ENUM_TABLE(LMCorner)

void LMCorner::fillTable(Table* theTable) const
{
    using E = LMCornerEnum;
    theTable->insert(QStringLiteral("top-left"), E::TopLeft);
    theTable->insert(QStringLiteral("top-right"), E::TopRight);
    theTable->insert(QStringLiteral("bottom-left"), E::BottomLeft);
    theTable->insert(QStringLiteral("bottom-right"), E::BottomRight);
    theTable->insert(QStringLiteral("all"), E::All);
}

LMCorner LMCorner::mirrored(const LMMirrorRule& theRule) const
{
    using E = LMCornerEnum;
    Int aResult = 0;
    for (const E aCorner : { E::TopLeft, E::TopRight, E::BottomLeft, E::BottomRight }) {
        if (!(myValue & Int(aCorner)))
            continue;
        Int aBit = Int(aCorner);
        if (theRule.flipsX())
            aBit = (aBit & 5) ? aBit << 1 : aBit >> 1; // left <-> right
        if (theRule.flipsY())
            aBit = (aBit & 3) ? aBit << 2 : aBit >> 2; // top <-> bottom
        aResult |= aBit;
    }
    return fromInt(aResult);
}
