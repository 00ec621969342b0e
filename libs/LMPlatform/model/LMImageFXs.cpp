#include "LMImageFXs.h"

LM_DEFINE_ENUM_TABLE(LMImageFXs)

void LMImageFXs::fillTable(Table* theTable) const
{
    using E = LMImageFXsEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("grayscale"), E::Grayscale);
    theTable->insert(QStringLiteral("sepia"), E::Sepia);
    theTable->insert(QStringLiteral("blackwhite"), E::BlackWhite);
    theTable->insert(QStringLiteral("invert"), E::Invert);
    theTable->insert(QStringLiteral("blur"), E::Blur);
    theTable->insert(QStringLiteral("vignette"), E::Vignette);
}
