#include "LMImageBackgroundPosition.h"

LM_DEFINE_ENUM_TABLE(LMImageBackgroundPosition)

void LMImageBackgroundPosition::fillTable(Table* theTable) const
{
    using E = LMImageBackgroundPositionEnum;
    theTable->insert(QStringLiteral("fill"), E::Fill);
    theTable->insert(QStringLiteral("fit"), E::Fit);
    theTable->insert(QStringLiteral("center"), E::Center);
    theTable->insert(QStringLiteral("tile"), E::Tile);
    theTable->insert(QStringLiteral("stretch"), E::Stretch);
}
