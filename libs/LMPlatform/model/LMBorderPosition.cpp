#include "LMBorderPosition.h"

LM_DEFINE_ENUM_TABLE(LMBorderPosition)

void LMBorderPosition::fillTable(Table* theTable) const
{
    using E = LMBorderPositionEnum;
    theTable->insert(QStringLiteral("inside"), E::Inside);
    theTable->insert(QStringLiteral("outside"), E::Outside);
    theTable->insert(QStringLiteral("center"), E::Center);
}

LMBorderPosition LMBorderPosition::adaptToOffset() const
{
    return isValid() ? LMBorderPosition(LMBorderPositionEnum::Outside) : *this;
}
