#include "LMAlignment.h"

LM_DEFINE_ENUM_TABLE(LMAlignment)

LMAlignment LMAlignment::fromQt(Qt::Alignment theAlignment)
{
    constexpr Int aKnown = Int(Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify | Qt::AlignTop
                               | Qt::AlignBottom | Qt::AlignVCenter);
    return fromInt(Int(theAlignment.toInt()) & aKnown);
}

void LMAlignment::fillTable(Table* theTable) const
{
    using E = LMAlignmentEnum;
    theTable->insert(QStringLiteral("left"), E::Left);
    theTable->insert(QStringLiteral("right"), E::Right);
    theTable->insert(QStringLiteral("center"), E::HCenter);
    theTable->insert(QStringLiteral("justify"), E::Justify);
    theTable->insert(QStringLiteral("top"), E::Top);
    theTable->insert(QStringLiteral("bottom"), E::Bottom);
    theTable->insert(QStringLiteral("middle"), E::VCenter);
}
