#include "LMPageAlignment.h"

LM_DEFINE_ENUM_TABLE(LMPageAlignment)

void LMPageAlignment::fillTable(Table* theTable) const
{
    using E = LMPageAlignmentEnum;
    theTable->insert(QStringLiteral("left"), E::Left);
    theTable->insert(QStringLiteral("right"), E::Right);
    theTable->insert(QStringLiteral("single"), E::Single);
    theTable->insert(QStringLiteral("double"), E::Double);
    theTable->insert(QStringLiteral("any"), E::Any);
}
