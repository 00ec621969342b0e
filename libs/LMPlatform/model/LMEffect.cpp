#include "LMEffect.h"

LM_DEFINE_ENUM_TABLE(LMEffect)

void LMEffect::fillTable(Table* theTable) const
{
    using E = LMEffectEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("grayscale"), E::Grayscale);
    theTable->insert(QStringLiteral("sepia"), E::Sepia);
    theTable->insert(QStringLiteral("invert"), E::Invert);
    theTable->insert(QStringLiteral("pastel"), E::Pastel);
}
