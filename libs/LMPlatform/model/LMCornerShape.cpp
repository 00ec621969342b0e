#include "LMCornerShape.h"

LM_DEFINE_ENUM_TABLE(LMCornerShape)

void LMCornerShape::fillTable(Table* theTable) const
{
    using E = LMCornerShapeEnum;
    theTable->insert(QStringLiteral("default"), E::Default);
    theTable->insert(QStringLiteral("convex"), E::Convex);
    theTable->insert(QStringLiteral("concave"), E::Concave);
    theTable->insert(QStringLiteral("bevelled"), E::Bevelled);
    theTable->insert(QStringLiteral("notched"), E::Notched);
}
