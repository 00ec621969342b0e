#include "LMAreaAbility.h"

LM_DEFINE_ENUM_TABLE(LMAreaAbility)

void LMAreaAbility::fillTable(Table* theTable) const
{
    using E = LMAreaAbilityEnum;
    theTable->insert(QStringLiteral("move"), E::Move);
    theTable->insert(QStringLiteral("resize"), E::Resize);
    theTable->insert(QStringLiteral("delete"), E::Delete);
    theTable->insert(QStringLiteral("rotate"), E::Rotate);
    theTable->insert(QStringLiteral("scale"), E::Scale);
    theTable->insert(QStringLiteral("exchangeContent"), E::ExchangeContent);
    theTable->insert(QStringLiteral("zoomContent"), E::ZoomContent);
    theTable->insert(QStringLiteral("moveContent"), E::MoveContent);
    theTable->insert(QStringLiteral("rotateContent"), E::RotateContent);
    theTable->insert(QStringLiteral("imageEffects"), E::ImageEffects);
    theTable->insert(QStringLiteral("replaceFoto"), E::ReplaceFoto);
    theTable->insert(QStringLiteral("border"), E::Border);
    theTable->insert(QStringLiteral("shadow"), E::Shadow);
    theTable->insert(QStringLiteral("corners"), E::Corners);
    theTable->insert(QStringLiteral("mask"), E::Mask);
    theTable->insert(QStringLiteral("recolor"), E::Recolor);
    theTable->insert(QStringLiteral("snap"), E::Snap);
    theTable->insert(QStringLiteral("copy"), E::Copy);
    theTable->insert(QStringLiteral("arrange"), E::Arrange);
    theTable->insert(QStringLiteral("flip"), E::Flip);
    theTable->insert(QStringLiteral("crop"), E::Crop);
    theTable->insert(QStringLiteral("dropFoto"), E::DropFoto);
    theTable->insert(QStringLiteral("autoFill"), E::AutoFill);
    theTable->insert(QStringLiteral("geometry"), E::Geometry);
}
