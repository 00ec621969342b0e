#include "LMFrameGlassMaterial.h"

LM_DEFINE_ENUM_TABLE(LMFrameGlassMaterial)

void LMFrameGlassMaterial::fillTable(Table* theTable) const
{
    using E = LMFrameGlassMaterialEnum;
    theTable->insert(QStringLiteral("laminated"), E::Laminated);
    theTable->insert(QStringLiteral("glas"), E::Glass);
}
